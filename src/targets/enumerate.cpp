#include <stdlib.h>
#include <string.h>

#include "targets.h"
#include "../app/state.h"
#include "../app/text.h"
#include "../platform/wm.h"

enum {
    TEXT_BUFFER_CHARS = 256,  // filled with spaces, NUL after them
    TEXT_MAX_COUNT = 255,     // so at most 254 bytes and the NUL are written
};

static char* NewSpaceBuffer()
{
    char* buffer = (char*)malloc(TEXT_BUFFER_CHARS + 1);
    if (buffer) {
        memset(buffer, ' ', TEXT_BUFFER_CHARS);
        buffer[TEXT_BUFFER_CHARS] = 0;
    }
    return buffer;
}

void CollectWindow(int32_t handle)
{
    WindowRecord record = {0, 0, 0, NULL, NULL};
    if (!WmIsWindowVisible(handle))
        return;

    char* titleBuffer = NewSpaceBuffer();
    char* classBuffer = NewSpaceBuffer();
    if (titleBuffer && classBuffer) {
        WmGetWindowText(handle, titleBuffer, TEXT_MAX_COUNT);
        WmGetClassName(handle, classBuffer, TEXT_MAX_COUNT);
        record.threadId = WmGetWindowThreadProcessId(handle, &record.processId);
        record.handle = handle;
        record.className = TextDuplicate(classBuffer);
        record.title = TextDuplicate(titleBuffer);
        // A record missing a text it should have would read as untitled.
        if (record.className && record.title)
            RecordListAppend(&enumeratedWindows, &record);
    }
    free(titleBuffer);
    free(classBuffer);
    TextFree(record.className);
    TextFree(record.title);
}

int EnumWindowsCallback(int32_t handle, intptr_t applicationValue)
{
    (void)applicationValue;
    CollectWindow(handle);
    return 1;
}

int32_t EnumerateTopLevelWindows(WindowRecordList* list)
{
    RecordListFree(&enumeratedWindows);
    RecordListFree(list);
    WmEnumWindows(EnumWindowsCallback, 0);
    WindowRecordList copy;
    RecordListCopy(&enumeratedWindows, &copy);
    RecordListFree(list);
    *list = copy;
    return RecordListCount(&enumeratedWindows);
}
