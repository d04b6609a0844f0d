#include "harness.h"

#include <commctrl.h>
#include <stdio.h>
#include <stdlib.h>

#include "ui/ids.h"

DWORD WaitForExit(HANDLE process, DWORD timeoutMs)
{
    WaitUntil([&] { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; }, timeoutMs);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process, &code);
    return code;
}

std::string ProgramPath(const char* exeName)
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(NULL, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of("\\/") + 1) + exeName;
}

bool Launch(const std::string& commandLine, PROCESS_INFORMATION* process)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back(0);
    *process = PROCESS_INFORMATION{};
    return CreateProcessA(NULL, line.data(), NULL, NULL, FALSE, 0, NULL, NULL, &startup, process) != 0;
}

bool StartTarnvik(Tarnvik* tarnvik)
{
    tarnvik->main = NULL;
    if (!Launch("\"" + ProgramPath("tarnvik.exe") + "\"", &tarnvik->process))
        return false;
    tarnvik->main = WaitForWindow(tarnvik->process.dwProcessId, "TarnvikMainWindow");
    return tarnvik->main != NULL;
}

DWORD CloseTarnvik(Tarnvik* tarnvik)
{
    PostMessageA(tarnvik->main, WM_CLOSE, 0, 0);
    return WaitForExit(tarnvik->process.hProcess);
}

void StopTarnvik(Tarnvik* tarnvik)
{
    if (!tarnvik->process.hProcess)
        return;
    if (WaitForSingleObject(tarnvik->process.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(tarnvik->process.hProcess, 99);
        WaitForExit(tarnvik->process.hProcess, 5000);
    }
    CloseHandle(tarnvik->process.hProcess);
    CloseHandle(tarnvik->process.hThread);
    tarnvik->process = PROCESS_INFORMATION{};
}

struct ChildSearch {
    int id;
    HWND found;
};

static BOOL CALLBACK FindChildById(HWND window, LPARAM value)
{
    ChildSearch* search = (ChildSearch*)value;
    if (GetDlgCtrlID(window) == search->id) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND Control(const Tarnvik& tarnvik, int id)
{
    ChildSearch search = {id, NULL};
    EnumChildWindows(tarnvik.main, FindChildById, (LPARAM)&search);  // descends into the tab control
    return search.found;
}

std::string TextOf(HWND window)
{
    char text[4096];
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, (LPARAM)text, SMTO_ABORTIFHUNG, 5000, &length))
        return "<no answer>";
    return std::string(text, length);
}

std::string ClassOf(HWND window)
{
    char name[256];
    int length = GetClassNameA(window, name, sizeof name);
    return std::string(name, length > 0 ? length : 0);
}

RECT RectInParent(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(NULL, GetParent(window), (POINT*)&rect, 2);
    return rect;
}

std::vector<ListItem> ListItems(HWND list)
{
    std::vector<ListItem> items;
    int count = (int)SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; i++) {
        // Wine hands LB_GETTEXT across processes in UTF-16 even to the A
        // call, so ask in UTF-16 and convert to the ANSI code page here.
        WCHAR wide[1024] = {};
        SendMessageW(list, LB_GETTEXT, i, (LPARAM)wide);
        char text[2048];
        int length = WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, NULL, NULL);
        LPARAM value = SendMessageA(list, LB_GETITEMDATA, i, 0);
        items.push_back({std::string(text, length > 0 ? length - 1 : 0), value});
    }
    return items;
}

// Tab control messages carry pointers that are not marshalled between
// processes: the structures live in a buffer inside Tarnvik's process.
struct RemoteBuffer {
    HANDLE process;
    char* address;
};

static RemoteBuffer OpenRemote(HWND window, SIZE_T size)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    RemoteBuffer remote;
    remote.process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    remote.address = (char*)VirtualAllocEx(remote.process, NULL, size, MEM_COMMIT, PAGE_READWRITE);
    return remote;
}

static void CloseRemote(RemoteBuffer* remote)
{
    VirtualFreeEx(remote->process, remote->address, 0, MEM_RELEASE);
    CloseHandle(remote->process);
}

