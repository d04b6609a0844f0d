// The main window's look, read from the screen: the flat frames the visual
// style gives the edit boxes, buttons and check box, and the colours and
// looks of the controls it leaves alone.
#include <gtest/gtest.h>

#include "harness.h"

#include <commctrl.h>
#include <stdlib.h>
#include "ui/ids.h"

static const COLORREF FRAME = RGB(198, 197, 215);
static const COLORREF MESSAGE_BOX_BACK = RGB(224, 224, 224);
static const COLORREF INTERVAL_BOX_BACK = RGB(236, 236, 236);

class Look : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(936u, GetACP());
        SetCursorPos(1, 1);  // no hover look anywhere
        ASSERT_TRUE(StartTarnvik(&tarnvik));
        // Shown is not yet painted: wait for the first message box's frame.
        HWND box = Control(tarnvik, 编辑框1);
        WaitUntil([&] { return RingMismatch(Shot(box), WindowRectOf(box), 0, FRAME).empty(); });
        Pump(200);
    }
    void TearDown() override { StopTarnvik(&tarnvik); }

    static Screenshot Shot(HWND window) { return CaptureScreen(WindowRectOf(window)); }

    void SelectPage(int page)
    {
        HWND tab = Control(tarnvik, 选择夹2);
        RECT item = TabItemRect(tab, page - 1);
        Click(tab, (item.left + item.right) / 2, (item.top + item.bottom) / 2);
        HWND box = Control(tarnvik, 编辑框1 + page - 1);
        ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(box) != 0; }));
        WaitUntil([&] { return RingMismatch(Shot(box), WindowRectOf(box), 0, FRAME).empty(); });
    }

    Tarnvik tarnvik = {};
};

static bool Reddish(COLORREF c)
{
    return GetRValue(c) >= 200 && GetGValue(c) <= 100 && GetBValue(c) <= 100;
}

static bool Bluish(COLORREF c)
{
    return GetBValue(c) >= 200 && GetRValue(c) <= 100 && GetGValue(c) <= 100;
}

static bool DarkRed(COLORREF c)
{
    return GetRValue(c) < 200 && GetRValue(c) >= GetGValue(c) + 60 && GetRValue(c) >= GetBValue(c) + 60;
}

// Black text, smoothed into greys.
static bool Dark(COLORREF c)
{
    int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
    return r <= 136 && g <= 136 && b <= 136 && abs(r - g) <= 16 && abs(g - b) <= 16;
}

TEST_F(Look, EveryEditBoxHasTheFlatFrame)
{
    struct Row {
        int id;
        int page;  // tab page that shows it; 0 for the interval box
        COLORREF inside;
    };
    static const Row ROWS[] = {
        {编辑框, 0, INTERVAL_BOX_BACK}, {编辑框1, 1, MESSAGE_BOX_BACK}, {编辑框2, 2, MESSAGE_BOX_BACK},
        {编辑框3, 3, MESSAGE_BOX_BACK}, {编辑框4, 4, MESSAGE_BOX_BACK}, {编辑框5, 5, MESSAGE_BOX_BACK},
    };
    for (const Row& row : ROWS) {
        SCOPED_TRACE(::testing::Message() << "control id " << row.id);
        if (row.page)
            SelectPage(row.page);
        HWND box = Control(tarnvik, row.id);
        RECT rect = WindowRectOf(box);
        COLORREF window = GetSysColor(COLOR_WINDOW);
        // A box just shown paints its frame and its inside in separate steps.
        Screenshot shot;
        WaitUntil([&] {
            shot = CaptureScreen(rect);
            return RingMismatch(shot, rect, 0, FRAME).empty() && RingMismatch(shot, rect, 1, window).empty() &&
                   PixelAt(shot, rect.right - 3, rect.bottom - 3) == row.inside;
        }, 2000);
        EXPECT_EQ("", RingMismatch(shot, rect, 0, FRAME));
        EXPECT_EQ("", RingMismatch(shot, rect, 1, window));
        // The bottom right corner holds no text.
        EXPECT_EQ(ColorText(row.inside), ColorText(PixelAt(shot, rect.right - 3, rect.bottom - 3)));
    }
}

TEST_F(Look, ButtonsAndCheckBoxAreFlat)
{
    for (int id : {按钮1, 按钮2}) {
        SCOPED_TRACE(::testing::Message() << "control id " << id);
        HWND button = Control(tarnvik, id);
        RECT rect = WindowRectOf(button);
        Screenshot shot = CaptureScreen(rect);
        EXPECT_EQ("", RingMismatch(shot, rect, 0, FRAME));
        EXPECT_LT(0, CountPixels(shot, rect, Dark)) << "caption";
    }
    // The box is a square of the frame colour around the window colour.
    HWND check = Control(tarnvik, 选择框);
    RECT rect = WindowRectOf(check);
    Screenshot shot = CaptureScreen(rect);
    EXPECT_LE(48, CountPixels(shot, rect, [](COLORREF c) { return c == FRAME; }));
    COLORREF window = GetSysColor(COLOR_WINDOW);
    EXPECT_LE(11 * 11 - 20, CountPixels(shot, rect, [&](COLORREF c) { return c == window; }));
    EXPECT_LT(10, CountPixels(shot, rect, DarkRed)) << "dark red caption";
}

