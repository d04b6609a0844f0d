// Drives a running Tarnvik from outside to shout one line into the practice
// chat window: chooses the window by double-clicking its item, sets an
// interval of one second, ticks "自动喊话", waits until the chat shows a new
// line and unticks the box again. It must run in the same (virtual) desktop
// as both. Writes "shouted" or "failed: why" to the file named by --result,
// when given, and exits with 0 or 1.
#include <windows.h>
#include <stdio.h>
#include <string.h>

#include "ui/ids.h"

static const int CHAT_HISTORY_ID = 100;  // the practice chat's list of lines
static const DWORD WAIT_MS = 20000;

struct Search {
    const char* className;
    HWND found;
};

static BOOL CALLBACK FindVisible(HWND window, LPARAM value)
{
    Search* search = (Search*)value;
    char name[64];
    if (IsWindowVisible(window) && GetClassNameA(window, name, sizeof name) && strcmp(name, search->className) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

static HWND WaitForWindow(const char* className)
{
    DWORD start = GetTickCount();
    do {
        Search search = {className, NULL};
        EnumWindows(FindVisible, (LPARAM)&search);
        if (search.found)
            return search.found;
        Sleep(100);
    } while (GetTickCount() - start < WAIT_MS);
    return NULL;
}

// A click that returns once Tarnvik has handled it.
static bool Press(HWND button)
{
    DWORD_PTR result;
    return SendMessageTimeoutA(button, BM_CLICK, 0, 0, SMTO_NORMAL, 5000, &result) != 0;
}

static int ItemOf(HWND list, HWND window)
{
    int count = (int)SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; i++)
        if ((HWND)SendMessageA(list, LB_GETITEMDATA, i, 0) == window)
            return i;
    return -1;
}

static void DoubleClickItem(HWND list, int position)
{
    SendMessageA(list, LB_SETTOPINDEX, position, 0);
    int height = (int)SendMessageA(list, LB_GETITEMHEIGHT, 0, 0);
    int top = (int)SendMessageA(list, LB_GETTOPINDEX, 0, 0);
    LPARAM at = MAKELPARAM(20, (position - top) * height + height / 2);
    PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(list, WM_LBUTTONUP, 0, at);
    PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageA(list, WM_LBUTTONUP, 0, at);
}

static bool WaitForLines(HWND history, LRESULT atLeast)
{
    DWORD start = GetTickCount();
    while (SendMessageA(history, LB_GETCOUNT, 0, 0) < atLeast) {
        if (GetTickCount() - start > WAIT_MS)
            return false;
        Sleep(50);
    }
    return true;
}

// The status label names the chosen window.
static bool WaitForTarget(HWND label, HWND chat)
{
    char expected[300] = "请[双击选择]-";
    size_t prompt = strlen(expected);
    GetWindowTextA(chat, expected + prompt, (int)(sizeof expected - prompt));
    DWORD start = GetTickCount();
    for (;;) {
        char text[300] = "";
        DWORD_PTR length = 0;
        SendMessageTimeoutA(label, WM_GETTEXT, sizeof text, (LPARAM)text, SMTO_NORMAL, 5000, &length);
        if (strcmp(text, expected) == 0)
            return true;
        if (GetTickCount() - start > WAIT_MS)
            return false;
        Sleep(50);
    }
}

static const char* Shout()
{
    HWND chat = WaitForWindow("TarnvikPracticeChat");
    if (!chat)
        return "no practice chat window";
    HWND main = WaitForWindow("TarnvikMainWindow");
    if (!main)
        return "no Tarnvik window";
    HWND list = GetDlgItem(main, 列表框);
    HWND check = GetDlgItem(main, 选择框);
    HWND history = GetDlgItem(chat, CHAT_HISTORY_ID);
    if (!list || !check || !history)
        return "controls not found";

    if (ItemOf(list, chat) < 0 && !Press(GetDlgItem(main, 按钮2)))
        return "refresh did not answer";
    int position = ItemOf(list, chat);
    if (position < 0)
        return "the practice chat window is not listed";
    DoubleClickItem(list, position);
    if (!WaitForTarget(GetDlgItem(main, 标签1), chat))
        return "the double-click did not choose the practice chat window";

    // An integer: the interval box keeps it when it loses the focus.
    SendMessageA(GetDlgItem(main, 编辑框), WM_SETTEXT, 0, (LPARAM)"1");
    LRESULT lines = SendMessageA(history, LB_GETCOUNT, 0, 0);
    if (SendMessageA(check, BM_GETCHECK, 0, 0) != BST_CHECKED && !Press(check))
        return "the check box did not answer";
    bool shouted = WaitForLines(history, lines + 1);
    Press(check);
    return shouted ? NULL : "no line arrived";
}

int main(int argc, char** argv)
{
    const char* resultPath = argc == 3 && strcmp(argv[1], "--result") == 0 ? argv[2] : NULL;
    const char* failure = Shout();
    char outcome[128];
    snprintf(outcome, sizeof outcome, failure ? "failed: %s" : "shouted", failure ? failure : "");
    fprintf(stderr, "shout_demo: %s\n", outcome);
    if (resultPath) {
        FILE* result = fopen(resultPath, "w");
        if (result) {
            fprintf(result, "%s\n", outcome);
            fclose(result);
        }
    }
    return failure ? 1 : 0;
}
