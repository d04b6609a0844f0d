// The main window's own keyboard handling and its focus across activation.
#pragma once

#include <windows.h>

// Handles the navigation keys before the focused control sees them;
// 1 when the message is done with and must not be dispatched.
int HandleNavigationKey(const MSG* message);

// The main window is being deactivated: keep which control has the focus.
void RememberFocus();
// The main window got the focus: hand it on to the remembered control, or
// to the first of the focus order that can take it.
void RestoreFocus();
