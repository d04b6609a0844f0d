#include "widgets.h"

void* AttachWindowState(HWND window, size_t size)
{
    void* state = HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, size);
    if (state)
        SetWindowLongPtrA(window, GWLP_USERDATA, (LONG_PTR)state);
    return state;
}

void* WindowState(HWND window)
{
    return (void*)GetWindowLongPtrA(window, GWLP_USERDATA);
}

void DetachWindowState(HWND window)
{
    void* state = WindowState(window);
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    if (state)
        HeapFree(GetProcessHeap(), 0, state);
}

void PaintCaption(HWND window, HFONT font, COLORREF color, const char* fallback, UINT format)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));

    char caption[512];
    int length = GetWindowTextA(window, caption, sizeof caption);
    const char* text = caption;
    if (length == 0 && fallback) {
        text = fallback;
        length = lstrlenA(fallback);
    }
    HGDIOBJ oldFont = SelectObject(dc, font ? (HGDIOBJ)font : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, color);
    DrawTextA(dc, text, length, &client, format | DT_SINGLELINE);
    SelectObject(dc, oldFont);
    EndPaint(window, &ps);
}

LRESULT SetCaptionAndRedraw(HWND window, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = DefWindowProcA(window, WM_SETTEXT, wParam, lParam);
    InvalidateRect(window, NULL, FALSE);
    UpdateWindow(window);
    return result;
}
