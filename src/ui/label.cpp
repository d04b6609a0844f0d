// A label: its caption on the button face, one line, left-aligned and
// vertically centred, cut at the right edge.
#include "widgets.h"

// Kept with the window from WM_NCCREATE to WM_NCDESTROY.
struct LabelState {
    COLORREF textColor;
    HFONT font;  // given by WM_SETFONT; not ours to delete
};

enum { LABEL_SET_COLOR = WM_USER + 1 };

static LabelState* StateOf(HWND label)
{
    return (LabelState*)GetWindowLongPtrA(label, GWLP_USERDATA);
}

static LRESULT OnLabelCreate(HWND label)
{
    LabelState* state = (LabelState*)HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(LabelState));
    if (!state)
        return FALSE;
    SetWindowLongPtrA(label, GWLP_USERDATA, (LONG_PTR)state);
    return TRUE;
}

static void OnLabelDestroy(HWND label)
{
    HeapFree(GetProcessHeap(), 0, StateOf(label));
    SetWindowLongPtrA(label, GWLP_USERDATA, 0);
}

static void OnLabelPaint(HWND label)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(label, &ps);
    RECT client;
    GetClientRect(label, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));

    char text[512];
    int length = GetWindowTextA(label, text, sizeof text);
    LabelState* state = StateOf(label);
    HGDIOBJ oldFont = SelectObject(dc, state->font ? (HGDIOBJ)state->font : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, state->textColor);
    DrawTextA(dc, text, length, &client, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    SelectObject(dc, oldFont);
    EndPaint(label, &ps);
}

static LRESULT OnLabelSetText(HWND label, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = DefWindowProcA(label, WM_SETTEXT, wParam, lParam);
    InvalidateRect(label, NULL, FALSE);
    UpdateWindow(label);
    return result;
}

static LRESULT CALLBACK LabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCREATE:
        if (!OnLabelCreate(label))
            return FALSE;
        break;
    case WM_NCDESTROY:
        OnLabelDestroy(label);
        break;
    case WM_PAINT:
        OnLabelPaint(label);
        return 0;
    case WM_ERASEBKGND:
        return 1;  // WM_PAINT fills everything
    case WM_SETTEXT:
        return OnLabelSetText(label, wParam, lParam);
    case WM_SETFONT:
        StateOf(label)->font = (HFONT)wParam;
        if (LOWORD(lParam))
            InvalidateRect(label, NULL, FALSE);
        return 0;
    case WM_GETFONT:
        return (LRESULT)StateOf(label)->font;
    case LABEL_SET_COLOR:
        StateOf(label)->textColor = (COLORREF)wParam;
        InvalidateRect(label, NULL, FALSE);
        return 0;
    }
    return DefWindowProcA(label, message, wParam, lParam);
}

int RegisterLabelClass(HINSTANCE instance)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = LabelProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(NULL, IDC_ARROW);
    wc.lpszClassName = LABEL_CLASS;
    return RegisterClassA(&wc) != 0;
}

void LabelSetTextColor(HWND label, COLORREF color)
{
    SendMessageA(label, LABEL_SET_COLOR, (WPARAM)color, 0);
}
