// The main window and its controls as another program sees them.
#include <gtest/gtest.h>

#include "harness.h"

#include <commctrl.h>
#include "ui/ids.h"

#define ADDRESS "http://www.brosk.example/"
#define DEFAULT_MESSAGE "全面的网页游戏开服表：" ADDRESS

class Form : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(936u, GetACP());
        ASSERT_TRUE(StartTarnvik(&tarnvik));
    }
    void TearDown() override { StopTarnvik(&tarnvik); }
    Tarnvik tarnvik = {};
};

TEST_F(Form, TextsAreCodePage936Bytes)
{
    // The literals of the program and of these tests alike turn into GBK.
    EXPECT_EQ("D2 FE B2 D8 D3 CE CF B7 BA B0 BB B0", Hex(TextOf(Control(tarnvik, 按钮1))));
    EXPECT_EQ("CB A2 D0 C2", Hex(TextOf(Control(tarnvik, 按钮2))));
}

TEST_F(Form, MainWindowFrame)
{
    HWND main = tarnvik.main;
    RECT outer;
    GetWindowRect(main, &outer);
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ((width - 337) / 2, outer.left);
    EXPECT_EQ((height - 347) / 2, outer.top);
    EXPECT_EQ(337, outer.right - outer.left);
    EXPECT_EQ(347, outer.bottom - outer.top);

    // Top-level windows always clip their siblings; the rest is the form's.
    LONG style = GetWindowLongA(main, GWL_STYLE);
    EXPECT_EQ(WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VISIBLE,
              (DWORD)style);
    EXPECT_FALSE(style & WS_THICKFRAME) << "must not be resizable";
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    // The system gives every captioned window the raised edge.
    EXPECT_EQ((DWORD)(WS_EX_TOPMOST | WS_EX_WINDOWEDGE), (DWORD)GetWindowLongA(main, GWL_EXSTYLE));
    EXPECT_EQ(NULL, GetWindow(main, GW_OWNER));
    EXPECT_EQ("Tarnvik " ADDRESS, TextOf(main));
    EXPECT_EQ("TarnvikMainWindow", ClassOf(main));
    EXPECT_EQ(main, GetForegroundWindow());
}

struct ControlRow {
    int id;
    const char* className;
    bool onTab;  // child of the tab control, else of the main window
    RECT rect;   // in the parent's client area
    bool visible;
    DWORD style;
    DWORD exStyle;
    const char* text;
};

static const DWORD CHILD = WS_CHILD | WS_CLIPSIBLINGS;
static const DWORD PUSH = CHILD | WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER;
// An edit control with WS_BORDER and no client edge takes WS_BORDER off its
// style and draws the one-pixel border itself.
static const DWORD MESSAGE_BOX = CHILD | WS_TABSTOP | ES_LEFT | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;