std::string TabText(HWND tab, int index)
{
    RemoteBuffer remote = OpenRemote(tab, 4096);
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = remote.address + 1024;
    item.cchTextMax = 256;
    WriteProcessMemory(remote.process, remote.address, &item, sizeof item, NULL);
    std::string text;
    if (SendMessageA(tab, TCM_GETITEMA, index, (LPARAM)remote.address)) {
        char buffer[256] = {};
        ReadProcessMemory(remote.process, remote.address + 1024, buffer, 255, NULL);
        text = buffer;
    }
    CloseRemote(&remote);
    return text;
}

RECT TabItemRect(HWND tab, int index)
{
    RemoteBuffer remote = OpenRemote(tab, 4096);
    RECT rect = {};
    SendMessageA(tab, TCM_GETITEMRECT, index, (LPARAM)remote.address);
    ReadProcessMemory(remote.process, remote.address, &rect, sizeof rect, NULL);
    CloseRemote(&remote);
    return rect;
}

static GUITHREADINFO ThreadInfoOf(HWND anyWindowOfThread)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(anyWindowOfThread, NULL), &info);
    return info;
}

HWND FocusOf(HWND anyWindowOfThread)
{
    return ThreadInfoOf(anyWindowOfThread).hwndFocus;
}

HWND ActiveOf(HWND anyWindowOfThread)
{
    return ThreadInfoOf(anyWindowOfThread).hwndActive;
}

bool WaitForCapture(HWND thread, HWND expected, DWORD timeoutMs)
{
    return WaitUntil([&] { return ThreadInfoOf(thread).hwndCapture == expected; }, timeoutMs);
}

static BOOL CALLBACK CollectVisibleTitled(HWND window, LPARAM value)
{
    char title[8];
    if (IsWindowVisible(window) && GetWindowTextA(window, title, sizeof title) > 0)
        ((std::vector<HWND>*)value)->push_back(window);
    return TRUE;
}

std::vector<HWND> VisibleTitledWindows()
{
    std::vector<HWND> windows;
    EnumWindows(CollectVisibleTitled, (LPARAM)&windows);
    return windows;
}

void Click(HWND window, int x, int y)
{
    LPARAM at = MAKELPARAM(x, y);
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(window, WM_LBUTTONUP, 0, at);
}

void DoubleClick(HWND window, int x, int y)
{
    LPARAM at = MAKELPARAM(x, y);
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(window, WM_LBUTTONUP, 0, at);
    PostMessageA(window, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageA(window, WM_LBUTTONUP, 0, at);
}

void ClickButton(HWND button)
{
    PostMessageA(button, BM_CLICK, 0, 0);
}

bool ChooseTarget(const Tarnvik& tarnvik, HWND window)
{
    HWND list = Control(tarnvik, 列表框);
    if (ItemOf(list, window) < 0 && !PressButton(Control(tarnvik, 按钮2)))
        return false;
    int position = ItemOf(list, window);
    if (position < 0)
        return false;
    std::string expected = "请[双击选择]-" + TextOf(window);
    DoubleClickItem(list, position);
    HWND label = Control(tarnvik, 标签1);
    return WaitUntil([&] { return TextOf(label) == expected; });
}

static LRESULT CALLBACK FixtureProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(window, message, wParam, lParam);
}

// An ANSI window class of this process with a system colour as background;
// registering it again does no harm.
static void RegisterPlainClass(const char* name, int backgroundColor)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = FixtureProc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.hbrBackground = (HBRUSH)(INT_PTR)(backgroundColor + 1);
    wc.lpszClassName = name;
    RegisterClassA(&wc);
}

HWND MakeFixtureWindow(const char* title, bool visible)
{
    RegisterPlainClass("TarnvikTestFixture", COLOR_WINDOW);
    HWND window = CreateWindowExA(0, "TarnvikTestFixture", title, WS_OVERLAPPEDWINDOW, 10, 10, 200, 100, NULL, NULL,
                                  GetModuleHandleA(NULL), NULL);
    if (visible)
        ShowWindow(window, SW_SHOWNOACTIVATE);
    return window;
}

HWND MakeButtonFaceWindow(int left, int top, int width, int height)
{
    RegisterPlainClass("TarnvikButtonFace", COLOR_BTNFACE);
    HWND window = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "TarnvikButtonFace", "", WS_POPUP, left, top, width,
                                  height, NULL, NULL, GetModuleHandleA(NULL), NULL);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);
    return window;
}

