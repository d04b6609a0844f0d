// The hyperlink under the real pointer: its colours on the screen, the mouse
// capture, and a click that opens the page through the shell or through the
// program registered for ".htm", recorded by a stand-in for the browser. The
// tests change the classes of this build's Wine prefix and put them back.
#include <gtest/gtest.h>

#include "harness.h"

#include <stdio.h>
#include <string>
#include <vector>

#include "ui/ids.h"

#define ADDRESS "http://www.brosk.example/"

static const COLORREF NORMAL = RGB(0, 0, 255);
static const COLORREF HOVERED = RGB(51, 153, 255);
static const COLORREF VISITED = RGB(128, 0, 0);

static int CountOf(const Screenshot& shot, COLORREF color)
{
    return CountPixels(shot, shot.rect, [&](COLORREF pixel) { return pixel == color; });
}

static const char SHELL_COMMAND[] = "http\\shell\\open\\command";
static const char HTM[] = ".htm";
static const char TEST_TYPE[] = "TarnvikTestPage";
static const char TEST_TYPE_COMMAND[] = "TarnvikTestPage\\shell\\open\\command";

// A default value under HKEY_CLASSES_ROOT as it was before a test.
struct SavedDefault {
    const char* key;
    bool existed;
    DWORD type;
    std::string data;
};

static SavedDefault SaveDefault(const char* keyName)
{
    SavedDefault saved = {keyName, false, REG_SZ, ""};
    HKEY key;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, keyName, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return saved;
    char data[2048];
    DWORD size = sizeof data;
    if (RegQueryValueExA(key, NULL, NULL, &saved.type, (BYTE*)data, &size) == ERROR_SUCCESS) {
        saved.existed = true;
        saved.data.assign(data, size);
    }
    RegCloseKey(key);
    return saved;
}

static bool SetDefault(const char* keyName, const std::string& value)
{
    HKEY key;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, keyName, 0, NULL, 0, KEY_SET_VALUE, NULL, &key, NULL) != ERROR_SUCCESS)
        return false;
    LONG result = RegSetValueExA(key, NULL, 0, REG_SZ, (const BYTE*)value.c_str(), (DWORD)value.size() + 1);
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

static void DeleteDefault(const char* keyName)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, keyName, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return;
    RegDeleteValueA(key, NULL);
    RegCloseKey(key);
}

static void Restore(const SavedDefault& saved)
{
    if (!saved.existed) {
        DeleteDefault(saved.key);
        return;
    }
    HKEY key;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, saved.key, 0, NULL, 0, KEY_SET_VALUE, NULL, &key, NULL) != ERROR_SUCCESS)
        return;
    RegSetValueExA(key, NULL, 0, saved.type, (const BYTE*)saved.data.data(), (DWORD)saved.data.size());
    RegCloseKey(key);
}

// The originals are also kept under HKEY_CURRENT_USER until the test has put
// them back, so that a test killed half-way (a timeout) does not leave the
// prefix without its http handler for every later run.
static const char BACKUP_ROOT[] = "Software\\TarnvikTests";

static std::string BackupKeyOf(const char* keyName)
{
    std::string name = std::string(BACKUP_ROOT) + "\\" + keyName;
    for (size_t i = sizeof BACKUP_ROOT; i < name.size(); i++)
        if (name[i] == '\\')
            name[i] = '/';
    return name;
}

static void WriteBackup(const SavedDefault& saved)
{
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, BackupKeyOf(saved.key).c_str(), 0, NULL, 0, KEY_SET_VALUE, NULL, &key,
                        NULL) != ERROR_SUCCESS)
        return;
    if (saved.existed)
        RegSetValueExA(key, NULL, 0, saved.type, (const BYTE*)saved.data.data(), (DWORD)saved.data.size());
    else
        RegSetValueExA(key, "missing", 0, REG_SZ, (const BYTE*)"1", 2);
    RegCloseKey(key);
}

