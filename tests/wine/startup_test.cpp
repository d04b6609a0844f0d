#include <gtest/gtest.h>

#include "harness.h"

// When the main window or one of its controls cannot be created the user
// gets an error box, and the process ends with -1 once it is answered.
TEST(Startup, WindowRefusedShowsAnErrorAndExitsWithMinusOne)
{
    for (const char* refused : {"TarnvikMainWindow", "TarnvikLabel", "SysTabControl32", "Edit"}) {
        SCOPED_TRACE(refused);
        PROCESS_INFORMATION probe;
        ASSERT_TRUE(Launch("\"" + ProgramPath("load_failure_probe.exe") + "\" " + refused, &probe));
        HWND box = WaitForWindow(probe.dwProcessId, "#32770");
        EXPECT_NE((HWND)NULL, box) << "no error box";
        EXPECT_EQ("Tarnvik", TextOf(box));
        EXPECT_EQ(STILL_ACTIVE, WaitForExit(probe.hProcess, 300)) << "the box waits for an answer";
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        EXPECT_EQ((DWORD)-1, WaitForExit(probe.hProcess));
        if (WaitForSingleObject(probe.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(probe.hProcess, 99);
        CloseHandle(probe.hProcess);
        CloseHandle(probe.hThread);
    }
}
