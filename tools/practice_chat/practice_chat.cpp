// Practice chat window: a stand-in for a game's chat box. It takes the
// WM_CHAR / VK_RETURN messages posted to it, shows the lines it received
// and can log every such message for the end-to-end tests.
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static const char CLASS_NAME[] = "TarnvikPracticeChat";
static const int MAX_HISTORY = 500;
static const int MAX_LINE = 4096;
static const int TYPING_HEIGHT = 22;
static const int ID_HISTORY = 100;
static const int ID_TYPING = 101;

static HWND g_main;
static HWND g_history;
static HWND g_typing;
static FILE *g_log;
static char g_line[MAX_LINE];
static int g_line_len;

// Control bytes would draw as boxes; the stored line keeps them intact.
static void make_printable(char *out, const char *in, int len)
{
    for (int i = 0; i < len; i++) {
        unsigned char c = (unsigned char)in[i];
        out[i] = c < 32 ? ' ' : (char)c;
    }
    out[len] = '\0';
}

static void show_typing(void)
{
    static char shown[MAX_LINE + 1];
    make_printable(shown, g_line, g_line_len);
    SetWindowTextA(g_typing, shown);
}

static HWND make_child(HWND parent, const char *cls, DWORD style, int id)
{
    HWND h = CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE | style,
                             0, 0, 0, 0, parent, (HMENU)(INT_PTR)id,
                             GetModuleHandleA(NULL), NULL);
    // Stock font: owned by the system, never deleted.
    if (h)
        SendMessageA(h, WM_SETFONT, (WPARAM)GetStockObject(DEFAULT_GUI_FONT), FALSE);
    return h;
}

static LRESULT on_create(HWND hwnd)
{
    g_history = make_child(hwnd, "LISTBOX",
                           WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOSEL,
                           ID_HISTORY);
    g_typing = make_child(hwnd, "STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_SUNKEN,
                          ID_TYPING);
    return (g_history && g_typing) ? 0 : -1;
}

static void on_size(int width, int height)
{
    int list_h = height - TYPING_HEIGHT;
    if (list_h < 0)
        list_h = 0;
    MoveWindow(g_history, 0, 0, width, list_h, TRUE);
    MoveWindow(g_typing, 0, list_h, width, height - list_h, TRUE);
}

static void on_char(WPARAM wp)
{
    // Bytes past the buffer are still logged, just not shown.
    if (g_line_len < MAX_LINE)
        g_line[g_line_len++] = (char)(wp & 0xFF);
    show_typing();
}

static void finish_line(void)
{
    static char shown[MAX_LINE + 1];
    make_printable(shown, g_line, g_line_len);
    SendMessageA(g_history, LB_ADDSTRING, 0, (LPARAM)shown);
    while (SendMessageA(g_history, LB_GETCOUNT, 0, 0) > MAX_HISTORY)
        SendMessageA(g_history, LB_DELETESTRING, 0, 0);
    LRESULT count = SendMessageA(g_history, LB_GETCOUNT, 0, 0);
    SendMessageA(g_history, LB_SETTOPINDEX, (WPARAM)(count - 1), 0);
    g_line_len = 0;
    show_typing();
}

static LRESULT CALLBACK wnd_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_CREATE:
        return on_create(hwnd);
    case WM_SIZE:
        on_size(LOWORD(lp), HIWORD(lp));
        return 0;
    case WM_CHAR:
        on_char(wp);
        return 0;
    case WM_KEYDOWN:
        if (wp == VK_RETURN) {
            finish_line();
            return 0;
        }
        break;
    case WM_APP:
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

static void log_message(const MSG *m)
{
    if (!g_log || m->hwnd != g_main)
        return;
    if (m->message != WM_CHAR && m->message != WM_KEYDOWN && m->message != WM_KEYUP &&
        m->message != WM_APP)
        return;
    fprintf(g_log, "%04X %08X %08X\n", (unsigned)m->message, (unsigned)m->wParam,
            (unsigned)m->lParam);
    // Tests read the log while we run.
    fflush(g_log);
}

// Returns 0 on success, else the exit code for a bad command line.
static int parse_args(const char **title, const char **log_path)
{
    for (int i = 1; i < __argc; i++) {
        const char *a = __argv[i];
        if (i + 1 >= __argc)
            return 1;
        if (strcmp(a, "--title") == 0)
            *title = __argv[++i];
        else if (strcmp(a, "--log") == 0)
            *log_path = __argv[++i];
        else
            return 1;
    }
    return 0;
}

static HWND create_main(HINSTANCE inst, const char *title)
{
    WNDCLASSA wc;
    memset(&wc, 0, sizeof wc);
    wc.lpfnWndProc = wnd_proc;
    wc.hInstance = inst;
    wc.hIcon = LoadIconA(NULL, (LPCSTR)IDI_APPLICATION);
    wc.hCursor = LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    wc.lpszClassName = CLASS_NAME;
    if (!RegisterClassA(&wc))
        return NULL;
    // Bottom-left, clear of a dialog centred on a 1024x768 screen.
    return CreateWindowExA(0, CLASS_NAME, title, WS_OVERLAPPEDWINDOW,
                           20, 400, 360, 240, NULL, NULL, inst, NULL);
}

int WINAPI WinMain(HINSTANCE inst, HINSTANCE, LPSTR, int)
{
    const char *title = "练习聊天窗";
    const char *log_path = NULL;
    int rc = parse_args(&title, &log_path);
    if (rc)
        return rc;
    if (log_path) {
        g_log = fopen(log_path, "ab");
        if (!g_log)
            return 2;
    }
    g_main = create_main(inst, title);
    if (!g_main) {
        if (g_log)
            fclose(g_log);
        return 3;
    }
    ShowWindow(g_main, SW_SHOW);
    UpdateWindow(g_main);

    // No TranslateMessage: a posted VK_RETURN must not turn into an extra WM_CHAR.
    MSG m;
    int exit_code = 0;
    for (;;) {
        BOOL got = GetMessageA(&m, NULL, 0, 0);
        if (got == 0) {
            exit_code = (int)m.wParam;
            break;
        }
        if (got == -1) {
            exit_code = 3;
            break;
        }
        log_message(&m);
        DispatchMessageA(&m);
    }
    if (g_log)
        fclose(g_log);
    return exit_code;
}
