// Drives a running Tarnvik from outside to shout one line into the practice
// chat window: chooses the window by double-clicking its item, sets an
// interval of one second, ticks "自动喊话", waits until the chat shows a new
// line and unticks the box again. It must run in the same (virtual) desktop
// as both. Writes "shouted" or "failed: why" to the file named by --result,
// when given, and exits with 0 or 1.
#include <windows.h>
#include <stdio.h>
#include <string.h>

#include "drive.h"
#include "ui/ids.h"

static const int CHAT_HISTORY_ID = 100;  // the practice chat's list of lines
static const DWORD WAIT_MS = 20000;

static bool WaitForLines(HWND history, LRESULT atLeast)
{
    return WaitUntil([&] { return SendMessageA(history, LB_GETCOUNT, 0, 0) >= atLeast; }, WAIT_MS);
}

// The status label names the chosen window.
static bool WaitForTarget(HWND label, HWND chat)
{
    char expected[300] = "请[双击选择]-";
    size_t prompt = strlen(expected);
    GetWindowTextA(chat, expected + prompt, (int)(sizeof expected - prompt));
    return WaitUntil([&] {
        char text[300] = "";
        DWORD_PTR length = 0;
        SendMessageTimeoutA(label, WM_GETTEXT, sizeof text, (LPARAM)text, SMTO_NORMAL, 5000, &length);
        return strcmp(text, expected) == 0;
    }, WAIT_MS);
}

static const char* Shout()
{
    HWND chat = WaitForWindow(0, "TarnvikPracticeChat", WAIT_MS);
    if (!chat)
        return "no practice chat window";
    HWND main = WaitForWindow(0, "TarnvikMainWindow", WAIT_MS);
    if (!main)
        return "no Tarnvik window";
    HWND list = GetDlgItem(main, 列表框);
    HWND check = GetDlgItem(main, 选择框);
    HWND history = GetDlgItem(chat, CHAT_HISTORY_ID);
    if (!list || !check || !history)
        return "controls not found";

    if (ItemOf(list, chat) < 0 && !PressButton(GetDlgItem(main, 按钮2)))
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
    if (SendMessageA(check, BM_GETCHECK, 0, 0) != BST_CHECKED && !PressButton(check))
        return "the check box did not answer";
    bool shouted = WaitForLines(history, lines + 1);
    PressButton(check);
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
