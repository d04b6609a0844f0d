#include "keyboard.h"

#include <commctrl.h>

#include "form.h"
#include "ids.h"

enum { ORDER_COUNT = 6, SELECTED_MESSAGE_BOX = 0 };

// Tab order; the message box stands for the one of the selected page.
static const int FOCUS_ORDER[ORDER_COUNT] = {编辑框, 选择框, SELECTED_MESSAGE_BOX, 列表框, 按钮1, 按钮2};

static HWND rememberedFocus;

static HWND OrderWindow(int position)
{
    int id = FOCUS_ORDER[position];
    if (id == SELECTED_MESSAGE_BOX) {
        LRESULT page = SendMessageA(ControlWindow(选择夹2), TCM_GETCURSEL, 0, 0);
        if (page < 0 || page > 编辑框5 - 编辑框1)
            return NULL;
        id = 编辑框1 + (int)page;
    }
    return ControlWindow(id);
}

static int CanTakeFocus(HWND control)
{
    return control && IsWindowVisible(control) && IsWindowEnabled(control);
}

static int OrderPosition(HWND control)
{
    for (int position = 0; position < ORDER_COUNT; position++)
        if (control && OrderWindow(position) == control)
            return position;
    return -1;
}

// step 1: the next control that can take the focus, -1: the previous one,
// wrapping. From outside the order Tab starts at the first, Shift+Tab at the last.
static void MoveFocus(int step)
{
    int from = OrderPosition(GetFocus());
    if (from < 0)
        from = step > 0 ? ORDER_COUNT - 1 : 0;
    for (int i = 1; i <= ORDER_COUNT; i++) {
        HWND next = OrderWindow((from + step * i + ORDER_COUNT * ORDER_COUNT) % ORDER_COUNT);
        if (CanTakeFocus(next)) {
            SetFocus(next);
            return;
        }
    }
}

static int IsMessageBoxWindow(HWND window)
{
    int id = GetDlgCtrlID(window);
    return IsMessageBoxId(id) && ControlWindow(id) == window;
}

int HandleNavigationKey(const MSG* message)
{
    HWND main = MainWindow();
    if (!main || (message->hwnd != main && !IsChild(main, message->hwnd)))
        return 0;
    // Ctrl+I would still type one.
    if (message->message == WM_CHAR && message->wParam == '\t')
        return 1;
    if (message->message != WM_KEYDOWN)
        return 0;
    switch (message->wParam) {
    case VK_TAB:
        MoveFocus(GetKeyState(VK_SHIFT) < 0 ? -1 : 1);
        return 1;
    case VK_ESCAPE:
    case VK_F1:
        return 1;
    case VK_RETURN:
        return !IsMessageBoxWindow(message->hwnd);
    }
    return 0;
}

void RememberFocus()
{
    HWND focus = GetFocus();
    rememberedFocus = focus && IsChild(MainWindow(), focus) ? focus : NULL;
}

void RestoreFocus()
{
    HWND control = rememberedFocus;
    if (!IsWindow(control) || !IsChild(MainWindow(), control) || !CanTakeFocus(control))
        control = NULL;
    for (int position = 0; !control && position < ORDER_COUNT; position++)
        if (CanTakeFocus(OrderWindow(position)))
            control = OrderWindow(position);
    if (control)
        SetFocus(control);
}
