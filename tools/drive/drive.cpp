#include "drive.h"

#include <string.h>

void Pump(DWORD milliseconds)
{
    DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        DWORD elapsed = GetTickCount() - start;
        if (elapsed >= milliseconds)
            return;
        MsgWaitForMultipleObjects(0, NULL, FALSE, milliseconds - elapsed, QS_ALLINPUT);
    }
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs)
            return done();
        Pump(10);
    }
    return true;
}

struct Search {
    DWORD processId;
    const char* className;
    HWND found;
};

static BOOL CALLBACK FindVisibleWindowOf(HWND window, LPARAM value)
{
    Search* search = (Search*)value;
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char name[256];
    if ((!search->processId || owner == search->processId) && IsWindowVisible(window) &&
        GetClassNameA(window, name, sizeof name) && strcmp(name, search->className) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForWindow(DWORD processId, const char* className, DWORD timeoutMs)
{
    Search search = {processId, className, NULL};
    WaitUntil([&] {
        EnumWindows(FindVisibleWindowOf, (LPARAM)&search);
        return search.found != NULL;
    }, timeoutMs);
    return search.found;
}

int ItemOf(HWND list, HWND window)
{
    int count = (int)SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; i++)
        if ((HWND)SendMessageA(list, LB_GETITEMDATA, i, 0) == window)
            return i;
    return -1;
}

void DoubleClickItem(HWND list, int position)
{
    int height = (int)SendMessageA(list, LB_GETITEMHEIGHT, 0, 0);
    SendMessageA(list, LB_SETTOPINDEX, position, 0);
    int top = (int)SendMessageA(list, LB_GETTOPINDEX, 0, 0);
    LPARAM at = MAKELPARAM(20, (position - top) * height + height / 2);
    PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(list, WM_LBUTTONUP, 0, at);
    PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageA(list, WM_LBUTTONUP, 0, at);
}

bool PressButton(HWND button)
{
    // A thread waiting in SendMessage still handles what is sent to it, such
    // as Tarnvik's ShowWindow of a window of this process.
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(button, BM_CLICK, 0, 0, SMTO_NORMAL, 10000, &result) != 0;
}
