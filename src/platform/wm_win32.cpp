#include "wm.h"

#include <windows.h>

static HWND ToHwnd(WindowHandle handle)
{
    return (HWND)(intptr_t)handle;
}

int WmIsWindow(WindowHandle handle)
{
    return IsWindow(ToHwnd(handle)) ? 1 : 0;
}

void WmShowWindow(WindowHandle handle, int command)
{
    ShowWindow(ToHwnd(handle), command);
}

int WmIsWindowVisible(WindowHandle handle)
{
    return IsWindowVisible(ToHwnd(handle)) ? 1 : 0;
}

// EnumWindows wants a WNDENUMPROC; the enumeration runs synchronously on
// this thread, so one static slot carries the caller's callback.
static WmEnumProc enumCallback;

static BOOL CALLBACK EnumTrampoline(HWND hwnd, LPARAM value)
{
    return enumCallback((WindowHandle)(intptr_t)hwnd, (intptr_t)value) ? TRUE : FALSE;
}

void WmEnumWindows(WmEnumProc callback, intptr_t applicationValue)
{
    enumCallback = callback;
    EnumWindows(EnumTrampoline, (LPARAM)applicationValue);
    enumCallback = NULL;
}

void WmGetWindowText(WindowHandle handle, char* buffer, int maxCount)
{
    GetWindowTextA(ToHwnd(handle), buffer, maxCount);
}

void WmGetClassName(WindowHandle handle, char* buffer, int maxCount)
{
    GetClassNameA(ToHwnd(handle), buffer, maxCount);
}

int32_t WmGetWindowThreadProcessId(WindowHandle handle, int32_t* processId)
{
    DWORD process = 0;
    DWORD thread = GetWindowThreadProcessId(ToHwnd(handle), &process);
    *processId = (int32_t)process;
    return (int32_t)thread;
}

void WmPostMessage(WindowHandle handle, uint32_t message, uintptr_t wParam, intptr_t lParam)
{
    PostMessageA(ToHwnd(handle), message, (WPARAM)wParam, (LPARAM)lParam);
}

int WmIsDbcsLeadByte(uint8_t byte)
{
    return IsDBCSLeadByte(byte) ? 1 : 0;
}
