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
    return (LabelState*)WindowState(label);
}

static void OnLabelPaint(HWND label)
{
    LabelState* state = StateOf(label);
    PaintCaption(label, state->font, state->textColor, NULL, DT_VCENTER | DT_LEFT);
}

static void OnLabelSetFont(HWND label, HFONT font, int redraw)
{
    StateOf(label)->font = font;
    if (redraw)
        InvalidateRect(label, NULL, FALSE);
}

static void OnLabelSetColor(HWND label, COLORREF color)
{
    StateOf(label)->textColor = color;
    InvalidateRect(label, NULL, FALSE);
}

static LRESULT CALLBACK LabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCREATE:
        if (!AttachWindowState(label, sizeof(LabelState)))
            return FALSE;
        break;
    case WM_NCDESTROY:
        DetachWindowState(label);
        break;
    case WM_PAINT:
        OnLabelPaint(label);
        return 0;
    case WM_ERASEBKGND:
        return 1;  // WM_PAINT fills everything
    case WM_SETTEXT:
        return SetCaptionAndRedraw(label, wParam, lParam);
    case WM_SETFONT:
        OnLabelSetFont(label, (HFONT)wParam, LOWORD(lParam));
        return 0;
    case WM_GETFONT:
        return (LRESULT)StateOf(label)->font;
    case LABEL_SET_COLOR:
        OnLabelSetColor(label, (COLORREF)wParam);
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
