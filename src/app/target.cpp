#include "app.h"
#include "state.h"
#include "../platform/wm.h"

int32_t WindowExists(int32_t handle)
{
    return WmIsWindow(handle) ? 1 : 0;
}

void SetWindowShowState(int32_t handle, int command)
{
    WmShowWindow(handle, command);
}

void RestoreTargetWindow()
{
    if (WindowExists(targetWindow) == 1)
        SetWindowShowState(targetWindow, WM_SHOW_NOACTIVATE);
}