// Puts back what a killed test left in its backup, if anything.
static void RestoreLeftBackup(const char* keyName)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, BackupKeyOf(keyName).c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return;
    SavedDefault saved = {keyName, false, REG_SZ, ""};
    char data[2048];
    DWORD size = sizeof data;
    if (RegQueryValueExA(key, "missing", NULL, NULL, NULL, NULL) != ERROR_SUCCESS &&
        RegQueryValueExA(key, NULL, NULL, &saved.type, (BYTE*)data, &size) == ERROR_SUCCESS) {
        saved.existed = true;
        saved.data.assign(data, size);
    }
    RegCloseKey(key);
    Restore(saved);
}

class Hyperlink : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(936u, GetACP());
        RestoreLeftBackup(SHELL_COMMAND);
        RestoreLeftBackup(HTM);
        RegDeleteTreeA(HKEY_CURRENT_USER, BACKUP_ROOT);
        shell = SaveDefault(SHELL_COMMAND);
        htm = SaveDefault(HTM);
        WriteBackup(shell);
        WriteBackup(htm);
        ASSERT_TRUE(shell.existed) << "the prefix has a handler for http";
        char folder[MAX_PATH], path[MAX_PATH];
        GetTempPathA(MAX_PATH, folder);
        GetTempFileNameA(folder, "open", 0, path);
        logPath = path;
        DeleteFileA(path);
        recorder = "\"" + ProgramPath("open_recorder.exe") + "\" \"" + logPath + "\"";
        ASSERT_TRUE(StartTarnvik(&tarnvik));
        link = Control(tarnvik, 超级链接框1);
        ASSERT_NE((HWND)NULL, link);
    }
    void TearDown() override
    {
        StopTarnvik(&tarnvik);
        Restore(shell);
        Restore(htm);
        RegDeleteTreeA(HKEY_CURRENT_USER, BACKUP_ROOT);
        RegDeleteTreeA(HKEY_CLASSES_ROOT, TEST_TYPE);
        DeleteFileA(logPath.c_str());
    }

    // Waits until the link's text shows in this colour and in neither other.
    bool DrawnIn(COLORREF color)
    {
        Screenshot shot;
        bool drawn = WaitUntil([&] {
            shot = CaptureScreen(ClientRectOnScreen(link));
            int others = 0;
            for (COLORREF other : {NORMAL, HOVERED, VISITED})
                others += other != color ? CountOf(shot, other) : 0;
            return CountOf(shot, color) >= 10 && others == 0;
        }, 5000);
        if (!drawn)
            printf("pixels of normal %d, hovered %d, visited %d\n", CountOf(shot, NORMAL), CountOf(shot, HOVERED),
                   CountOf(shot, VISITED));
        return drawn;
    }

    POINT Away() { return ScreenPoint(Control(tarnvik, 标签1), 4, 4); }

    void ClickLink()
    {
        ASSERT_TRUE(MovePointer(CenterOf(link)));
        ASSERT_TRUE(WaitForCapture(tarnvik.main, link));
        ASSERT_TRUE(ClickAt(CenterOf(link)));
    }

    // The click has been handled once the pointer's move away is.
    void LeaveLink()
    {
        ASSERT_TRUE(MovePointer(Away()));
        ASSERT_TRUE(WaitForCapture(tarnvik.main, NULL));
    }

    bool WaitForReadLines(size_t count)
    {
        return WaitUntil([&] { return ReadLines(logPath).size() >= count; }, 10000);
    }

    // Neither the shell nor the ".htm" program will open the page.
    void BreakBothWays()
    {
        DeleteDefault(SHELL_COMMAND);
        ASSERT_TRUE(SetDefault(HTM, "TarnvikMissingType"));
    }

    Tarnvik tarnvik = {};
    HWND link = NULL;
    SavedDefault shell = {}, htm = {};
    std::string logPath, recorder;
};