static std::string TempLogPath()
{
    char folder[MAX_PATH], path[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    GetTempFileNameA(folder, "chat", 0, path);
    return path;
}

bool StartPracticeChat(PracticeChat* chat, const char* title)
{
    chat->window = NULL;
    chat->logPath = TempLogPath();
    std::string line = "\"" + ProgramPath("practice_chat.exe") + "\" --log \"" + chat->logPath + "\" --title \"" + title + "\"";
    if (!Launch(line, &chat->process))
        return false;
    chat->window = WaitForWindow(chat->process.dwProcessId, "TarnvikPracticeChat");
    return chat->window != NULL;
}

std::vector<std::string> ReadLines(const std::string& path)
{
    std::vector<std::string> lines;
    FILE* file = fopen(path.c_str(), "rb");
    if (!file)
        return lines;
    char line[2048];
    while (fgets(line, sizeof line, file)) {
        std::string text(line);
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
            text.pop_back();
        lines.push_back(text);
    }
    fclose(file);
    return lines;
}

std::vector<std::string> RecordedSoFar(const PracticeChat& chat)
{
    std::vector<std::string> recorded;
    for (const std::string& line : ReadLines(chat.logPath))
        if (line.compare(0, 4, "8000") != 0)
            recorded.push_back(line);
    return recorded;
}

std::vector<std::string> RecordedMessages(PracticeChat* chat, DWORD timeoutMs)
{
    static unsigned sentinel = 0;
    char mark[64];
    snprintf(mark, sizeof mark, "8000 %08X 00000000", ++sentinel);
    PostMessageA(chat->window, WM_APP, sentinel, 0);
    std::vector<std::string> lines;
    WaitUntil([&] {
        lines = ReadLines(chat->logPath);
        for (const std::string& line : lines)
            if (line == mark)
                return true;
        return false;
    }, timeoutMs);
    std::vector<std::string> recorded;
    for (const std::string& line : lines) {
        if (line == mark)
            return recorded;
        if (line.compare(0, 4, "8000") != 0)
            recorded.push_back(line);
    }
    recorded.push_back("<no sentinel>");
    return recorded;
}

void StopPracticeChat(PracticeChat* chat)
{
    if (!chat->process.hProcess)
        return;
    if (IsWindow(chat->window))
        PostMessageA(chat->window, WM_CLOSE, 0, 0);
    if (WaitForExit(chat->process.hProcess, 5000) == STILL_ACTIVE)
        TerminateProcess(chat->process.hProcess, 99);
    CloseHandle(chat->process.hProcess);
    CloseHandle(chat->process.hThread);
    chat->process = PROCESS_INFORMATION{};
    DeleteFileA(chat->logPath.c_str());
}

std::string Hex(const std::string& bytes)
{
    std::string out;
    char digits[4];
    for (unsigned char byte : bytes) {
        snprintf(digits, sizeof digits, out.empty() ? "%02X" : " %02X", byte);
        out += digits;
    }
    return out;
}

Screenshot CaptureScreen(const RECT& rect)
{
    Screenshot shot = {rect, {}};
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return shot;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(NULL);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = NULL;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    if (memory && bitmap) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
        GdiFlush();
        const BYTE* bgra = (const BYTE*)bits;
        for (int i = 0; i < width * height; i++)
            shot.pixels.push_back(RGB(bgra[4 * i + 2], bgra[4 * i + 1], bgra[4 * i]));
        SelectObject(memory, old);
    }
    if (bitmap)
        DeleteObject(bitmap);
    if (memory)
        DeleteDC(memory);
    ReleaseDC(NULL, screen);
    return shot;
}

COLORREF PixelAt(const Screenshot& shot, int x, int y)
{
    int width = shot.rect.right - shot.rect.left;
    if (x < shot.rect.left || x >= shot.rect.right || y < shot.rect.top || y >= shot.rect.bottom)
        return CLR_INVALID;
    size_t index = (size_t)(y - shot.rect.top) * width + (x - shot.rect.left);
    return index < shot.pixels.size() ? shot.pixels[index] : CLR_INVALID;
}

static std::string ReadFileText(const std::string& path)
{
    std::string text;
    FILE* file = fopen(path.c_str(), "rb");
    if (!file)
        return text;
    char buffer[4096];
    size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, got);
    fclose(file);
    return text;
}

