#include "state.h"

int32_t targetWindow = 0;
int32_t shoutCursor = 0;
WindowRecordList listedWindows;
WindowRecordList enumeratedWindows;

void InitSharedState()
{
    RecordListMakeEmpty(&listedWindows);
    RecordListMakeEmpty(&enumeratedWindows);
}

void ReleaseSharedState()
{
    RecordListFree(&listedWindows);
    RecordListFree(&enumeratedWindows);
}
