// The window list: what it shows at start and after a refresh, the target
// chosen by double-click, and the target shown again when Tarnvik closes.
#include <gtest/gtest.h>

#include "harness.h"
#include "ui/ids.h"

static const std::string PROMPT = "请[双击选择]-";
static const std::string CHOOSE = "请[双击选择]-接收发言信息的窗口";

class WindowList : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(936u, GetACP()); }
    void TearDown() override
    {
        StopTarnvik(&tarnvik);
        for (HWND window : fixtures)
            if (IsWindow(window))
                DestroyWindow(window);
        Pump(50);
    }
    HWND Fixture(const char* title, bool visible = true)
    {
        HWND window = MakeFixtureWindow(title, visible);
        fixtures.push_back(window);
        return window;
    }
    void Start()
    {
        ASSERT_TRUE(StartTarnvik(&tarnvik));
        list = Control(tarnvik, 列表框);
        label = Control(tarnvik, 标签1);
    }
    int PositionOf(HWND window) { return ItemOf(list, window); }
    // What the list should hold: visible titled windows in the order
    // EnumWindows reports them, without the given window.
    std::vector<ListItem> ExpectedItems(HWND leftOut)
    {
        std::vector<ListItem> expected;
        for (HWND window : VisibleTitledWindows()) {
            if (window == leftOut)
                continue;
            char title[300];
            int length = GetWindowTextA(window, title, 255);
            expected.push_back({std::string(title, length), (LPARAM)window});
        }
        return expected;
    }
    Tarnvik tarnvik = {};
    HWND list = NULL, label = NULL;
    std::vector<HWND> fixtures;
};

static void ExpectSameItems(const std::vector<ListItem>& expected, const std::vector<ListItem>& actual)
{
    ASSERT_EQ(expected.size(), actual.size());
    for (size_t i = 0; i < expected.size(); i++) {
        EXPECT_EQ(Hex(expected[i].text), Hex(actual[i].text)) << "item " << i;
        EXPECT_EQ(expected[i].value, actual[i].value) << "item " << i;
    }
}

TEST_F(WindowList, StartListsVisibleTitledWindowsInEnumerationOrder)
{
    std::string longTitle;
    for (int i = 0; longTitle.size() < 300; i++)
        longTitle += (char)('A' + i % 26);
    HWND alpha = Fixture("Fixture alpha 喊话");
    HWND twinA = Fixture("Fixture twin");
    HWND twinB = Fixture("Fixture twin");
    HWND spaces = Fixture("   ");
    HWND longWindow = Fixture(longTitle.c_str());
    HWND untitled = Fixture("");
    HWND hidden = Fixture("Fixture hidden", false);
    Start();

    std::vector<ListItem> items = ListItems(list);
    ExpectSameItems(ExpectedItems(tarnvik.main), items);

    EXPECT_EQ(-1, PositionOf(tarnvik.main)) << "Tarnvik is not yet visible when the list is made";
    EXPECT_EQ(-1, PositionOf(untitled));
    EXPECT_EQ(-1, PositionOf(hidden));
    ASSERT_NE(-1, PositionOf(alpha));
    EXPECT_EQ(Hex("Fixture alpha 喊话"), Hex(items[PositionOf(alpha)].text));
    ASSERT_NE(-1, PositionOf(twinA));
    ASSERT_NE(-1, PositionOf(twinB));
    EXPECT_NE(PositionOf(twinA), PositionOf(twinB)) << "duplicate titles give two items";
    EXPECT_EQ("Fixture twin", items[PositionOf(twinB)].text);
    ASSERT_NE(-1, PositionOf(spaces));
    EXPECT_EQ("   ", items[PositionOf(spaces)].text) << "a blank-looking title is listed unchanged";
    ASSERT_NE(-1, PositionOf(longWindow));
    EXPECT_EQ(longTitle.substr(0, 254), items[PositionOf(longWindow)].text);
    // The newest window is on top, so EnumWindows reports the fixtures backwards.
    EXPECT_LT(PositionOf(longWindow), PositionOf(alpha));
    EXPECT_EQ(LB_ERR, SendMessageA(list, LB_GETCURSEL, 0, 0));
    EXPECT_EQ(CHOOSE, TextOf(label));
}

