#include "app.h"
#include "state.h"
#include "../targets/targets.h"
#include "../ui/toolkit.h"

int32_t ProgramMain()
{
    StartToolkit();
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
