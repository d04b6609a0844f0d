// The program-wide state, alive from start to exit, used only on the GUI thread.
#pragma once

#include <stdint.h>

#include "../targets/window_records.h"

// Window that receives the shouted lines and that the toggle button hides and
// shows. Anything IsWindow rejects (0, -1, a closed window) means no target.
extern int32_t targetWindow;

// Which message box (1 to 5, 6 = wrap to the first) the scheduler reads next.
extern int32_t shoutCursor;

// The snapshot from which the window list box was last filled.
extern WindowRecordList listedWindows;

// The snapshot that the last enumeration gathered.
extern WindowRecordList enumeratedWindows;

// Makes both lists empty; the two plain values start at 0.
void InitSharedState();

// The exit routine: frees listedWindows, then enumeratedWindows.
void ReleaseSharedState();
