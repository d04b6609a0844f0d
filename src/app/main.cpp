#include <windows.h>

#include "app.h"
#include "state.h"
#include "../targets/targets.h"
#include "../ui/toolkit.h"

int32_t ProgramMain()
{
    if (!StartToolkit())
        return -1;
    InitSharedState();
    RegisterExitRoutine(ReleaseSharedState);
    LoadWindow();
    RunMessageLoop();
    return 0;
}

void OnMainWindowCreated()
{
    OnRefreshButtonClicked();
}

void OnMainWindowClosing()
{
    RestoreTargetWindow();
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    int32_t code = ProgramMain();
    RunExitRoutine();
    return code;
}
