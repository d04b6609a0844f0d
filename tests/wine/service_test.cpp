// The visual style inside one process: controls that exist when it is
// applied, controls created afterwards, controls of other classes, and
// giving the controls their own look back. Read from the screen.
#include <gtest/gtest.h>

#include "harness.h"

#include <commctrl.h>
#include <string.h>
#include "ui/visual_style.h"

static const COLORREF FRAME = RGB(198, 197, 215);

struct ControlRow {
    const char* className;
    DWORD style;
    DWORD exStyle;
    bool disabled;
    bool styled;          // drawn in the flat look while it is in force
    int ringColorIndex;   // edit boxes and combo boxes: the system colour of the inner ring; -1 elsewhere
    const char* name;
};

static const ControlRow ROWS[] = {
    {"EDIT", WS_BORDER | ES_MULTILINE, 0, false, true, COLOR_WINDOW, "edit box with a border"},
    {"EDIT", WS_BORDER, 0, false, true, COLOR_WINDOW, "single-line edit box with a border"},
    {"EDIT", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, false, true, COLOR_WINDOW, "edit box with a client edge"},
    {"EDIT", WS_BORDER | ES_READONLY, 0, false, true, COLOR_BTNFACE, "read-only edit box"},
    {"EDIT", WS_BORDER, 0, true, true, COLOR_BTNFACE, "disabled edit box"},
    {"EDIT", 0, 0, false, false, -1, "edit box without a border"},
    {"BUTTON", BS_PUSHBUTTON, 0, false, true, -1, "push button"},
    {"BUTTON", BS_AUTOCHECKBOX, 0, false, true, -1, "check box"},
    {"BUTTON", BS_AUTORADIOBUTTON, 0, false, true, -1, "radio button"},
    {"BUTTON", BS_GROUPBOX, 0, false, true, -1, "group box"},
    {"COMBOBOX", CBS_DROPDOWNLIST, 0, false, true, COLOR_WINDOW, "drop-down list combo box"},
    {UPDOWN_CLASSA, 0, 0, false, true, -1, "up-down control"},
    {"LISTBOX", WS_BORDER, 0, false, false, -1, "list box"},
    {"STATIC", WS_BORDER, 0, false, false, -1, "static control"},
    {WC_TABCONTROLA, 0, 0, false, false, -1, "tab control"},
};
enum { ROW_COUNT = sizeof ROWS / sizeof ROWS[0] };

class Service : public ::testing::Test {
protected:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_UPDOWN_CLASS | ICC_TAB_CLASSES};
        InitCommonControlsEx(&controls);
        SetCursorPos(1, 1);
        host = MakeButtonFaceWindow(30, 30, 700, 420);
        ASSERT_NE((HWND)NULL, host);
    }
    void TearDown() override
    {
        ApplyVisualStyle(0);
        DestroyWindow(host);
    }

    // The controls of the table in a grid, created now.
    void CreateRows(HWND* controls, int column)
    {
        for (int i = 0; i < ROW_COUNT; i++) {
            const ControlRow& row = ROWS[i];
            int x = 10 + column * 230, y = 10 + i * 26;
            int height = !strcmp(row.className, "COMBOBOX") ? 120 : 22;  // a combo box counts its list in
            controls[i] = CreateWindowExA(row.exStyle, row.className, "Ab", WS_CHILD | WS_VISIBLE | row.style, x, y,
                                          200, height, host, NULL, GetModuleHandleA(NULL), NULL);
            SendMessageA(controls[i], WM_SETFONT, (WPARAM)GetStockObject(DEFAULT_GUI_FONT), FALSE);
            if (row.disabled)
                EnableWindow(controls[i], FALSE);
        }
    }

    static void Settle(HWND window)
    {
        RedrawWindow(window, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Pump(300);
    }

    HWND host = NULL;
};

// What the screen shows of one control, against the row.
static void ExpectLook(HWND control, const ControlRow& row, bool inForce)
{
    SCOPED_TRACE(row.name);
    RECT rect = WindowRectOf(control);
    Screenshot shot = CaptureScreen(rect);
    int framePixels = CountPixels(shot, rect, [](COLORREF c) { return c == FRAME; });
    if (!inForce || !row.styled) {
        EXPECT_EQ(0, framePixels) << "drawn in the flat look";
        return;
    }
    EXPECT_LE(20, framePixels) << "not drawn in the flat look";
    if (row.ringColorIndex >= 0) {
        EXPECT_EQ("", RingMismatch(shot, rect, 0, FRAME));
        EXPECT_EQ("", RingMismatch(shot, rect, 1, GetSysColor(row.ringColorIndex)));
    }
    if (!strcmp(row.className, "BUTTON") && row.style == BS_PUSHBUTTON) {
        EXPECT_EQ("", RingMismatch(shot, rect, 0, FRAME));
    }
}

TEST_F(Service, StylesControlsThatExistAndThoseCreatedLater)
{
    HWND before[ROW_COUNT], after[ROW_COUNT];
    CreateRows(before, 0);
    EXPECT_EQ(1, ApplyVisualStyle(3));
    CreateRows(after, 1);
    Settle(host);
    for (int i = 0; i < ROW_COUNT; i++) {
        SCOPED_TRACE("created before");
        ExpectLook(before[i], ROWS[i], true);
    }
    for (int i = 0; i < ROW_COUNT; i++) {
        SCOPED_TRACE("created after");
        ExpectLook(after[i], ROWS[i], true);
    }
}

