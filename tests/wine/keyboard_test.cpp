// The main window's keyboard handling and title bar, driven with real X key
// and mouse events through Wine's virtual desktop.
#include <gtest/gtest.h>

#include "harness.h"

#include <commctrl.h>
#include <string>
#include <vector>

#include "ui/ids.h"

#define DEFAULT_MESSAGE "全面的网页游戏开服表：http://www.brosk.example/"

class Keyboard : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(936u, GetACP());
        ASSERT_TRUE(StartTarnvik(&tarnvik));
        ASSERT_TRUE(WaitUntil([&] { return FocusOf(tarnvik.main) == Control(tarnvik, 编辑框); }))
            << "the interval box has the focus right after start";
        ASSERT_TRUE(WaitForKeyboard(tarnvik.main));
    }
    void Restart()
    {
        StopTarnvik(&tarnvik);
        SetUp();
    }
    void TearDown() override
    {
        StopTarnvik(&tarnvik);
        if (fixture)
            DestroyWindow(fixture);
    }

    HWND At(int id) { return Control(tarnvik, id); }

    std::string NameOf(HWND window)
    {
        static const struct {
            int id;
            const char* name;
        } names[] = {{编辑框, "编辑框"}, {选择框, "选择框"}, {编辑框1, "编辑框1"}, {编辑框2, "编辑框2"},
                     {编辑框3, "编辑框3"}, {编辑框4, "编辑框4"}, {编辑框5, "编辑框5"}, {列表框, "列表框"},
                     {按钮1, "按钮1"}, {按钮2, "按钮2"}, {选择夹2, "选择夹2"}, {超级链接框1, "超级链接框1"}};
        if (!window)
            return "(none)";
        if (window == tarnvik.main)
            return "main window";
        for (const auto& n : names)
            if (At(n.id) == window)
                return n.name;
        return "(other)";
    }

    // Presses the key and returns where the focus went (waiting for a change
    // from `from`, then for it to settle).
    HWND PressAndFollow(const std::string& key, HWND from)
    {
        EXPECT_TRUE(PressKeys(key));
        WaitUntil([&] { return FocusOf(tarnvik.main) != from; }, 3000);
        return FocusOf(tarnvik.main);
    }

    bool FocusBy(int tabs, HWND expected)
    {
        for (int i = 0; i < tabs; i++)
            if (!PressKeys("Tab"))
                return false;
        return WaitUntil([&] { return FocusOf(tarnvik.main) == expected; });
    }

    void SelectPage(int page)
    {
        HWND tab = At(选择夹2);
        RECT item = TabItemRect(tab, page - 1);
        ASSERT_TRUE(ClickAt(ScreenPoint(tab, (item.left + item.right) / 2, (item.top + item.bottom) / 2)));
        ASSERT_TRUE(WaitUntil([&] { return FocusOf(tarnvik.main) == At(编辑框1 + page - 1); }));
    }

    POINT CaptionPoint(HWND window)
    {
        RECT rect = WindowRectOf(window);
        POINT point = {(rect.left + rect.right) / 2,
                       rect.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2};
        return point;
    }

    // A real click on another window of this process, which then is active.
    void ActivateFixture()
    {
        if (!fixture)
            fixture = MakeFixtureWindow("Tarnvik keyboard fixture", true);
        ASSERT_TRUE(ClickAt(CenterOf(fixture)));
        ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == fixture; }));
        ASSERT_TRUE(WaitUntil([&] { return FocusOf(tarnvik.main) == NULL; }));
    }

    void ActivateTarnvikByCaption()
    {
        ASSERT_TRUE(ClickAt(CaptionPoint(tarnvik.main)));
        ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == tarnvik.main; }));
    }

    RECT CaptionRect(HWND window)
    {
        RECT rect = WindowRectOf(window);
        int frame = GetSystemMetrics(SM_CXFIXEDFRAME);
        RECT caption = {rect.left + frame, rect.top + frame, rect.right - frame,
                        rect.top + frame + GetSystemMetrics(SM_CYCAPTION) - 1};
        return caption;
    }

    Tarnvik tarnvik = {};
    HWND fixture = NULL;
};

