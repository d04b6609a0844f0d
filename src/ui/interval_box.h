// The interval box: only a short integer goes in.
#pragma once

#include <windows.h>

// Puts the character filter under the edit control's own procedure.
void AttachIntervalBox(HWND box);
// The box lost the focus (EN_KILLFOCUS): its text becomes a short integer.
void OnIntervalBoxLeft();
