#include <windows.h>

#include "app.h"
#include "../ui/toolkit.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    int32_t code = ProgramMain();
    RunExitRoutine();  // after the message loop, before the process ends
    return code;
}