TEST_F(Service, DropDownListsOfComboBoxesAreFramed)
{
    HWND before[ROW_COUNT], after[ROW_COUNT];
    CreateRows(before, 0);
    ApplyVisualStyle(3);
    CreateRows(after, 1);
    for (HWND* controls : {before, after}) {
        HWND combo = controls[10];
        ASSERT_EQ("ComboBox", ClassOf(combo));
        SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM) "one");
        SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM) "two");
        SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
        COMBOBOXINFO info = {};
        info.cbSize = sizeof info;
        ASSERT_TRUE(GetComboBoxInfo(combo, &info));
        ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(info.hwndList) != 0; }));
        Settle(info.hwndList);
        RECT rect = WindowRectOf(info.hwndList);
        EXPECT_EQ("", RingMismatch(CaptureScreen(rect), rect, 0, FRAME)) << (controls == before ? "before" : "after");
        SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
    }
}

TEST_F(Service, ZeroGivesEveryControlItsOwnLookBack)
{
    HWND before[ROW_COUNT], after[ROW_COUNT], later[ROW_COUNT];
    CreateRows(before, 0);
    ApplyVisualStyle(3);
    CreateRows(after, 1);
    EXPECT_EQ(0, ApplyVisualStyle(0));
    CreateRows(later, 2);
    Settle(host);
    for (int i = 0; i < ROW_COUNT; i++) {
        ExpectLook(before[i], ROWS[i], false);
        ExpectLook(after[i], ROWS[i], false);
        ExpectLook(later[i], ROWS[i], false);
    }
    // The edit box draws its own black line again.
    RECT rect = WindowRectOf(after[0]);
    EXPECT_EQ("", RingMismatch(CaptureScreen(rect), rect, 0, GetSysColor(COLOR_WINDOWFRAME)));

    // Applying it again takes all of them over once more.
    EXPECT_EQ(1, ApplyVisualStyle(3));
    Settle(host);
    for (int i = 0; i < ROW_COUNT; i++)
        ExpectLook(later[i], ROWS[i], true);
}

TEST_F(Service, SchemesOneToThreeShareTheLookOthersRemoveIt)
{
    static const struct {
        int scheme;
        bool inForce;
    } SCHEMES[] = {{1, true}, {2, true}, {3, true}, {0, false}, {4, false}, {-1, false}};
    for (const auto& scheme : SCHEMES) {
        SCOPED_TRACE(::testing::Message() << "scheme " << scheme.scheme);
        ApplyVisualStyle(3);
        EXPECT_EQ(scheme.inForce ? 1 : 0, ApplyVisualStyle(scheme.scheme));
        HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 200, 22, host, NULL,
                                    GetModuleHandleA(NULL), NULL);
        Settle(host);
        ExpectLook(edit, ROWS[1], scheme.inForce);
        DestroyWindow(edit);
        ApplyVisualStyle(0);
    }
}

TEST_F(Service, StyledControlsComeAndGo)
{
    ApplyVisualStyle(3);
    // Many styled controls come and go; each takes its styling with it.
    for (int round = 0; round < 200; round++) {
        HWND button = CreateWindowExA(0, "BUTTON", "x", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80, 24, host,
                                      NULL, GetModuleHandleA(NULL), NULL);
        ASSERT_NE((HWND)NULL, button);
        UpdateWindow(button);
        DestroyWindow(button);
    }
    HWND button = CreateWindowExA(0, "BUTTON", "x", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80, 24, host, NULL,
                                  GetModuleHandleA(NULL), NULL);
    Settle(host);
    ExpectLook(button, ROWS[6], true);
    EXPECT_EQ(0, ApplyVisualStyle(0));
    Settle(host);
    ExpectLook(button, ROWS[6], false);
}

TEST_F(Service, PointerOverAButtonChangesItsLookUntilItLeaves)
{
    ApplyVisualStyle(3);
    HWND button = CreateWindowExA(0, "BUTTON", "x", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80, 24, host, NULL,
                                  GetModuleHandleA(NULL), NULL);
    Settle(host);
    RECT rect = WindowRectOf(button);
    COLORREF resting = PixelAt(CaptureScreen(rect), rect.left + 10, rect.top + 3);
    SetCursorPos(rect.left + 20, rect.top + 12);
    EXPECT_TRUE(WaitUntil([&] { return PixelAt(CaptureScreen(rect), rect.left + 10, rect.top + 3) != resting; }))
        << "no hover look";
    EXPECT_NE("", RingMismatch(CaptureScreen(rect), rect, 0, FRAME)) << "hover frame";
    SetCursorPos(1, 1);
    EXPECT_TRUE(WaitUntil([&] { return PixelAt(CaptureScreen(rect), rect.left + 10, rect.top + 3) == resting; }))
        << "hover look stays";
    EXPECT_EQ("", RingMismatch(CaptureScreen(rect), rect, 0, FRAME));
}
