// The main window: frame, controls from one table, stacking, colours, tab
// page switching and the bindings of control events to handlers.
#include "form.h"

#include <commctrl.h>

#include "ids.h"
#include "interval_box.h"
#include "keyboard.h"
#include "widgets.h"
#include "../app/address.h"
#include "../app/app.h"
#include "../shout/shout.h"
#include "../targets/targets.h"

#define MAIN_WINDOW_CLASS "TarnvikMainWindow"
#define DEFAULT_MESSAGE "全面的网页游戏开服表：" PUBLISHER_ADDRESS

enum {
    WINDOW_WIDTH = 337,   // outer size, frame and caption included
    WINDOW_HEIGHT = 347,
    MESSAGE_BOX_LIMIT = 116,
    INTERVAL_BOX_LIMIT = 2,
    PAGE_COUNT = 5,
    ICON_RESOURCE = 1,
};

static const DWORD MAIN_WINDOW_STYLE = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
static const DWORD CHILD = WS_CHILD | WS_CLIPSIBLINGS;
static const DWORD PUSH_BUTTON = CHILD | WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER;
static const DWORD CHECK_BOX = CHILD | WS_TABSTOP | BS_AUTOCHECKBOX | BS_MULTILINE | BS_LEFT | BS_VCENTER;
static const DWORD LIST_BOX = CHILD | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT;
static const DWORD INTERVAL_BOX = CHILD | WS_TABSTOP | ES_AUTOHSCROLL | ES_CENTER;
static const DWORD MESSAGE_BOX = CHILD | WS_TABSTOP | WS_BORDER | ES_LEFT | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;

static const COLORREF STATUS_COLOR = RGB(255, 0, 0);
static const COLORREF UNIT_COLOR = RGB(0, 0, 0);
static const COLORREF CHECK_BOX_COLOR = RGB(128, 0, 0);
static const COLORREF MESSAGE_BOX_BACK = RGB(224, 224, 224);
static const COLORREF INTERVAL_BOX_BACK = RGB(236, 236, 236);

struct ControlEntry {
    int id;
    const char* className;
    DWORD style;
    DWORD exStyle;
    int left, top, width, height;  // in the parent's client area
    int page;                      // 0: child of the main window; k: tab page k
    int shown;                     // visible when the window is first shown
    const char* text;
};

// In stacking order, topmost first among siblings. The shout timer has no
// window and so no row.
static const ControlEntry CONTROLS[] = {
    {超级链接框1, HYPERLINK_CLASS, CHILD, 0, 214, 2, 102, 22, 0, 1, "Brosk开服表"},
    {按钮2, "BUTTON", PUSH_BUTTON, 0, 280, 130, 40, 24, 0, 1, "刷新"},
    {按钮1, "BUTTON", PUSH_BUTTON, 0, 157, 131, 104, 24, 0, 1, "隐藏游戏喊话"},
    {标签1, LABEL_CLASS, CHILD, 0, 8, 0, 320, 24, 0, 1, "请[双击选择]-接收发言信息的窗口"},
    {列表框, "LISTBOX", LIST_BOX, WS_EX_CLIENTEDGE, 8, 24, 320, 104, 0, 1, ""},
    {选择夹2, WC_TABCONTROLA, WS_CHILD | TCS_BOTTOM, 0, 8, 162, 320, 158, 0, 1, ""},
    {选择框, "BUTTON", CHECK_BOX, 0, 16, 138, 72, 16, 0, 1, "自动喊话"},
    {编辑框, "EDIT", INTERVAL_BOX, WS_EX_CLIENTEDGE, 88, 136, 26, 18, 0, 1, "10"},
    {标签, LABEL_CLASS, CHILD, 0, 118, 138, 14, 14, 0, 1, "秒"},
    {编辑框1, "EDIT", MESSAGE_BOX, 0, 8, 8, 304, 126, 1, 1, DEFAULT_MESSAGE},
    {编辑框2, "EDIT", MESSAGE_BOX, 0, 8, 8, 304, 126, 2, 0, DEFAULT_MESSAGE},
    {编辑框3, "EDIT", MESSAGE_BOX, 0, 8, 8, 304, 126, 3, 0, DEFAULT_MESSAGE},
    {编辑框4, "EDIT", MESSAGE_BOX, 0, 8, 8, 304, 126, 4, 0, DEFAULT_MESSAGE},
    {编辑框5, "EDIT", MESSAGE_BOX, 0, 8, 8, 304, 126, 5, 0, DEFAULT_MESSAGE},
};
enum { CONTROL_COUNT = sizeof CONTROLS / sizeof CONTROLS[0] };

