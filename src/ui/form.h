// The main window's form: its windows, for the toolkit and the handlers.
#pragma once

#include <windows.h>

HWND MainWindow();
// The control's window; NULL for the timer and for unknown ids.
HWND ControlWindow(int id);
int RegisterMainWindowClass(HINSTANCE instance);
