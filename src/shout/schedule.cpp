// The shout timer's period rules and the rotation over the message boxes.
#include "shout.h"

#include <math.h>

#include "../app/text.h"

int PeriodNeedsWrite(double milliseconds, int32_t storedPeriod)
{
    const double tolerance = 1e-7;
    return fabs(milliseconds - (double)storedPeriod) > tolerance ? 1 : 0;
}

int ApplyTimerPeriodWrite(int32_t* storedPeriod, int32_t requested)
{
    if (requested < 0)
        requested = 0;
    if (requested == *storedPeriod)
        return TIMER_UNCHANGED;
    *storedPeriod = requested;
    return requested > 0 ? TIMER_STARTED : TIMER_STOPPED;
}

// One pass reads exactly one box: 6 wraps to 1 and is read in the same pass.
static char* RunPass(int32_t* cursor, MessageBoxReader readBox)
{
    if (*cursor == 6)
        *cursor = 1;
    int box = *cursor;
    *cursor = box + 1;
    return readBox(box);
}

char* TakeNextLine(int32_t* cursor, MessageBoxReader readBox)
{
    if (*cursor < 1 || *cursor > 6)
        *cursor = 1;
    // With every box empty the rotation would never end; one round is enough.
    for (int pass = 0; pass < MESSAGE_BOX_COUNT; pass++) {
        char* line = RunPass(cursor, readBox);
        if (!TextIsEmpty(line))
            return line;
        TextFree(line);
    }
    return NULL;
}