TEST_F(Look, ListBoxLabelsAndLinkKeepTheirColours)
{
    HWND list = Control(tarnvik, 列表框);
    RECT outer = WindowRectOf(list);
    Screenshot shot = CaptureScreen(outer);
    // The sunken edge of the system, not the flat frame.
    int x = outer.left + 5;
    EXPECT_EQ(ColorText(GetSysColor(COLOR_BTNSHADOW)), ColorText(PixelAt(shot, x, outer.top)));
    EXPECT_EQ(ColorText(GetSysColor(COLOR_3DDKSHADOW)), ColorText(PixelAt(shot, x, outer.top + 1)));
    EXPECT_EQ(ColorText(GetSysColor(COLOR_BTNHIGHLIGHT)), ColorText(PixelAt(shot, x, outer.bottom - 1)));
    EXPECT_EQ(ColorText(GetSysColor(COLOR_3DLIGHT)), ColorText(PixelAt(shot, x, outer.bottom - 2)));
    // White behind the items: the right end of every row is empty.
    RECT client = ClientRectOnScreen(list);
    RECT rightEnd = {client.right - 3, client.top, client.right, client.bottom};
    int rightEndSize = 3 * (client.bottom - client.top);
    EXPECT_EQ(rightEndSize, CountPixels(shot, rightEnd, [](COLORREF c) { return c == RGB(255, 255, 255); }));

    struct Presence {
        int id;
        bool (*wanted)(COLORREF);
        int atLeast;
        const char* what;
    };
    static const Presence TEXTS[] = {
        {标签1, Reddish, 20, "red status text"},
        {超级链接框1, Bluish, 10, "blue link text"},
        {标签, Dark, 10, "black unit text"},
    };
    for (const Presence& text : TEXTS) {
        HWND control = Control(tarnvik, text.id);
        RECT rect = WindowRectOf(control);
        EXPECT_LE(text.atLeast, CountPixels(CaptureScreen(rect), rect, text.wanted)) << text.what;
        // Nothing of the flat look reaches them.
        EXPECT_EQ(0, CountPixels(CaptureScreen(rect), rect, [](COLORREF c) { return c == FRAME; })) << text.what;
    }
}

// A tab control like the form's, made in this process, where no style is in
// force.
static HWND MakeReferenceTab(HWND* parent)
{
    *parent = MakeButtonFaceWindow(10, 10, 340, 180);
    HWND tab = CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TCS_BOTTOM, 8, 8, 320,
                               158, *parent, NULL, GetModuleHandleA(NULL), NULL);
    SendMessageA(tab, WM_SETFONT, (WPARAM)GetStockObject(DEFAULT_GUI_FONT), FALSE);
    static const char* const CAPTIONS[] = {"第一句话", "第二句话", "第三句话", "第四句话", "第五句话"};
    for (int k = 0; k < 5; k++) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = (char*)CAPTIONS[k];
        SendMessageA(tab, TCM_INSERTITEMA, k, (LPARAM)&item);
    }
    SendMessageA(tab, TCM_SETCURSEL, 0, 0);
    UpdateWindow(*parent);
    return tab;
}

TEST_F(Look, TabControlDrawnAsWithoutTheStyle)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    HWND parent;
    HWND reference = MakeReferenceTab(&parent);
    Pump(300);

    HWND tab = Control(tarnvik, 选择夹2);
    RECT ours = WindowRectOf(tab), theirs = WindowRectOf(reference);
    ASSERT_EQ(ours.right - ours.left, theirs.right - theirs.left);
    ASSERT_EQ(ours.bottom - ours.top, theirs.bottom - theirs.top);
    Screenshot styled = CaptureScreen(ours), plain = CaptureScreen(theirs);
    ASSERT_LT(100, CountPixels(plain, theirs, Dark)) << "the reference shows no tab captions";
    RECT box = WindowRectOf(Control(tarnvik, 编辑框1));  // the page's content differs
    int differing = 0;
    std::string first;
    for (int y = 0; y < ours.bottom - ours.top; y++)
        for (int x = 0; x < ours.right - ours.left; x++) {
            POINT at = {ours.left + x, ours.top + y};
            if (PtInRect(&box, at))
                continue;
            COLORREF a = PixelAt(styled, at.x, at.y), b = PixelAt(plain, theirs.left + x, theirs.top + y);
            if (a != b && differing++ == 0)
                first = std::to_string(x) + "," + std::to_string(y) + ": " + ColorText(a) + " vs " + ColorText(b);
        }
    EXPECT_EQ(0, differing) << "first at " << first;
    DestroyWindow(parent);
}
