// A snapshot of visible top-level windows: one record per window, kept in a
// list that owns its records; each record owns its two texts.
#pragma once

#include <stdint.h>

struct WindowRecord {
    int32_t handle;     // the window's handle, bit for bit
    int32_t processId;  // process that created the window
    int32_t threadId;   // thread that created the window
    char* className;    // at most 254 bytes
    char* title;        // at most 254 bytes; empty for an untitled window
};

struct WindowRecordList {
    WindowRecord* records;  // count used, capacity allocated
    int32_t count;
    int32_t capacity;
};

// Makes the list empty without freeing anything (for a fresh variable).
void RecordListMakeEmpty(WindowRecordList* list);

int32_t RecordListCount(const WindowRecordList* list);

// Record at position 1 to count; NULL outside that range.
const WindowRecord* RecordListAt(const WindowRecordList* list, int32_t position);

// Appends a deep copy of the record. Returns 1, or 0 when memory ran out
// (the list is then unchanged).
int RecordListAppend(WindowRecordList* list, const WindowRecord* record);

// A new list with a deep copy of every record, in the same order. Returns 1,
// or 0 when memory ran out (then `copy` is left empty).
int RecordListCopy(const WindowRecordList* source, WindowRecordList* copy);

// Frees every record's texts, the records and the list's storage; the list
// is empty afterwards.
void RecordListFree(WindowRecordList* list);
