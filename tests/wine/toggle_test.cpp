// The toggle button's four outcomes, against a target window of this test
// that records how it is shown, hidden and activated.
#include <gtest/gtest.h>

#include "harness.h"

#include "ui/ids.h"

// The captions as code page 936 bytes: 12, 11 and 30 of them.
#define HIDE_CAPTION "\xD2\xFE\xB2\xD8\xD3\xCE\xCF\xB7\xBA\xB0\xBB\xB0"  // 隐藏游戏喊话
#define SHOW_CAPTION "\xCF\xD4 \xCA\xBE \xD3\xCE \xCF\xB7"  // 显 示 游 戏
#define CHOOSE_CAPTION "请[双击选择]-接收发言信息的窗口"
#define NO_TARGET_PROMPT "\xC7\xEB[\xCB\xAB\xBB\xF7\xD1\xA1\xD4\xF1]-\xC7\xEB\xD1\xA1\xD4\xF1\xD3\xCE\xCF\xB7\xB4\xB0\xBF\xDA!!!"  // 请[双击选择]-请选择游戏窗口!!!

// What the target windows were told: "show", "hide", "activate".
static std::vector<std::string> events;
static WNDPROC fixtureProc;

static LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SHOWWINDOW)
        events.push_back(wParam ? "show" : "hide");
    if ((message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE) || (message == WM_NCACTIVATE && wParam))
        events.push_back("activate");
    return CallWindowProcA(fixtureProc, window, message, wParam, lParam);
}

enum TargetKind { VISIBLE, HIDDEN, NONE, CLOSED };

struct ToggleCase {
    const char* captionBefore;
    TargetKind target;
    std::vector<std::string> events;
    const char* captionAfter;
    const char* labelAfter;  // NULL: unchanged
};

class Toggle : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(936u, GetACP());
        ASSERT_TRUE(StartTarnvik(&tarnvik));
        button = Control(tarnvik, 按钮1);
        label = Control(tarnvik, 标签1);
        ASSERT_EQ(HIDE_CAPTION, TextOf(button));
    }
    void TearDown() override
    {
        StopTarnvik(&tarnvik);
        for (HWND window : targets)
            if (IsWindow(window))
                DestroyWindow(window);
    }
    // A visible window of this thread that records what it is told.
    HWND RecordingTarget(const std::string& title)
    {
        HWND window = MakeFixtureWindow(title.c_str(), true);
        fixtureProc = (WNDPROC)SetWindowLongPtrA(window, GWLP_WNDPROC, (LONG_PTR)RecordingProc);
        targets.push_back(window);
        return window;
    }
    Tarnvik tarnvik = {};
    HWND button = NULL, label = NULL;
    std::vector<HWND> targets;
};

TEST_F(Toggle, FourOutcomes)
{
    const ToggleCase cases[] = {
        // The show state: the target is shown again, whatever else holds.
        {SHOW_CAPTION, HIDDEN, {"show"}, HIDE_CAPTION, NULL},
        {SHOW_CAPTION, VISIBLE, {}, HIDE_CAPTION, NULL},
        {SHOW_CAPTION, NONE, {}, HIDE_CAPTION, NULL},
        {SHOW_CAPTION, CLOSED, {}, HIDE_CAPTION, NULL},
        // Any other caption with a target: hidden, after being shown.
        {HIDE_CAPTION, VISIBLE, {"hide"}, SHOW_CAPTION, NULL},
        {HIDE_CAPTION, HIDDEN, {"show", "hide"}, SHOW_CAPTION, NULL},
        {"other", VISIBLE, {"hide"}, SHOW_CAPTION, NULL},
        {"显 示 游 戏 ", VISIBLE, {"hide"}, SHOW_CAPTION, NULL},
        // Any other caption without one: only the prompt.
        {HIDE_CAPTION, NONE, {}, HIDE_CAPTION, NO_TARGET_PROMPT},
        {HIDE_CAPTION, CLOSED, {}, HIDE_CAPTION, NO_TARGET_PROMPT},
        {"other", NONE, {}, "other", NO_TARGET_PROMPT},
    };
    int row = 0;
    for (const ToggleCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "row " << ++row);
        HWND target = NULL;
        if (c.target == NONE) {
            ASSERT_TRUE(PressButton(Control(tarnvik, 按钮2)));
            ASSERT_EQ(CHOOSE_CAPTION, TextOf(label));
        } else {
            target = RecordingTarget("toggle target " + std::to_string(row));
            ASSERT_TRUE(ChooseTarget(tarnvik, target));
            if (c.target == HIDDEN)
                ShowWindow(target, SW_HIDE);
            if (c.target == CLOSED)
                DestroyWindow(target);
        }
        SendMessageA(button, WM_SETTEXT, 0, (LPARAM)c.captionBefore);
        std::string labelBefore = TextOf(label);
        events.clear();

        ASSERT_TRUE(PressButton(button));
        EXPECT_EQ(c.events, events);
        if (c.target == VISIBLE || c.target == HIDDEN) {
            EXPECT_EQ(c.events.empty() || c.events.back() == "show", IsWindowVisible(target) != 0);
        }
        EXPECT_EQ(Hex(c.captionAfter), Hex(TextOf(button)));
        EXPECT_EQ(Hex(c.labelAfter ? c.labelAfter : labelBefore), Hex(TextOf(label)));
        EXPECT_NE(target, GetForegroundWindow());
        if (target && IsWindow(target))
            DestroyWindow(target);
    }
}

// Hide, show, and a refresh while hidden, as a user goes through them.
TEST_F(Toggle, HideShowAndRefreshWhileHidden)
{
    HWND target = RecordingTarget("toggle sequence target");
    ASSERT_TRUE(ChooseTarget(tarnvik, target));
    events.clear();

    ASSERT_TRUE(PressButton(button));
    EXPECT_FALSE(IsWindowVisible(target));
    EXPECT_EQ(SHOW_CAPTION, TextOf(button));
    ASSERT_TRUE(PressButton(button));
    EXPECT_TRUE(IsWindowVisible(target));
    EXPECT_EQ(HIDE_CAPTION, TextOf(button));
    EXPECT_EQ((std::vector<std::string>{"hide", "show"}), events);

    // A refresh shows the hidden target and forgets it; the caption stays.
    ASSERT_TRUE(PressButton(button));
    ASSERT_TRUE(PressButton(Control(tarnvik, 按钮2)));
    EXPECT_TRUE(IsWindowVisible(target));
    EXPECT_EQ(SHOW_CAPTION, TextOf(button));
    ASSERT_TRUE(PressButton(button));
    EXPECT_EQ(HIDE_CAPTION, TextOf(button));
    EXPECT_EQ(CHOOSE_CAPTION, TextOf(label));
    ASSERT_TRUE(PressButton(button));
    EXPECT_EQ(NO_TARGET_PROMPT, TextOf(label));
    EXPECT_TRUE(IsWindowVisible(target));
    EXPECT_EQ((std::vector<std::string>{"hide", "show", "hide", "show"}), events);
}
