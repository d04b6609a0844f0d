// Runs the program with the creation of its main window refused, as when
// the system has no room for it.
#include <windows.h>
#include <string.h>

#include "app/app.h"
#include "ui/toolkit.h"

static LRESULT CALLBACK RefuseMainWindow(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        const char* className = ((CBT_CREATEWNDA*)lParam)->lpcs->lpszClass;
        if (HIWORD((UINT_PTR)className) && strcmp(className, "TarnvikMainWindow") == 0)
            return 1;
    }
    return CallNextHookEx(NULL, code, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    HHOOK hook = SetWindowsHookExA(WH_CBT, RefuseMainWindow, NULL, GetCurrentThreadId());
    int32_t code = ProgramMain();
    RunExitRoutine();
    UnhookWindowsHookEx(hook);
    return code;
}
