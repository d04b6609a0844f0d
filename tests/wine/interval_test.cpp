// The interval box under real typing: its character filter, its limit and
// its normalisation when the focus leaves it.
#include <gtest/gtest.h>

#include "harness.h"

#include <string>

#include "ui/ids.h"

class IntervalBox : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(936u, GetACP());
        ASSERT_TRUE(StartTarnvik(&tarnvik));
        box = Control(tarnvik, 编辑框);
        ASSERT_TRUE(WaitUntil([&] { return FocusOf(tarnvik.main) == box; }));
        ASSERT_TRUE(WaitForKeyboard(tarnvik.main));
    }
    void TearDown() override { StopTarnvik(&tarnvik); }

    void Empty()
    {
        DWORD_PTR result;
        SendMessageTimeoutA(box, WM_SETTEXT, 0, (LPARAM) "", SMTO_ABORTIFHUNG, 5000, &result);
        ASSERT_EQ("", TextOf(box));
    }

    // Start and end of the selection.
    std::pair<int, int> Selection()
    {
        DWORD both = (DWORD)SendMessageA(box, EM_GETSEL, 0, 0);
        return {LOWORD(both), HIWORD(both)};
    }

    Tarnvik tarnvik = {};
    HWND box = NULL;
};

static void PutOnClipboard(const char* text)
{
    ASSERT_TRUE(OpenClipboard(NULL));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, strlen(text) + 1);
    memcpy(GlobalLock(memory), text, strlen(text) + 1);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
}

TEST_F(IntervalBox, TypingKeepsOnlyMinusAndDigitsUpToTwo)
{
    const struct {
        const char* keys;
        const char* clipboard;  // put there first, when not NULL
        const char* text;
    } cases[] = {
        {"a", NULL, ""},
        {"period", NULL, ""},
        {"5", NULL, "5"},
        {"minus 5", NULL, "-5"},
        {"1 2 3", NULL, "12"},
        {"x 7 comma", NULL, "7"},
        {"space plus shift+a slash 4", NULL, "4"},
        {"8 BackSpace 9", NULL, "9"},
        {"ctrl+v", "ab", "ab"},  // pasted text is not filtered, only limited
        {"ctrl+v", "1.5", "1."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        ASSERT_NO_FATAL_FAILURE(Empty());
        if (c.clipboard) {
            ASSERT_NO_FATAL_FAILURE(PutOnClipboard(c.clipboard));
        }
        ASSERT_TRUE(PressKeys(c.keys));
        ASSERT_TRUE(SettleInput(tarnvik));
        EXPECT_EQ(c.text, TextOf(box));
        EXPECT_EQ(box, FocusOf(tarnvik.main));
    }
}

TEST_F(IntervalBox, LeavingNormalizesAndPutsCaretBack)
{
    const struct {
        const char* set;   // written with WM_SETTEXT; NULL: typed into the empty box
        const char* keys;  // before leaving
        const char* text;  // after leaving
        int caret;         // the selection after leaving is empty, here
    } cases[] = {
        {NULL, "0 7", "7", 1},
        {NULL, "0", "", 0},
        {NULL, "0 0", "", 0},
        {NULL, "minus", "", 0},
        {NULL, "minus 0", "", 0},
        {NULL, "minus 5", "-5", 2},
        {NULL, "9 9", "99", 2},
        {NULL, "0 7 Home", "7", 0},
        {NULL, "0 7 shift+Home", "7", 0},  // the selection began at 0
        {NULL, "0 7 Left", "7", 1},
        {"10", "End", "10", 2},
        {"0.2", "End", "", 0},
        {"123456", "End", "32767", 5},
        {"-99999", "Home", "-32768", 0},
        {" 42", "End", "42", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.set ? c.set : "typed") + " " + c.keys);
        ASSERT_NO_FATAL_FAILURE(Empty());
        if (c.set) {
            DWORD_PTR result;
            SendMessageTimeoutA(box, WM_SETTEXT, 0, (LPARAM)c.set, SMTO_ABORTIFHUNG, 5000, &result);
        }
        ASSERT_TRUE(PressKeys(c.keys));
        ASSERT_TRUE(PressKeys("Tab"));
        ASSERT_TRUE(WaitUntil([&] { return FocusOf(tarnvik.main) == Control(tarnvik, 选择框); }));
        EXPECT_EQ(c.text, TextOf(box));
        EXPECT_EQ(std::make_pair(c.caret, c.caret), Selection());
        ASSERT_TRUE(PressKeys("shift+Tab"));
        ASSERT_TRUE(WaitUntil([&] { return FocusOf(tarnvik.main) == box; }));
        EXPECT_EQ(c.text, TextOf(box)) << "coming back changes nothing";
    }
}