static const char* const TAB_CAPTIONS[PAGE_COUNT] = {"第一句话", "第二句话", "第三句话", "第四句话", "第五句话"};

// The form's windows and the GDI objects it owns until WM_NCDESTROY.
static struct {
    HINSTANCE instance;
    HWND mainWindow;
    HWND controls[LAST_CONTROL_ID - FIRST_CONTROL_ID + 1];  // by id
    WNDPROC tabDefaultProc;  // the tab control's own procedure, under ours
    HBRUSH messageBoxBrush;
    HBRUSH intervalBoxBrush;
    HICON bigIcon;
    HICON smallIcon;
} form;

HWND MainWindow()
{
    return form.mainWindow;
}

HWND ControlWindow(int id)
{
    if (id < FIRST_CONTROL_ID || id > LAST_CONTROL_ID)
        return NULL;
    return form.controls[id - FIRST_CONTROL_ID];
}

// ---- events

static void OnFormCommand(int id, int code)
{
    switch (id) {
    case 按钮1:
        if (code == BN_CLICKED)
            OnToggleButtonClicked();
        break;
    case 按钮2:
        if (code == BN_CLICKED)
            OnRefreshButtonClicked();
        break;
    case 列表框:
        if (code == LBN_DBLCLK)
            OnWindowListDoubleClicked();
        break;
    case 选择框:
        if (code == BN_CLICKED)
            OnAutoShoutClicked();
        break;
    case 编辑框:
        if (code == EN_KILLFOCUS)
            OnIntervalBoxLeft();
        break;
    }
}

static void OnFormTimer(WPARAM timerId)
{
    if (timerId == 时钟发言)
        OnShoutTimer();
}

static void ShowPage(int page)
{
    for (int k = 1; k <= PAGE_COUNT; k++)
        ShowWindow(ControlWindow(编辑框1 + k - 1), k == page ? SW_SHOWNA : SW_HIDE);
    SetFocus(ControlWindow(编辑框1 + page - 1));
}

static LRESULT OnFormNotify(const NMHDR* header)
{
    if (header->idFrom == 选择夹2 && header->code == TCN_SELCHANGE) {
        int selected = (int)SendMessageA(header->hwndFrom, TCM_GETCURSEL, 0, 0);
        if (selected >= 0 && selected < PAGE_COUNT)
            ShowPage(selected + 1);
    }
    return 0;
}

static void OnFormPaint(HWND window)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    FillRect(dc, &ps.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
    EndPaint(window, &ps);
}

static LRESULT ColorControl(HDC dc, COLORREF text, COLORREF back, HBRUSH brush)
{
    SetTextColor(dc, text);
    SetBkColor(dc, back);
    return (LRESULT)brush;
}

static LRESULT OnFormControlColor(UINT message, WPARAM wParam, LPARAM lParam)
{
    HDC dc = (HDC)wParam;
    int id = GetDlgCtrlID((HWND)lParam);
    if (message == WM_CTLCOLOREDIT && IsMessageBoxId(id))
        return ColorControl(dc, RGB(0, 0, 0), MESSAGE_BOX_BACK, form.messageBoxBrush);
    if (message == WM_CTLCOLOREDIT && id == 编辑框)
        return ColorControl(dc, RGB(0, 0, 0), INTERVAL_BOX_BACK, form.intervalBoxBrush);
    if (message == WM_CTLCOLORSTATIC && id == 选择框)
        return ColorControl(dc, CHECK_BOX_COLOR, GetSysColor(COLOR_BTNFACE), GetSysColorBrush(COLOR_BTNFACE));
    if (message == WM_CTLCOLORLISTBOX && id == 列表框)
        return ColorControl(dc, RGB(0, 0, 0), RGB(255, 255, 255), (HBRUSH)GetStockObject(WHITE_BRUSH));
    return DefWindowProcA(form.mainWindow, message, wParam, lParam);
}

static void OnFormActivate(HWND window, WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == WA_INACTIVE)
        RememberFocus();
    DefWindowProcA(window, WM_ACTIVATE, wParam, lParam);  // focuses the window when it is activated
}

