// Runs the program with the creation of every window of one class refused,
// as when the system has no room for it: the class named on the command
// line, the main window's by default.
#include <windows.h>

#include "app/app.h"
#include "ui/toolkit.h"

static const char* refusedClass = "TarnvikMainWindow";

static LRESULT CALLBACK RefuseWindow(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        const char* className = ((CBT_CREATEWNDA*)lParam)->lpcs->lpszClass;
        if (HIWORD((UINT_PTR)className) && lstrcmpiA(className, refusedClass) == 0)
            return 1;
    }
    return CallNextHookEx(NULL, code, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    if (commandLine && *commandLine)
        refusedClass = commandLine;
    HHOOK hook = SetWindowsHookExA(WH_CBT, RefuseWindow, NULL, GetCurrentThreadId());
    int32_t code = ProgramMain();
    RunExitRoutine();
    UnhookWindowsHookEx(hook);
    return code;
}
