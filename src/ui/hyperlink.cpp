// The hyperlink: its caption centred on the button face in the link colours,
// with a pointing-hand cursor; hovered while the pointer is over it, and a
// click opens its page in the browser.
#include "widgets.h"

#include <shellapi.h>
#include <stdlib.h>
#include <windowsx.h>

#include "browser_command.h"
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
    return (HyperlinkState*)WindowState(link);
}

static void OnLinkDestroy(HWND link)
{
    HyperlinkState* state = StateOf(link);
    if (state)
        TextFree(state->address);
    DetachWindowState(link);
}

static COLORREF LinkColor(const HyperlinkState* state)
{
    if (state->hovered)
        return HOVERED_COLOR;
    return state->visited ? VISITED_COLOR : NORMAL_COLOR;
}

static void OnLinkPaint(HWND link)
{
    HyperlinkState* state = StateOf(link);
    PaintCaption(link, NULL, LinkColor(state), state->address, DT_CENTER | DT_VCENTER | DT_NOPREFIX);
}

static void Redraw(HWND link)
{
    InvalidateRect(link, NULL, FALSE);
}

static void OnLinkSetAddress(HWND link, const char* address)
{
    HyperlinkState* state = StateOf(link);
    char* copy = TextDuplicate(address);
    TextFree(state->address);
    state->address = copy;
    Redraw(link);
}

static void EndHover(HWND link, HyperlinkState* state)
{
    state->hovered = 0;
    if (GetCapture() == link)
        ReleaseCapture();
    Redraw(link);
}

static int IsOnLink(HWND link, int x, int y)
{
    RECT client;
    GetClientRect(link, &client);
    POINT point = {x, y};
    return PtInRect(&client, point);
}

// The capture brings the move that leaves the link.
static void OnLinkMouseMove(HWND link, int x, int y)
{
    HyperlinkState* state = StateOf(link);
    if (!state->hovered) {
        state->hovered = 1;
        Redraw(link);
        SetCapture(link);
    } else if (!IsOnLink(link, x, y)) {
        EndHover(link, state);
    } else if (GetCapture() != link) {
        SetCapture(link);
    }
}

// The key's default value as a new text, with environment variables
// expanded in a REG_EXPAND_SZ; NULL when there is none.
static char* ReadDefaultValue(HKEY root, const char* keyName)
{
    HKEY key;
    if (RegOpenKeyExA(root, keyName, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return NULL;
    DWORD type = 0, size = 0;
    char* value = NULL;
    if (RegQueryValueExA(key, NULL, NULL, &type, NULL, &size) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ)) {
        value = (char*)calloc(size + 1, 1);  // the stored value may lack its NUL
        if (value && RegQueryValueExA(key, NULL, NULL, NULL, (BYTE*)value, &size) != ERROR_SUCCESS) {
            TextFree(value);
            value = NULL;
        }
    }
    RegCloseKey(key);
    if (value && type == REG_EXPAND_SZ) {
        DWORD needed = ExpandEnvironmentStringsA(value, NULL, 0);
        char* expanded = needed ? (char*)malloc(needed) : NULL;
        if (expanded && ExpandEnvironmentStringsA(value, expanded, needed) - 1 < needed) {
            TextFree(value);
            value = expanded;
        } else {
            TextFree(expanded);
        }
    }
    return value;
}

static int OpenWithShell(const char* address)
{
    return (INT_PTR)ShellExecuteA(NULL, "open", address, NULL, NULL, SW_SHOW) > 32;
}

// The program registered for opening ".htm" files, started directly with
// the address; 0 when a key is missing or the program does not start.
static int OpenWithHtmlProgram(const char* address)
{
    char* fileType = ReadDefaultValue(HKEY_CLASSES_ROOT, ".htm");
    char* keyName = TextIsEmpty(fileType) ? NULL : TextConcat(fileType, "\\shell\\open\\command");
    char* command = keyName ? ReadDefaultValue(HKEY_CLASSES_ROOT, keyName) : NULL;
    char* line = command ? BuildBrowserCommandLine(command, address) : NULL;
    int opened = line && WinExec(line, SW_SHOW) > 32;
    TextFree(line);
    TextFree(command);
    TextFree(keyName);
    TextFree(fileType);
    return opened;
}

static void OnLinkPressed(HWND link, int x, int y)
{
    HyperlinkState* state = StateOf(link);
    if (!IsOnLink(link, x, y)) {  // under the capture the press may lie elsewhere
        EndHover(link, state);
        return;
    }
    const char* address = state->address ? state->address : "";
    state->visited = OpenWithShell(address) || OpenWithHtmlProgram(address);
    Redraw(link);
}

static LRESULT CALLBACK HyperlinkProc(HWND link, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCREATE:
        if (!AttachWindowState(link, sizeof(HyperlinkState)))
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
    case WM_SETTEXT:
        return SetCaptionAndRedraw(link, wParam, lParam);
    case WM_MOUSEMOVE:
        OnLinkMouseMove(link, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_LBUTTONDOWN:
        OnLinkPressed(link, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
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