TEST_F(WindowList, RefreshListsTheOwnWindowAndForgetsTheChoice)
{
    HWND alpha = Fixture("Fixture alpha");
    Start();
    DoubleClickItem(list, PositionOf(alpha));
    ASSERT_TRUE(WaitUntil([&] { return TextOf(label) == PROMPT + "Fixture alpha"; })) << TextOf(label);

    for (int refresh = 1; refresh <= 2; refresh++) {
        SCOPED_TRACE(::testing::Message() << "refresh " << refresh);
        SendMessageA(list, LB_SETCURSEL, 0, 0);
        ClickButton(Control(tarnvik, 按钮2));
        ASSERT_TRUE(WaitUntil([&] { return SendMessageA(list, LB_GETCURSEL, 0, 0) == LB_ERR; }));
        EXPECT_EQ(CHOOSE, TextOf(label));
        // Two refreshes in a row: the second snapshot only, nothing doubled.
        ExpectSameItems(ExpectedItems(NULL), ListItems(list));
        int own = PositionOf(tarnvik.main);
        ASSERT_NE(-1, own) << "the main window is visible now";
        EXPECT_EQ(TextOf(tarnvik.main), ListItems(list)[own].text);
    }
    EXPECT_EQ("隐藏游戏喊话", TextOf(Control(tarnvik, 按钮1)));
}

TEST_F(WindowList, DoubleClickNamesTheItemInTheLabel)
{
    std::string longTitle(300, 'L');
    HWND windows[] = {Fixture("Fixture alpha 喊话"), Fixture("   "), Fixture(longTitle.c_str())};
    const std::string labels[] = {PROMPT + "Fixture alpha 喊话", PROMPT + "   ", PROMPT + longTitle.substr(0, 254)};
    Start();
    for (int i = 0; i < 3; i++) {
        SCOPED_TRACE(::testing::Message() << "fixture " << i);
        int position = PositionOf(windows[i]);
        ASSERT_NE(-1, position);
        DoubleClickItem(list, position);
        EXPECT_TRUE(WaitUntil([&] { return TextOf(label) == labels[i]; })) << Hex(TextOf(label));
    }
    // A single click only selects.
    int position = PositionOf(windows[0]);
    Click(list, 20, (position - (int)SendMessageA(list, LB_GETTOPINDEX, 0, 0)) * (int)SendMessageA(list, LB_GETITEMHEIGHT, 0, 0) + 3);
    ASSERT_TRUE(WaitUntil([&] { return SendMessageA(list, LB_GETCURSEL, 0, 0) == position; }));
    Pump(100);
    EXPECT_EQ(labels[2], TextOf(label));
}

TEST_F(WindowList, DoubleClickWithNothingSelectedShowsTheBarePrompt)
{
    Fixture("Fixture alpha");
    Start();
    SendMessageA(list, LB_SETCURSEL, (WPARAM)-1, 0);
    // The list box's own notification, as a double-click without a current item raises it.
    PostMessageA(tarnvik.main, WM_COMMAND, MAKEWPARAM(列表框, LBN_DBLCLK), (LPARAM)list);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(label) == PROMPT; })) << Hex(TextOf(label));
}

TEST_F(WindowList, ClosingShowsTheHiddenTargetAgainAndExitsWithZero)
{
    HWND target = Fixture("Fixture target");
    Start();
    DoubleClickItem(list, PositionOf(target));
    ASSERT_TRUE(WaitUntil([&] { return TextOf(label) == PROMPT + "Fixture target"; }));
    ShowWindow(target, SW_HIDE);
    ASSERT_FALSE(IsWindowVisible(target));

    EXPECT_EQ(0u, CloseTarnvik(&tarnvik));
    EXPECT_TRUE(IsWindowVisible(target)) << "closing shows the target again";
}

TEST_F(WindowList, ClosingAfterTheTargetIsGoneExitsWithZero)
{
    HWND target = Fixture("Fixture doomed");
    Start();
    DoubleClickItem(list, PositionOf(target));
    ASSERT_TRUE(WaitUntil([&] { return TextOf(label) == PROMPT + "Fixture doomed"; }));
    DestroyWindow(target);
    EXPECT_EQ(0u, CloseTarnvik(&tarnvik));
}