// The frame keeps its active look while the window is enabled.
static LRESULT OnFormNcActivate(HWND window, WPARAM wParam, LPARAM lParam)
{
    if (!wParam)
        wParam = IsWindowEnabled(window);
    return DefWindowProcA(window, WM_NCACTIVATE, wParam, lParam);
}

static void OnFormDestroy(HWND window)
{
    DefWindowProcA(window, WM_DESTROY, 0, 0);
    OnMainWindowClosing();
}

static void ReleaseFormObjects()
{
    DeleteObject(form.messageBoxBrush);
    DeleteObject(form.intervalBoxBrush);
    if (form.bigIcon)
        DestroyIcon(form.bigIcon);
    if (form.smallIcon)
        DestroyIcon(form.smallIcon);
    form.messageBoxBrush = form.intervalBoxBrush = NULL;
    form.bigIcon = form.smallIcon = NULL;
}

static void OnFormNcDestroy(HWND window)
{
    DefWindowProcA(window, WM_NCDESTROY, 0, 0);
    form.mainWindow = NULL;
    for (int i = 0; i < CONTROL_COUNT; i++)
        form.controls[CONTROLS[i].id - FIRST_CONTROL_ID] = NULL;
    ReleaseFormObjects();
    PostQuitMessage(0);
}

static LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        OnFormCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_NOTIFY:
        return OnFormNotify((const NMHDR*)lParam);
    case WM_TIMER:
        OnFormTimer(wParam);
        return 0;
    case WM_PAINT:
        OnFormPaint(window);
        return 0;
    case WM_ERASEBKGND:
        return 1;  // WM_PAINT fills the button face
    case WM_ACTIVATE:
        OnFormActivate(window, wParam, lParam);
        return 0;
    case WM_SETFOCUS:
        RestoreFocus();
        return 0;
    case WM_NCACTIVATE:
        return OnFormNcActivate(window, wParam, lParam);
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
        return OnFormControlColor(message, wParam, lParam);
    case WM_DESTROY:
        OnFormDestroy(window);
        return 0;
    case WM_NCDESTROY:
        OnFormNcDestroy(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// The message boxes live on the tab control, which would not pass their
// colour requests on to the main window.
static LRESULT CALLBACK TabProc(HWND tab, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CTLCOLOREDIT && form.mainWindow)
        return SendMessageA(form.mainWindow, message, wParam, lParam);
    return CallWindowProcA(form.tabDefaultProc, tab, message, wParam, lParam);
}

// ---- creating the window

static void InsertTabs(HWND tab)
{
    for (int k = 0; k < PAGE_COUNT; k++) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = (char*)TAB_CAPTIONS[k];
        SendMessageA(tab, TCM_INSERTITEMA, k, (LPARAM)&item);
    }
    SendMessageA(tab, TCM_SETCURSEL, 0, 0);
    form.tabDefaultProc = (WNDPROC)SetWindowLongPtrA(tab, GWLP_WNDPROC, (LONG_PTR)TabProc);
}

// What a control needs beyond its window: colours, limits, items.
static void ConfigureControl(int id, HWND control)
{
    switch (id) {
    case 超级链接框1:
        HyperlinkSetAddress(control, PUBLISHER_ADDRESS);
        break;
    case 标签1:
        LabelSetTextColor(control, STATUS_COLOR);
        break;
    case 标签:
        LabelSetTextColor(control, UNIT_COLOR);
        break;
    case 列表框: {
        LRESULT height = SendMessageA(control, LB_GETITEMHEIGHT, 0, 0);
        if (height > 0)
            SendMessageA(control, LB_SETITEMHEIGHT, 0, MAKELPARAM(height + 1, 0));
        break;
    }
    case 选择夹2:
        InsertTabs(control);
        break;
    case 编辑框:
        SendMessageA(control, EM_LIMITTEXT, INTERVAL_BOX_LIMIT, 0);
        AttachIntervalBox(control);
        break;
    default:
        if (IsMessageBoxId(id)) {
            SendMessageA(control, EM_LIMITTEXT, MESSAGE_BOX_LIMIT, 0);
            SendMessageA(control, EM_SETSEL, 0, 0);
        }
        break;
    }
}

static HWND CreateControl(const ControlEntry* entry)
{
    HWND control = CreateWindowExA(entry->exStyle, entry->className, entry->text, entry->style, entry->left, entry->top,
                                   entry->width, entry->height, form.mainWindow, (HMENU)(INT_PTR)entry->id,
                                   form.instance, NULL);
    if (!control)
        return NULL;
    SendMessageA(control, WM_SETFONT, (WPARAM)GetStockObject(DEFAULT_GUI_FONT), FALSE);
    ConfigureControl(entry->id, control);
    return control;
}

