// Automatic shouting: the timed rotation over the five message boxes, the
// interval's conversion to a timer period, and typing a line into the target.
#pragma once

#include <stdint.h>

// ---- handlers
// Click on the auto-shout check box, after it has toggled its tick.
void OnAutoShoutClicked();
// Each expiry of the shout timer.
void OnShoutTimer();

// ---- typing into another program's window, by posted messages only
// One WM_CHAR per byte, in order, zero-extended, lParam 0. A missing text
// posts nothing. A lead byte standing alone at the very end is not posted.
void SendTextAsChars(int32_t window, const char* text);
enum { KEY_DOWN_ONLY = 3, KEY_UP_ONLY = 4 };
// WM_KEYDOWN then WM_KEYUP, lParam 0; mode 3 only the down, 4 only the up.
void PostKeyPress(int32_t window, int32_t virtualKey, int32_t mode);

// ---- the interval (portable)
// The longest decimal number at the start of the text, full-width forms
// folded first; "." is the decimal point whatever the locale; D and d also
// mark an exponent. 0.0 without digits; overflow gives an infinity.
double TextToNumber(const char* text);
// Rounds toward zero; not finite or outside the signed 64-bit range: -2^63.
int64_t TruncateToInt64(double value);
// The interval box's seconds in milliseconds.
double IntervalMilliseconds(const char* intervalText);
// The low 32 bits of the truncated milliseconds, as a signed period.
int32_t PeriodFromMilliseconds(double milliseconds);
// 1 when a tick must rewrite the period: the interval differs from the
// stored period by more than 1e-7 ms.
int PeriodNeedsWrite(double milliseconds, int32_t storedPeriod);

enum TimerChange { TIMER_UNCHANGED, TIMER_STOPPED, TIMER_STARTED };
// Writing `requested` to a timer that holds `*storedPeriod`: a negative value
// is 0; an equal value changes nothing (a running count goes on); otherwise
// it is stored and the timer stops, starting again from now when above 0.
int ApplyTimerPeriodWrite(int32_t* storedPeriod, int32_t requested);

// ---- the rotation (portable)
enum { MESSAGE_BOX_COUNT = 5 };
// Reads message box 1 to 5 as a new text, NULL when empty.
typedef char* (*MessageBoxReader)(int box);
// Runs passes from *cursor until a box holds text and returns that text for
// the caller to free. After every box has been read once without text it
// returns NULL. A cursor outside 1 to 6 counts as 1.
char* TakeNextLine(int32_t* cursor, MessageBoxReader readBox);
