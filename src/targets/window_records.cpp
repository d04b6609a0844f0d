#include "window_records.h"

#include <stdlib.h>

#include "../app/text.h"

static void FreeRecordTexts(WindowRecord* record)
{
    TextFree(record->className);
    TextFree(record->title);
    record->className = NULL;
    record->title = NULL;
}

// Copies a text; reports 0 only when a present text could not be copied.
static int CopyText(const char* source, char** copy)
{
    *copy = TextDuplicate(source);
    return !source || *copy;
}

static int CopyRecord(const WindowRecord* source, WindowRecord* copy)
{
    copy->handle = source->handle;
    copy->processId = source->processId;
    copy->threadId = source->threadId;
    copy->className = NULL;
    copy->title = NULL;
    if (CopyText(source->className, &copy->className) && CopyText(source->title, &copy->title))
        return 1;
    FreeRecordTexts(copy);
    return 0;
}

void RecordListMakeEmpty(WindowRecordList* list)
{
    list->records = NULL;
    list->count = 0;
    list->capacity = 0;
}

int32_t RecordListCount(const WindowRecordList* list)
{
    return list->count;
}

const WindowRecord* RecordListAt(const WindowRecordList* list, int32_t position)
{
    if (position < 1 || position > list->count)
        return NULL;
    return &list->records[position - 1];
}

static int Reserve(WindowRecordList* list, int32_t needed)
{
    if (needed <= list->capacity)
        return 1;
    int32_t capacity = list->capacity ? list->capacity * 2 : 16;
    while (capacity < needed)
        capacity *= 2;
    WindowRecord* grown = (WindowRecord*)realloc(list->records, (size_t)capacity * sizeof(WindowRecord));
    if (!grown)
        return 0;
    list->records = grown;
    list->capacity = capacity;
    return 1;
}

int RecordListAppend(WindowRecordList* list, const WindowRecord* record)
{
    if (!Reserve(list, list->count + 1))
        return 0;
    if (!CopyRecord(record, &list->records[list->count]))
        return 0;
    list->count++;
    return 1;
}

int RecordListCopy(const WindowRecordList* source, WindowRecordList* copy)
{
    RecordListMakeEmpty(copy);
    for (int32_t i = 1; i <= source->count; i++) {
        if (!RecordListAppend(copy, RecordListAt(source, i))) {
            RecordListFree(copy);
            return 0;
        }
    }
    return 1;
}

void RecordListFree(WindowRecordList* list)
{
    for (int32_t i = 0; i < list->count; i++)
        FreeRecordTexts(&list->records[i]);
    free(list->records);
    RecordListMakeEmpty(list);
}