static const ControlRow CONTROLS[] = {
    {超级链接框1, "TarnvikHyperlink", false, {214, 2, 316, 24}, true, CHILD, 0, "Brosk开服表"},
    {按钮2, "Button", false, {280, 130, 320, 154}, true, PUSH, 0, "刷新"},
    {按钮1, "Button", false, {157, 131, 261, 155}, true, PUSH, 0, "隐藏游戏喊话"},
    {标签1, "TarnvikLabel", false, {8, 0, 328, 24}, true, CHILD, 0, "请[双击选择]-接收发言信息的窗口"},
    // WS_VSCROLL is left out here: the list box drops it while its items fit.
    {列表框, "ListBox", false, {8, 24, 328, 128}, true,
     CHILD | WS_TABSTOP | LBS_NOTIFY | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE, ""},
    // The tab control adds WS_CLIPSIBLINGS to its own style when it is created.
    {选择夹2, "SysTabControl32", false, {8, 162, 328, 320}, true, WS_CHILD | WS_CLIPSIBLINGS | TCS_BOTTOM, 0, ""},
    {选择框, "Button", false, {16, 138, 88, 154}, true,
     CHILD | WS_TABSTOP | BS_AUTOCHECKBOX | BS_MULTILINE | BS_LEFT | BS_VCENTER, 0, "自动喊话"},
    {编辑框, "Edit", false, {88, 136, 114, 154}, true, CHILD | WS_TABSTOP | ES_AUTOHSCROLL | ES_CENTER,
     WS_EX_CLIENTEDGE, "10"},
    {标签, "TarnvikLabel", false, {118, 138, 132, 152}, true, CHILD, 0, "秒"},
    {编辑框1, "Edit", true, {8, 8, 312, 134}, true, MESSAGE_BOX, 0, DEFAULT_MESSAGE},
    {编辑框2, "Edit", true, {8, 8, 312, 134}, false, MESSAGE_BOX, 0, DEFAULT_MESSAGE},
    {编辑框3, "Edit", true, {8, 8, 312, 134}, false, MESSAGE_BOX, 0, DEFAULT_MESSAGE},
    {编辑框4, "Edit", true, {8, 8, 312, 134}, false, MESSAGE_BOX, 0, DEFAULT_MESSAGE},
    {编辑框5, "Edit", true, {8, 8, 312, 134}, false, MESSAGE_BOX, 0, DEFAULT_MESSAGE},
};

TEST_F(Form, EveryControlAsTheTableSays)
{
    HWND tab = Control(tarnvik, 选择夹2);
    for (const ControlRow& row : CONTROLS) {
        SCOPED_TRACE(::testing::Message() << "control id " << row.id);
        HWND control = Control(tarnvik, row.id);
        ASSERT_NE((HWND)NULL, control);
        EXPECT_EQ(row.className, ClassOf(control));
        EXPECT_EQ(row.onTab ? tab : tarnvik.main, GetParent(control));
        RECT rect = RectInParent(control);
        EXPECT_EQ(row.rect.left, rect.left);
        EXPECT_EQ(row.rect.top, rect.top);
        EXPECT_EQ(row.rect.right, rect.right);
        EXPECT_EQ(row.rect.bottom, rect.bottom);
        DWORD style = (DWORD)GetWindowLongA(control, GWL_STYLE);
        EXPECT_EQ(row.visible, (style & WS_VISIBLE) != 0);
        DWORD compared = style & ~(WS_VISIBLE | (row.id == 列表框 ? WS_VSCROLL : 0));
        EXPECT_EQ(row.style, compared) << std::hex << (row.style ^ compared);
        EXPECT_EQ(row.exStyle, (DWORD)GetWindowLongA(control, GWL_EXSTYLE));
        EXPECT_EQ(Hex(row.text), Hex(TextOf(control)));
        EXPECT_TRUE(IsWindowEnabled(control));
    }
}

