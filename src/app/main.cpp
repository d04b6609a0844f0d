#include "app.h"
#include "state.h"
#include "../targets/targets.h"
#include "../ui/toolkit.h"
#include "../ui/visual_style.h"

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
    ApplyVisualStyle(3);
    OnRefreshButtonClicked();
}

void OnMainWindowClosing()
{
    RestoreTargetWindow();
}