TEST_F(Hyperlink, ColoursAndCaptureFollowThePointer)
{
    EXPECT_TRUE(DrawnIn(NORMAL));
    EXPECT_TRUE(WaitForCapture(tarnvik.main, NULL));

    ASSERT_TRUE(MovePointer(CenterOf(link)));
    EXPECT_TRUE(WaitForCapture(tarnvik.main, link));
    EXPECT_TRUE(DrawnIn(HOVERED));

    RECT client;
    GetClientRect(link, &client);
    ASSERT_TRUE(MovePointer(ScreenPoint(link, client.right - 2, client.bottom - 2)));  // still on it
    Pump(300);
    EXPECT_TRUE(WaitForCapture(tarnvik.main, link));
    EXPECT_TRUE(DrawnIn(HOVERED));

    ASSERT_TRUE(MovePointer(ScreenPoint(link, client.right + 3, client.bottom / 2)));  // just off it
    EXPECT_TRUE(WaitForCapture(tarnvik.main, NULL));
    EXPECT_TRUE(DrawnIn(NORMAL));
    EXPECT_TRUE(ReadLines(logPath).empty());
}

TEST_F(Hyperlink, ClickOpensPageThroughShellAndMarksVisited)
{
    ASSERT_TRUE(SetDefault(SHELL_COMMAND, recorder + " \"%1\""));
    ASSERT_NO_FATAL_FAILURE(ClickLink());
    ASSERT_TRUE(WaitForReadLines(1));
    EXPECT_EQ(std::vector<std::string>{recorder + " \"" ADDRESS "\""}, ReadLines(logPath));
    EXPECT_TRUE(DrawnIn(HOVERED)) << "hovered while the pointer is over it";
    ASSERT_NO_FATAL_FAILURE(LeaveLink());
    EXPECT_TRUE(DrawnIn(VISITED));
}

TEST_F(Hyperlink, ClickFallsBackToHtmProgramWhenShellRefuses)
{
    const struct {
        const char* placeholder;  // after the recorder and its log
        const char* tail;         // what follows them on the started line
    } cases[] = {
        {" \"%1\"", "  " ADDRESS},
        {" %1", "  " ADDRESS},
        {" -new %1 \"%1\"", " -new  " ADDRESS},
        {"", " " ADDRESS},
    };
    DeleteDefault(SHELL_COMMAND);
    ASSERT_TRUE(SetDefault(HTM, TEST_TYPE));
    size_t clicks = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.placeholder);
        ASSERT_TRUE(SetDefault(TEST_TYPE_COMMAND, recorder + c.placeholder));
        ASSERT_NO_FATAL_FAILURE(ClickLink());
        ASSERT_TRUE(WaitForReadLines(++clicks));
        EXPECT_EQ(recorder + c.tail, ReadLines(logPath).back());
        ASSERT_NO_FATAL_FAILURE(LeaveLink());
        EXPECT_TRUE(DrawnIn(VISITED));
    }
}

TEST_F(Hyperlink, ClickWhereBothWaysFailLeavesLinkNotVisited)
{
    const struct {
        const char* name;
        const char* htmType;  // NULL: ".htm" has no default value
    } cases[] = {
        {"no such file type", "TarnvikMissingType"},
        {"no file type", NULL},
        {"file type without command", TEST_TYPE},
    };
    ASSERT_TRUE(SetDefault(TEST_TYPE, "a page type with no shell key"));
    size_t opened = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // Visited first, so that the failed click has something to undo.
        ASSERT_TRUE(SetDefault(SHELL_COMMAND, recorder + " \"%1\""));
        ASSERT_NO_FATAL_FAILURE(ClickLink());
        ASSERT_TRUE(WaitForReadLines(++opened));
        ASSERT_NO_FATAL_FAILURE(LeaveLink());
        ASSERT_TRUE(DrawnIn(VISITED));

        DeleteDefault(SHELL_COMMAND);
        if (c.htmType) {
            ASSERT_TRUE(SetDefault(HTM, c.htmType));
        } else {
            DeleteDefault(HTM);
        }
        ASSERT_NO_FATAL_FAILURE(ClickLink());
        ASSERT_NO_FATAL_FAILURE(LeaveLink());
        EXPECT_TRUE(DrawnIn(NORMAL));
        Pump(500);
        EXPECT_EQ(opened, ReadLines(logPath).size()) << "nothing was started";
        EXPECT_EQ((DWORD)WAIT_TIMEOUT, WaitForSingleObject(tarnvik.process.hProcess, 0));
    }
}
