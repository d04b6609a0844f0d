// Driving Tarnvik's window from another process, shared by the tests and the
// shout demo. Every wait pumps the calling thread's messages, because
// Tarnvik sends to windows of the driving process (ShowWindow of a target).
#pragma once

#include <windows.h>

#include <functional>

void Pump(DWORD milliseconds);
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);

// The first visible top-level window of the class, of the process (or of
// any process for 0), or NULL when none shows up in time.
HWND WaitForWindow(DWORD processId, const char* className, DWORD timeoutMs = 10000);

// Position of the list box item whose value is the window, -1 when none.
int ItemOf(HWND list, HWND window);
// Double-clicks the list box item at the position, as the mouse does.
void DoubleClickItem(HWND list, int position);
// Clicks the button and returns once its owner has handled the click.
bool PressButton(HWND button);
