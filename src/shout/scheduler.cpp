// The auto-shout check box and the shout timer's ticks.
#include "shout.h"

#include "../app/app.h"
#include "../app/state.h"
#include "../app/text.h"
#include "../ui/ids.h"
#include "../ui/toolkit.h"

enum { VIRTUAL_KEY_RETURN = 13 };

static char* ReadMessageBox(int box)
{
    return ReadControlText(编辑框1 + box - 1);
}

// Read afresh each time: the box may have changed since the last read.
static double ReadIntervalMilliseconds()
{
    char* interval = ReadControlText(编辑框);
    double milliseconds = IntervalMilliseconds(interval);
    TextFree(interval);
    return milliseconds;
}

void OnAutoShoutClicked()
{
    if (ReadCheckState(选择框)) {
        WriteTimerPeriod(PeriodFromMilliseconds(ReadIntervalMilliseconds()));
        shoutCursor = 1;
    } else {
        WriteTimerPeriod(0);
    }
}

void OnShoutTimer()
{
    if (WindowExists(targetWindow) == 0)
        return;
    char* line = TakeNextLine(&shoutCursor, ReadMessageBox);
    if (!line)
        return;  // every box empty: nothing to shout this time
    SendTextAsChars(targetWindow, line);
    PostKeyPress(targetWindow, VIRTUAL_KEY_RETURN, 0);
    // A changed interval takes effect from this shout on.
    double milliseconds = ReadIntervalMilliseconds();
    if (PeriodNeedsWrite(milliseconds, ReadTimerPeriod()))
        WriteTimerPeriod(PeriodFromMilliseconds(milliseconds));
    TextFree(line);
}