static int CreateControls()
{
    for (int i = 0; i < CONTROL_COUNT; i++) {
        HWND control = CreateControl(&CONTROLS[i]);
        if (!control)
            return 0;
        form.controls[CONTROLS[i].id - FIRST_CONTROL_ID] = control;
    }
    HWND tab = ControlWindow(选择夹2);
    for (int i = 0; i < CONTROL_COUNT; i++)
        if (CONTROLS[i].page)
            SetParent(ControlWindow(CONTROLS[i].id), tab);
    return 1;
}

// Each parent's children in table order, the first at the top.
static void StackControls()
{
    const UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    HWND above[2] = {HWND_TOP, HWND_TOP};  // last placed: main window's, tab's
    for (int i = 0; i < CONTROL_COUNT; i++) {
        HWND control = ControlWindow(CONTROLS[i].id);
        int onTab = CONTROLS[i].page != 0;
        SetWindowPos(control, above[onTab], 0, 0, 0, 0, flags);
        above[onTab] = control;
    }
}

static void ShowControls()
{
    for (int i = 0; i < CONTROL_COUNT; i++)
        if (CONTROLS[i].shown)
            ShowWindow(ControlWindow(CONTROLS[i].id), SW_SHOWNA);
}

static void SetWindowIcons(HWND window)
{
    form.bigIcon = (HICON)LoadImageA(form.instance, MAKEINTRESOURCEA(ICON_RESOURCE), IMAGE_ICON,
                                     GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0);
    form.smallIcon = (HICON)LoadImageA(form.instance, MAKEINTRESOURCEA(ICON_RESOURCE), IMAGE_ICON,
                                       GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0);
    SendMessageA(window, WM_SETICON, ICON_BIG, (LPARAM)form.bigIcon);
    SendMessageA(window, WM_SETICON, ICON_SMALL, (LPARAM)form.smallIcon);
}

static HWND CreateMainWindow()
{
    int left = (GetSystemMetrics(SM_CXSCREEN) - WINDOW_WIDTH) / 2;
    int top = (GetSystemMetrics(SM_CYSCREEN) - WINDOW_HEIGHT) / 2;
    HWND window = CreateWindowExA(0, MAIN_WINDOW_CLASS, "Tarnvik " PUBLISHER_ADDRESS, MAIN_WINDOW_STYLE, left, top,
                                  WINDOW_WIDTH, WINDOW_HEIGHT, NULL, NULL, form.instance, NULL);
    if (!window)
        return NULL;
    RECT outer;
    GetWindowRect(window, &outer);
    if (outer.right - outer.left != WINDOW_WIDTH || outer.bottom - outer.top != WINDOW_HEIGHT)
        MoveWindow(window, outer.left, outer.top, WINDOW_WIDTH, WINDOW_HEIGHT, FALSE);
    return window;
}

// The half-made window is left to the end of the process: destroying it
// would post the quit message, which would close the box at once.
static void FailToLoad()
{
    MessageBoxA(NULL, "无法创建主窗口。", "Tarnvik", MB_OK | MB_ICONERROR);
    ExitProcess((UINT)-1);
}

void LoadWindow()
{
    form.mainWindow = CreateMainWindow();
    if (!form.mainWindow)
        FailToLoad();
    SetWindowIcons(form.mainWindow);
    SendMessageA(form.mainWindow, WM_SETFONT, (WPARAM)GetStockObject(DEFAULT_GUI_FONT), FALSE);
    SetWindowPos(form.mainWindow, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);

    form.messageBoxBrush = CreateSolidBrush(MESSAGE_BOX_BACK);
    form.intervalBoxBrush = CreateSolidBrush(INTERVAL_BOX_BACK);
    if (!CreateControls())
        FailToLoad();
    StackControls();
    ShowControls();

    OnMainWindowCreated();
    if (form.mainWindow && IsWindow(form.mainWindow))
        ShowWindow(form.mainWindow, SW_SHOW);
}

int RegisterMainWindowClass(HINSTANCE instance)
{
    form.instance = instance;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(NULL, IDC_ARROW);
    wc.lpszClassName = MAIN_WINDOW_CLASS;
    return RegisterClassA(&wc) != 0;
}
