#include "toolkit.h"

#include <stdlib.h>
#include <windows.h>
#include <commctrl.h>

#include "form.h"
#include "ids.h"
#include "keyboard.h"
#include "widgets.h"
#include "../app/text.h"
#include "../shout/shout.h"

static void (*exitRoutine)();
static int32_t shoutTimerPeriod;  // milliseconds; 0 while stopped

char* ReadControlText(int id)
{
    HWND control = ControlWindow(id);
    int length = control ? GetWindowTextLengthA(control) : 0;
    if (length <= 0)
        return NULL;
    char* text = (char*)malloc((size_t)length + 1);
    if (!text)
        return NULL;
    if (GetWindowTextA(control, text, length + 1) <= 0) {
        free(text);
        return NULL;
    }
    return text;
}

void SetControlCaption(int id, const char* text)
{
    SetWindowTextA(ControlWindow(id), text ? text : "");
}

int ReadCheckState(int id)
{
    return SendMessageA(ControlWindow(id), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

int32_t ReadTimerPeriod()
{
    return shoutTimerPeriod;
}

void WriteTimerPeriod(int32_t period)
{
    int change = ApplyTimerPeriodWrite(&shoutTimerPeriod, period);
    if (change == TIMER_UNCHANGED)
        return;
    KillTimer(MainWindow(), 时钟发言);
    if (change == TIMER_STARTED)
        SetTimer(MainWindow(), 时钟发言, (UINT)shoutTimerPeriod, NULL);
}

void ListBoxClear(int id)
{
    SendMessageA(ControlWindow(id), LB_RESETCONTENT, 0, 0);
}

void ListBoxAppend(int id, const char* text, int32_t value)
{
    HWND list = ControlWindow(id);
    LRESULT position = SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)(text ? text : ""));
    if (position >= 0)
        SendMessageA(list, LB_SETITEMDATA, (WPARAM)position, (LPARAM)value);
}

int ListBoxSelection(int id)
{
    LRESULT selection = SendMessageA(ControlWindow(id), LB_GETCURSEL, 0, 0);
    return selection < 0 ? -1 : (int)selection;
}

static int InList(HWND list, int position)
{
    return position >= 0 && position < (int)SendMessageA(list, LB_GETCOUNT, 0, 0);
}

int32_t ListBoxItemValue(int id, int position)
{
    HWND list = ControlWindow(id);
    if (!InList(list, position))
        return -1;
    return (int32_t)SendMessageA(list, LB_GETITEMDATA, (WPARAM)position, 0);
}

char* ListBoxItemText(int id, int position)
{
    HWND list = ControlWindow(id);
    LRESULT length = InList(list, position) ? SendMessageA(list, LB_GETTEXTLEN, (WPARAM)position, 0) : 0;
    if (length <= 0)
        return TextDuplicate("");
    char* text = (char*)malloc((size_t)length + 1);
    if (!text)
        return NULL;
    if (SendMessageA(list, LB_GETTEXT, (WPARAM)position, (LPARAM)text) < 0)
        text[0] = 0;
    return text;
}

void RegisterExitRoutine(void (*routine)())
{
    exitRoutine = routine;
}

void RunExitRoutine()
{
    void (*routine)() = exitRoutine;
    exitRoutine = NULL;
    if (routine)
        routine();
}

void StartToolkit()
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    HINSTANCE instance = GetModuleHandleA(NULL);
    RegisterMainWindowClass(instance);
    RegisterLabelClass(instance);
    RegisterHyperlinkClass(instance);
}

int RunMessageLoop()
{
    MSG message;
    int code = 0;
    for (;;) {
        BOOL got = GetMessageA(&message, NULL, 0, 0);
        if (got == -1)
            break;
        if (!got) {
            code = (int)message.wParam;
            break;
        }
        if (HandleNavigationKey(&message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return code;
}
