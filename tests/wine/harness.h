// Drives the real tarnvik.exe from outside: starts it, finds its windows,
// reads their state across the process boundary, and makes fixture windows
// and a recording practice chat window for it to act on.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "drive.h"  // Pump, WaitUntil, WaitForWindow, ItemOf, DoubleClickItem, PressButton

// Waits for the process to end; its exit code, or STILL_ACTIVE on timeout.
DWORD WaitForExit(HANDLE process, DWORD timeoutMs = 10000);

// ---- programs beside the test executable
std::string ProgramPath(const char* exeName);

bool Launch(const std::string& commandLine, PROCESS_INFORMATION* process);

struct Tarnvik {
    PROCESS_INFORMATION process;
    HWND main;  // the main window once it is visible
};
// Starts tarnvik.exe and waits until its main window is shown.
bool StartTarnvik(Tarnvik* tarnvik);
// Closes the main window as its close button does; returns the exit code.
DWORD CloseTarnvik(Tarnvik* tarnvik);
// Ends it by force if it still runs; releases the handles.
void StopTarnvik(Tarnvik* tarnvik);
HWND Control(const Tarnvik& tarnvik, int id);

// ---- cross-process reads
std::string TextOf(HWND window);  // WM_GETTEXT
std::string ClassOf(HWND window);
RECT RectInParent(HWND window);
struct ListItem {
    std::string text;
    LPARAM value;
};
std::vector<ListItem> ListItems(HWND list);
std::string TabText(HWND tab, int index);
RECT TabItemRect(HWND tab, int index);
HWND FocusOf(HWND anyWindowOfThread);

// Top-level windows as EnumWindows reports them, visible and titled only.
std::vector<HWND> VisibleTitledWindows();

// ---- input to Tarnvik's controls
void Click(HWND window, int x, int y);
void DoubleClick(HWND window, int x, int y);
// Posts a click and returns at once.
void ClickButton(HWND button);
// Makes the window the target: refreshes the list when the window is not
// listed yet, double-clicks its item and waits for the status label.
bool ChooseTarget(const Tarnvik& tarnvik, HWND window);

// ---- fixture windows of this test process (ANSI class)
HWND MakeFixtureWindow(const char* title, bool visible);
// A topmost popup on the button face, shown without activation, for controls
// whose pixels a test reads.
HWND MakeButtonFaceWindow(int left, int top, int width, int height);

// ---- the practice chat window as a recording target
struct PracticeChat {
    PROCESS_INFORMATION process;
    HWND window;
    std::string logPath;
};
bool StartPracticeChat(PracticeChat* chat, const char* title);
// Posts the sentinel and returns every recorded line before it.
std::vector<std::string> RecordedMessages(PracticeChat* chat, DWORD timeoutMs = 5000);
// The lines recorded so far, without waiting for anything in flight.
std::vector<std::string> RecordedSoFar(const PracticeChat& chat);
void StopPracticeChat(PracticeChat* chat);

std::string Hex(const std::string& bytes);

// ---- pixels as the desktop shows them
struct Screenshot {
    RECT rect;  // screen coordinates
    std::vector<COLORREF> pixels;  // row by row
};
Screenshot CaptureScreen(const RECT& rect);
COLORREF PixelAt(const Screenshot& shot, int x, int y);  // screen coordinates
RECT WindowRectOf(HWND window);
RECT ClientRectOnScreen(HWND window);
// The first pixel of the one-pixel ring `inset` pixels inside rect (screen
// coordinates) that is not `color`, described; "" when the whole ring is.
std::string RingMismatch(const Screenshot& shot, RECT rect, int inset, COLORREF color);
int CountPixels(const Screenshot& shot, const RECT& rect, const std::function<bool(COLORREF)>& wanted);
std::string ColorText(COLORREF color);

// The file's lines without their line ends; none when it cannot be read.
std::vector<std::string> ReadLines(const std::string& path);

// ---- real input from the X side. Wine starts a Unix
// program given by its path but hands back no process handle, so the
// command reports its end through a file.
// Runs the command with /bin/sh and waits for it; its exit code, -1 on timeout.
// The command must not contain double quotation marks or backslashes.
int RunUnix(const std::string& command, DWORD timeoutMs = 20000);
// Presses keys as xdotool names them ("Tab", "shift+Tab", "minus", "Return").
bool PressKeys(const std::string& keys);
// Waits until X gives the keyboard to the window (a top-level window of a
// plain title): for a moment after Wine activates a window, X keeps the
// focus elsewhere and keys pressed then are lost.
bool WaitForKeyboard(HWND window);
// Points of Wine's screen, which is the virtual desktop's X window.
bool MovePointer(POINT screen);
bool ClickAt(POINT screen);
// A point in the window's client area, in screen coordinates.
POINT ScreenPoint(HWND window, int x, int y);
POINT CenterOf(HWND window);

// Waits until the window holds the mouse capture (or none, for NULL).
bool WaitForCapture(HWND thread, HWND expected, DWORD timeoutMs = 5000);
HWND ActiveOf(HWND anyWindowOfThread);
// Returns once Tarnvik has handled all input sent before: it moves the
// pointer onto the hyperlink, which takes the capture on that move (handled
// after the earlier keys and their characters), and off it again.
bool SettleInput(const Tarnvik& tarnvik);