TEST_F(Keyboard, TabAndShiftTabCycleThroughVisibleEnabledControls)
{
    enum Change { NONE, THIRD_PAGE, DISABLE_BUTTON1, HIDE_CHECK_BOX };
    const struct {
        const char* name;
        Change change;
        int start;
        const char* key;
        std::vector<int> visits;
    } cases[] = {
        {"forwards from start", NONE, 编辑框, "Tab", {选择框, 编辑框1, 列表框, 按钮1, 按钮2, 编辑框, 选择框}},
        {"backwards from start", NONE, 编辑框, "shift+Tab", {按钮2, 按钮1, 列表框, 编辑框1, 选择框, 编辑框, 按钮2}},
        {"third page selected", THIRD_PAGE, 编辑框3, "Tab", {列表框, 按钮1, 按钮2, 编辑框, 选择框, 编辑框3, 列表框}},
        {"third page backwards", THIRD_PAGE, 编辑框3, "shift+Tab", {选择框, 编辑框, 按钮2, 按钮1, 列表框, 编辑框3}},
        {"disabled button skipped", DISABLE_BUTTON1, 编辑框, "Tab", {选择框, 编辑框1, 列表框, 按钮2, 编辑框}},
        {"hidden check box skipped", HIDE_CHECK_BOX, 编辑框, "shift+Tab", {按钮2, 按钮1, 列表框, 编辑框1, 编辑框}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NO_FATAL_FAILURE(Restart());
        if (c.change == THIRD_PAGE) {
            ASSERT_NO_FATAL_FAILURE(SelectPage(3));
        }
        if (c.change == DISABLE_BUTTON1)
            EnableWindow(At(按钮1), FALSE);
        if (c.change == HIDE_CHECK_BOX)
            ShowWindow(At(选择框), SW_HIDE);
        HWND focus = FocusOf(tarnvik.main);
        ASSERT_EQ(NameOf(At(c.start)), NameOf(focus));
        std::vector<std::string> expected, visited;
        for (int id : c.visits) {
            expected.push_back(NameOf(At(id)));
            focus = PressAndFollow(c.key, focus);
            visited.push_back(NameOf(focus));
        }
        EXPECT_EQ(expected, visited);
        for (int id = 编辑框1; id <= 编辑框5; id++)
            EXPECT_EQ(DEFAULT_MESSAGE, TextOf(At(id))) << "no tab character in a message box";
        EXPECT_EQ("10", TextOf(At(编辑框)));
    }
}

TEST_F(Keyboard, TabKeysInMessageBoxMoveFocusWithoutTabCharacter)
{
    const struct {
        const char* keys;
        int focus;  // after the keys
    } cases[] = {
        {"Tab", 列表框},
        {"shift+Tab", 选择框},
        {"ctrl+Tab", 列表框},
        {"ctrl+i", 编辑框1},  // the control character of Tab
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        ASSERT_NO_FATAL_FAILURE(Restart());
        HWND box = At(编辑框1);
        ASSERT_TRUE(FocusBy(2, box));
        ASSERT_TRUE(PressKeys(std::string("End ") + c.keys));
        ASSERT_TRUE(SettleInput(tarnvik));
        EXPECT_EQ(NameOf(At(c.focus)), NameOf(FocusOf(tarnvik.main)));
        EXPECT_EQ(Hex(DEFAULT_MESSAGE), Hex(TextOf(box)));
    }
}

TEST_F(Keyboard, EnterOutsideMessageBoxAndEscAndF1DoNothing)
{
    const std::vector<const char*> everyKey = {"Return", "Escape", "F1", "KP_Enter"};
    const std::vector<const char*> notEnter = {"Escape", "F1"};  // Enter breaks lines there
    const struct {
        int control;
        int tabs;  // from the one before
        const std::vector<const char*>& keys;
    } stops[] = {{编辑框, 0, everyKey}, {选择框, 1, everyKey}, {编辑框1, 1, notEnter},
                 {列表框, 1, everyKey}, {按钮1, 1, everyKey}, {按钮2, 1, everyKey}};
    std::string status = TextOf(At(标签1));
    for (const auto& stop : stops) {
        HWND control = At(stop.control);
        ASSERT_TRUE(FocusBy(stop.tabs, control)) << NameOf(control);
        for (const char* key : stop.keys) {
            SCOPED_TRACE(NameOf(control) + " " + key);
            ASSERT_TRUE(PressKeys(key));
            ASSERT_TRUE(SettleInput(tarnvik));
            EXPECT_EQ((DWORD)WAIT_TIMEOUT, WaitForSingleObject(tarnvik.process.hProcess, 0)) << "still running";
            EXPECT_TRUE(IsWindowVisible(tarnvik.main));
            EXPECT_EQ(tarnvik.main, GetForegroundWindow());
            EXPECT_EQ(NameOf(control), NameOf(FocusOf(tarnvik.main)));
            EXPECT_EQ("10", TextOf(At(编辑框)));
            EXPECT_EQ(BST_UNCHECKED, SendMessageA(At(选择框), BM_GETCHECK, 0, 0));
            EXPECT_EQ(DEFAULT_MESSAGE, TextOf(At(编辑框1)));
            EXPECT_EQ(status, TextOf(At(标签1)));
            EXPECT_EQ("隐藏游戏喊话", TextOf(At(按钮1)));
        }
    }
}

TEST_F(Keyboard, EnterInMessageBoxBreaksLine)
{
    const struct {
        int page;
        const char* keys;
        std::string text;
    } cases[] = {
        {1, "Return", "\r\n" DEFAULT_MESSAGE},
        {1, "End Return", DEFAULT_MESSAGE "\r\n"},
        {3, "End Return x", DEFAULT_MESSAGE "\r\nx"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        ASSERT_NO_FATAL_FAILURE(Restart());
        HWND box = At(编辑框1 + c.page - 1);
        if (c.page == 1) {
            ASSERT_TRUE(FocusBy(2, box));
        } else {
            ASSERT_NO_FATAL_FAILURE(SelectPage(c.page));
        }
        ASSERT_TRUE(PressKeys(c.keys));
        ASSERT_TRUE(SettleInput(tarnvik));
        EXPECT_EQ(Hex(c.text), Hex(TextOf(box)));
        EXPECT_EQ(box, FocusOf(tarnvik.main));
    }
}

TEST_F(Keyboard, SpaceClicksFocusedCheckBoxAndButton)
{
    HWND check = At(选择框);
    ASSERT_TRUE(FocusBy(1, check));
    ASSERT_TRUE(PressKeys("space"));
    EXPECT_TRUE(WaitUntil([&] { return SendMessageA(check, BM_GETCHECK, 0, 0) == BST_CHECKED; }));
    ASSERT_TRUE(PressKeys("space"));
    EXPECT_TRUE(WaitUntil([&] { return SendMessageA(check, BM_GETCHECK, 0, 0) == BST_UNCHECKED; }));

    // The refresh button lists a window that appeared after the start: its
    // handle is the value of one of the items.
    HWND list = At(列表框);
    HWND late = MakeFixtureWindow("Tarnvik space refresh probe", true);
    auto listed = [&] {
        int count = (int)SendMessageA(list, LB_GETCOUNT, 0, 0);
        for (int i = 0; i < count; i++)
            if (SendMessageA(list, LB_GETITEMDATA, i, 0) == (LRESULT)late)
                return true;
        return false;
    };
    HWND refresh = At(按钮2);
    ASSERT_TRUE(FocusBy(4, refresh));
    ASSERT_TRUE(SettleInput(tarnvik));
    EXPECT_FALSE(listed());
    ASSERT_TRUE(PressKeys("space"));
    EXPECT_TRUE(WaitUntil(listed));
    EXPECT_EQ(refresh, FocusOf(tarnvik.main));
    DestroyWindow(late);
}

TEST_F(Keyboard, FocusComesBackAfterAnotherWindowWasActive)
{
    enum Reach { TABS, THIRD_PAGE };
    const struct {
        const char* name;
        Reach reach;
        int tabs;
        int focused;
        bool disableMeanwhile;  // the remembered control cannot take the focus back
        int restored;
    } cases[] = {
        {"interval box", TABS, 0, 编辑框, false, 编辑框},
        {"check box", TABS, 1, 选择框, false, 选择框},
        {"first message box", TABS, 2, 编辑框1, false, 编辑框1},
        {"list box", TABS, 3, 列表框, false, 列表框},
        {"refresh button", TABS, 5, 按钮2, false, 按钮2},
        {"third page", THIRD_PAGE, 0, 编辑框3, false, 编辑框3},
        {"disabled meanwhile", TABS, 5, 按钮2, true, 编辑框},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NO_FATAL_FAILURE(Restart());
        if (c.reach == THIRD_PAGE) {
            ASSERT_NO_FATAL_FAILURE(SelectPage(3));
        }
        ASSERT_TRUE(FocusBy(c.tabs, At(c.focused)));
        ASSERT_NO_FATAL_FAILURE(ActivateFixture());
        EXPECT_NE(tarnvik.main, ActiveOf(tarnvik.main));
        if (c.disableMeanwhile)
            EnableWindow(At(c.focused), FALSE);
        ASSERT_NO_FATAL_FAILURE(ActivateTarnvikByCaption());
        EXPECT_TRUE(WaitUntil([&] { return FocusOf(tarnvik.main) == At(c.restored); }))
            << NameOf(FocusOf(tarnvik.main));
    }
}

TEST_F(Keyboard, TitleBarKeepsActiveLookWhileAnotherWindowIsActive)
{
    const struct {
        const char* name;
        bool disabled;   // the main window is disabled before the other is activated
        bool keepsLook;  // its caption shows the same pixels as while active
    } cases[] = {
        {"enabled", false, true},
        {"disabled", true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NO_FATAL_FAILURE(Restart());
        if (!fixture)
            fixture = MakeFixtureWindow("Tarnvik title bar fixture", true);
        Pump(300);
        Screenshot fixtureInactive = CaptureScreen(CaptionRect(fixture));
        Screenshot active = CaptureScreen(CaptionRect(tarnvik.main));
        ASSERT_FALSE(active.pixels.empty());

        if (c.disabled)
            EnableWindow(tarnvik.main, FALSE);
        ASSERT_NO_FATAL_FAILURE(ActivateFixture());
        EXPECT_NE(tarnvik.main, GetForegroundWindow()) << "deactivation proceeds";
        // Wait for the repaints: the fixture's caption turns active, and a
        // disabled Tarnvik's caption turns inactive.
        Screenshot fixtureActive;
        WaitUntil([&] {
            fixtureActive = CaptureScreen(CaptionRect(fixture));
            return fixtureActive.pixels != fixtureInactive.pixels;
        }, 3000);
        if (!c.keepsLook)
            WaitUntil([&] { return CaptureScreen(CaptionRect(tarnvik.main)).pixels != active.pixels; }, 3000);
        Pump(100);
        // The screen does tell the two looks apart.
        ASSERT_FALSE(fixtureInactive.pixels.empty());
        ASSERT_NE(fixtureInactive.pixels, fixtureActive.pixels);

        Screenshot whileInactive = CaptureScreen(CaptionRect(tarnvik.main));
        ASSERT_EQ(active.pixels.size(), whileInactive.pixels.size());
        int differing = 0;
        for (size_t i = 0; i < active.pixels.size(); i++)
            differing += active.pixels[i] != whileInactive.pixels[i];
        if (c.keepsLook)
            EXPECT_EQ(0, differing) << "of " << active.pixels.size() << " caption pixels";
        else
            EXPECT_GT(differing, (int)active.pixels.size() / 2) << "the inactive look";
    }
}