int RunUnix(const std::string& command, DWORD timeoutMs)
{
    static unsigned count = 0;
    char name[64];
    snprintf(name, sizeof name, "/tmp/tarnvik-unix-%lu-%u", GetCurrentProcessId(), ++count);
    std::string done = name;
    std::string windowsDone = "Z:" + done;
    for (char& c : windowsDone)
        if (c == '/')
            c = '\\';
    if (command.find_first_of("\"\\") != std::string::npos)
        return -1;
    // The exit code appears in one step, never half written.
    std::string line = "Z:\\bin\\sh -c \"" + command + "; echo $? >" + done + ".part; mv " + done + ".part " + done + "\"";
    PROCESS_INFORMATION process;
    if (!Launch(line, &process))
        return -1;
    if (process.hProcess) {
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    if (!WaitUntil([&] { return GetFileAttributesA(windowsDone.c_str()) != INVALID_FILE_ATTRIBUTES; }, timeoutMs))
        return -1;
    int code = atoi(ReadFileText(windowsDone).c_str());
    DeleteFileA(windowsDone.c_str());
    return code;
}

// Wine's screen is the X window of its virtual desktop.
static const char DESKTOP[] = "$(xdotool search --limit 1 --name ' - Wine desktop$')";

bool PressKeys(const std::string& keys)
{
    return RunUnix("xdotool key --delay 30 " + keys) == 0;
}

bool WaitForKeyboard(HWND window)
{
    std::string title = TextOf(window);
    if (title.empty() || title.find_first_of("'\"\\") != std::string::npos)
        return false;
    std::string command = "xdotool getwindowfocus getwindowname 2>/dev/null | grep -qxF -- '" + title + "'";
    return WaitUntil([&] { return RunUnix(command) == 0; }, 5000);
}

bool MovePointer(POINT screen)
{
    char command[160];
    snprintf(command, sizeof command, "xdotool mousemove --window %s %ld %ld", DESKTOP, screen.x, screen.y);
    return RunUnix(command) == 0;
}

bool ClickAt(POINT screen)
{
    char command[160];
    snprintf(command, sizeof command, "xdotool mousemove --window %s %ld %ld click 1", DESKTOP, screen.x,
             screen.y);
    return RunUnix(command) == 0;
}

POINT ScreenPoint(HWND window, int x, int y)
{
    POINT point = {x, y};
    ClientToScreen(window, &point);
    return point;
}

POINT CenterOf(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
    return ScreenPoint(window, client.right / 2, client.bottom / 2);
}

RECT WindowRectOf(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

RECT ClientRectOnScreen(HWND window)
{
    RECT rect = {};
    GetClientRect(window, &rect);
    MapWindowPoints(window, NULL, (POINT*)&rect, 2);
    return rect;
}

std::string ColorText(COLORREF color)
{
    char text[32];
    snprintf(text, sizeof text, "RGB(%d,%d,%d)", GetRValue(color), GetGValue(color), GetBValue(color));
    return color == CLR_INVALID ? "off the capture" : text;
}

std::string RingMismatch(const Screenshot& shot, RECT rect, int inset, COLORREF color)
{
    InflateRect(&rect, -inset, -inset);
    for (int y = rect.top; y < rect.bottom; y++)
        for (int x = rect.left; x < rect.right; x++) {
            bool onRing = y == rect.top || y == rect.bottom - 1 || x == rect.left || x == rect.right - 1;
            COLORREF found = PixelAt(shot, x, y);
            if (onRing && found != color) {
                char where[64];
                snprintf(where, sizeof where, "at %d,%d ", x, y);
                return where + ColorText(found) + " instead of " + ColorText(color);
            }
        }
    return rect.right > rect.left && rect.bottom > rect.top ? "" : "empty ring";
}

int CountPixels(const Screenshot& shot, const RECT& rect, const std::function<bool(COLORREF)>& wanted)
{
    int count = 0;
    for (int y = rect.top; y < rect.bottom; y++)
        for (int x = rect.left; x < rect.right; x++) {
            COLORREF found = PixelAt(shot, x, y);
            if (found != CLR_INVALID && wanted(found))
                count++;
        }
    return count;
}

bool SettleInput(const Tarnvik& tarnvik)
{
    HWND link = Control(tarnvik, 超级链接框1);
    HWND label = Control(tarnvik, 标签1);
    return MovePointer(CenterOf(link)) && WaitForCapture(tarnvik.main, link) &&
           MovePointer(ScreenPoint(label, 4, 4)) && WaitForCapture(tarnvik.main, NULL);
}
