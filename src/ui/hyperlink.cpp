// The hyperlink: its caption centred on the button face in the link colours,
// with a pointing-hand cursor.
#include "widgets.h"

#include "../app/text.h"

// Kept with the window from WM_NCCREATE to WM_NCDESTROY.
struct HyperlinkState {
    char* address;  // the page a click opens
    int hovered;    // the pointer is over the link
    int visited;    // the last click opened the page
};

static const COLORREF NORMAL_COLOR = RGB(0, 0, 255);
static const COLORREF HOVERED_COLOR = RGB(51, 153, 255);
static const COLORREF VISITED_COLOR = RGB(128, 0, 0);

enum { HYPERLINK_SET_ADDRESS = WM_USER + 1 };

static HyperlinkState* StateOf(HWND link)
{
    return (HyperlinkState*)GetWindowLongPtrA(link, GWLP_USERDATA);
}

static LRESULT OnLinkCreate(HWND link)
{
    HyperlinkState* state = (HyperlinkState*)HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(HyperlinkState));
    if (!state)
        return FALSE;
    SetWindowLongPtrA(link, GWLP_USERDATA, (LONG_PTR)state);
    return TRUE;
}

static void OnLinkDestroy(HWND link)
{
    HyperlinkState* state = StateOf(link);
    if (state) {
        TextFree(state->address);
        HeapFree(GetProcessHeap(), 0, state);
    }
    SetWindowLongPtrA(link, GWLP_USERDATA, 0);
}

static COLORREF LinkColor(const HyperlinkState* state)
{
    if (state->hovered)
        return HOVERED_COLOR;
    return state->visited ? VISITED_COLOR : NORMAL_COLOR;
}

static void OnLinkPaint(HWND link)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(link, &ps);
    RECT client;
    GetClientRect(link, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));

    HyperlinkState* state = StateOf(link);
    char caption[512];
    int length = GetWindowTextA(link, caption, sizeof caption);
    const char* text = caption;
    if (length == 0 && state->address) {
        text = state->address;
        length = lstrlenA(text);
    }
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, LinkColor(state));
    DrawTextA(dc, text, length, &client, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    EndPaint(link, &ps);
}

static void OnLinkSetAddress(HWND link, const char* address)
{
    HyperlinkState* state = StateOf(link);
    char* copy = TextDuplicate(address);
    TextFree(state->address);
    state->address = copy;
    InvalidateRect(link, NULL, FALSE);
}

static LRESULT CALLBACK HyperlinkProc(HWND link, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCREATE:
        if (!OnLinkCreate(link))
            return FALSE;
        break;
    case WM_NCDESTROY:
        OnLinkDestroy(link);
        break;
    case WM_PAINT:
        OnLinkPaint(link);
        return 0;
    case WM_ERASEBKGND:
        return 1;  // WM_PAINT fills everything
    case WM_SETTEXT: {
        LRESULT result = DefWindowProcA(link, message, wParam, lParam);
        InvalidateRect(link, NULL, FALSE);
        return result;
    }
    case HYPERLINK_SET_ADDRESS:
        OnLinkSetAddress(link, (const char*)lParam);
        return 0;
    }
    return DefWindowProcA(link, message, wParam, lParam);
}

int RegisterHyperlinkClass(HINSTANCE instance)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = HyperlinkProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(NULL, IDC_HAND);
    wc.lpszClassName = HYPERLINK_CLASS;
    return RegisterClassA(&wc) != 0;
}

void HyperlinkSetAddress(HWND link, const char* address)
{
    SendMessageA(link, HYPERLINK_SET_ADDRESS, 0, (LPARAM)address);
}
