#include "interval_box.h"

#include "form.h"
#include "ids.h"
#include "interval_rules.h"
#include "toolkit.h"
#include "../app/text.h"

static WNDPROC editProc;

// Refused characters are dropped without a sound. WM_IME_CHAR carries a
// whole double-byte character past WM_CHAR.
static LRESULT CALLBACK IntervalBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    if ((message == WM_CHAR || message == WM_IME_CHAR) && !AcceptsIntervalChar((unsigned int)wParam))
        return 0;
    return CallWindowProcA(editProc, box, message, wParam, lParam);
}

void AttachIntervalBox(HWND box)
{
    editProc = (WNDPROC)SetWindowLongPtrA(box, GWLP_WNDPROC, (LONG_PTR)IntervalBoxProc);
}

void OnIntervalBoxLeft()
{
    HWND box = ControlWindow(编辑框);
    char* old = ReadControlText(编辑框);
    char normalized[SHORT_INTEGER_TEXT_SIZE];
    NormalizeShortInteger(old, normalized);
    if (!TextEquals(old, normalized)) {
        DWORD start = 0;
        SendMessageA(box, EM_GETSEL, (WPARAM)&start, 0);
        SetWindowTextA(box, normalized);
        SendMessageA(box, EM_SETSEL, start, start);
        SendMessageA(box, EM_SETSEL, start, start);
        SendMessageA(box, EM_SCROLLCARET, 0, 0);
    }
    TextFree(old);
}