TEST_F(Form, ControlsStackInTableOrder)
{
    std::vector<int> mainOrder, tabOrder;
    for (HWND child = GetWindow(tarnvik.main, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        mainOrder.push_back(GetDlgCtrlID(child));
    for (HWND child = GetWindow(Control(tarnvik, 选择夹2), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        tabOrder.push_back(GetDlgCtrlID(child));
    EXPECT_EQ((std::vector<int>{超级链接框1, 按钮2, 按钮1, 标签1, 列表框, 选择夹2, 选择框, 编辑框, 标签}), mainOrder);
    EXPECT_EQ((std::vector<int>{编辑框1, 编辑框2, 编辑框3, 编辑框4, 编辑框5}), tabOrder);
}

TEST_F(Form, LimitsItemHeightAndInitialStates)
{
    for (int id = 编辑框1; id <= 编辑框5; id++) {
        HWND box = Control(tarnvik, id);
        EXPECT_EQ(116, SendMessageA(box, EM_GETLIMITTEXT, 0, 0));
        DWORD start = 1, end = 1;
        SendMessageA(box, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
        EXPECT_EQ(0u, start);
        EXPECT_EQ(0u, end);
    }
    EXPECT_EQ(2, SendMessageA(Control(tarnvik, 编辑框), EM_GETLIMITTEXT, 0, 0));
    EXPECT_EQ(BST_UNCHECKED, SendMessageA(Control(tarnvik, 选择框), BM_GETCHECK, 0, 0));
    HWND list = Control(tarnvik, 列表框);
    EXPECT_EQ(LB_ERR, SendMessageA(list, LB_GETCURSEL, 0, 0));

    // A list box of the same font in this process gives the default height.
    HWND plain = CreateWindowExA(0, "LISTBOX", "", WS_POPUP | LBS_NOTIFY, 0, 0, 100, 100, NULL, NULL, NULL, NULL);
    SendMessageA(plain, WM_SETFONT, (WPARAM)GetStockObject(DEFAULT_GUI_FONT), FALSE);
    LRESULT defaultHeight = SendMessageA(plain, LB_GETITEMHEIGHT, 0, 0);
    DestroyWindow(plain);
    EXPECT_EQ(defaultHeight + 1, SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
}

TEST_F(Form, FiveTabsAlongTheBottomAndPageSwitching)
{
    HWND tab = Control(tarnvik, 选择夹2);
    const char* captions[] = {"第一句话", "第二句话", "第三句话", "第四句话", "第五句话"};
    ASSERT_EQ(5, SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
    for (int k = 0; k < 5; k++)
        EXPECT_EQ(Hex(captions[k]), Hex(TabText(tab, k))) << "tab " << k + 1;
    EXPECT_EQ(0, SendMessageA(tab, TCM_GETCURSEL, 0, 0));
    RECT client, first = TabItemRect(tab, 0);
    GetClientRect(tab, &client);
    EXPECT_GT(first.top, client.bottom / 2) << "the tabs lie along the lower edge";

    SetWindowTextA(Control(tarnvik, 编辑框1), "first page text");
    for (int page : {3, 5, 1, 2}) {
        SCOPED_TRACE(::testing::Message() << "tab " << page);
        RECT item = TabItemRect(tab, page - 1);
        Click(tab, (item.left + item.right) / 2, (item.top + item.bottom) / 2);
        HWND shown = Control(tarnvik, 编辑框1 + page - 1);
        ASSERT_TRUE(WaitUntil([&] { return FocusOf(tab) == shown; })) << "focus goes to the shown box";
        EXPECT_EQ(page - 1, SendMessageA(tab, TCM_GETCURSEL, 0, 0));
        for (int k = 1; k <= 5; k++)
            EXPECT_EQ(k == page, IsWindowVisible(Control(tarnvik, 编辑框1 + k - 1)) != 0) << "box " << k;
    }
    EXPECT_EQ("first page text", TextOf(Control(tarnvik, 编辑框1))) << "a hidden page keeps its text";
    EXPECT_EQ(DEFAULT_MESSAGE, TextOf(Control(tarnvik, 编辑框3)));
}

static int ZOrderOf(HWND window)
{
    int position = 0;
    for (HWND w = GetTopWindow(NULL); w; w = GetWindow(w, GW_HWNDNEXT), position++)
        if (w == window)
            return position;
    return -1;
}

TEST_F(Form, StaysAboveAnActivatedWindowAndCanBeMinimised)
{
    HWND other = MakeFixtureWindow("Fixture other program", true);
    SetWindowPos(other, HWND_TOP, 300, 200, 500, 400, SWP_SHOWWINDOW);
    SetForegroundWindow(other);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == other; }));
    EXPECT_LT(ZOrderOf(tarnvik.main), ZOrderOf(other)) << "topmost: above the active window";

    PostMessageA(tarnvik.main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(WaitUntil([&] { return IsIconic(tarnvik.main) != 0; }));
    DestroyWindow(other);
}

TEST_F(Form, CloseButtonEndsTheProgramWithCodeZero)
{
    // The close button's system command destroys the window without a question.
    PostMessageA(tarnvik.main, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(0u, WaitForExit(tarnvik.process.hProcess));
    EXPECT_FALSE(IsWindow(tarnvik.main));
}
