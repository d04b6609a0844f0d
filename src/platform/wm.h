// The thin layer over the window manager (user32) that the program's logic
// calls. Handles are the platform's 32-bit window handles, bit for bit.
#pragma once

#include <stdint.h>

typedef int32_t WindowHandle;

// Called once per top-level window; returns nonzero to go on.
typedef int (*WmEnumProc)(WindowHandle handle, intptr_t applicationValue);

int WmIsWindow(WindowHandle handle);
void WmShowWindow(WindowHandle handle, int command);
int WmIsWindowVisible(WindowHandle handle);
void WmEnumWindows(WmEnumProc callback, intptr_t applicationValue);
void WmGetWindowText(WindowHandle handle, char* buffer, int maxCount);
void WmGetClassName(WindowHandle handle, char* buffer, int maxCount);
// Returns the creating thread's id and stores the creating process's id.
int32_t WmGetWindowThreadProcessId(WindowHandle handle, int32_t* processId);
void WmPostMessage(WindowHandle handle, uint32_t message, uintptr_t wParam, intptr_t lParam);
// 1 when the byte starts a double-byte character in the ANSI code page.
int WmIsDbcsLeadByte(uint8_t byte);

enum { WM_SHOW_HIDE = 0, WM_SHOW_NOACTIVATE = 4 };
