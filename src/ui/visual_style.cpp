// The flat look. Every standard control of the kinds below that this thread
// owns is subclassed, whether it exists when the look is applied or is
// created later (a thread-local CBT hook sees each creation), and is then
// painted here through a memory DC. Its state lives with the subclass and is
// freed when the window goes.
#include "visual_style.h"

#include <windows.h>
#include <commctrl.h>

static const COLORREF FRAME_COLOR = RGB(198, 197, 215);  // scheme 3's frame
static const COLORREF HOT_FRAME_COLOR = RGB(122, 134, 196);
static const COLORREF FACE_COLOR = RGB(251, 251, 253);
static const COLORREF HOT_FACE_COLOR = RGB(233, 238, 252);
static const COLORREF PRESSED_FACE_COLOR = RGB(211, 220, 244);
static const COLORREF MARK_COLOR = RGB(52, 60, 112);

enum { STYLE_SUBCLASS_ID = 0x5354, CHECK_BOX_SIZE = 13, CHECK_TEXT_GAP = 4 };

enum ControlKind { NOT_STYLED, BUTTON_KIND, EDIT_KIND, COMBO_KIND, DROP_LIST_KIND, UP_DOWN_KIND };

// Up-down controls have two parts; every other kind has one.
enum { NO_PART, FIRST_PART, SECOND_PART };

struct StyledControl {
    int kind;
    int ownBorder;    // an edit box that draws its one-pixel border inside its client area
    int hotPart;      // the part under the pointer
    int pressedPart;  // the up-down part held down
};

static HHOOK creationHook;

// ---- what gets styled

static int StyledButtonType(LONG style)
{
    if (style & (BS_BITMAP | BS_ICON))
        return 0;  // pictures keep their own look
    switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_GROUPBOX:
    case BS_AUTORADIOBUTTON:
        return 1;
    }
    return 0;
}

// Border widths drawn by the system around the client area.
static int FrameWidth(HWND window)
{
    LONG style = GetWindowLongA(window, GWL_STYLE), exStyle = GetWindowLongA(window, GWL_EXSTYLE);
    int width = 0;
    if (exStyle & WS_EX_CLIENTEDGE)
        width += GetSystemMetrics(SM_CXEDGE);
    if (exStyle & WS_EX_STATICEDGE)
        width += GetSystemMetrics(SM_CXBORDER);
    if (style & WS_BORDER)
        width += GetSystemMetrics(SM_CXBORDER);
    return width;
}

// An edit box given WS_BORDER without a client edge takes WS_BORDER off its
// style and draws the line itself; afterwards only its text, moved in from
// the client edge beyond its margin, shows it.
static int DrawsOwnBorder(HWND edit)
{
    RECT client, format;
    GetClientRect(edit, &client);
    SendMessageA(edit, EM_GETRECT, 0, (LPARAM)&format);
    LRESULT margins = SendMessageA(edit, EM_GETMARGINS, 0, 0);
    return format.left - client.left - (int)LOWORD(margins) > 0;
}

static int ClassIs(const char* name, const char* wanted)
{
    return lstrcmpiA(name, wanted) == 0;
}

// ownBorder: -1 for a window that exists already, else whether it was created
// with its own border.
static int KindOf(HWND window, int* ownBorder)
{
    char name[32];
    if (!GetClassNameA(window, name, sizeof name))
        return NOT_STYLED;
    if (ClassIs(name, "Button"))
        return StyledButtonType(GetWindowLongA(window, GWL_STYLE)) ? BUTTON_KIND : NOT_STYLED;
    if (ClassIs(name, "ComboBox"))
        return COMBO_KIND;
    if (ClassIs(name, "ComboLBox"))
        return DROP_LIST_KIND;
    if (ClassIs(name, UPDOWN_CLASSA))
        return UP_DOWN_KIND;
    if (!ClassIs(name, "Edit"))
        return NOT_STYLED;
    if (*ownBorder < 0)
        *ownBorder = FrameWidth(window) == 0 && DrawsOwnBorder(window);
    return *ownBorder || FrameWidth(window) ? EDIT_KIND : NOT_STYLED;
}

// ---- drawing helpers; the DC brush and pen create nothing to release

static void FillColor(HDC dc, const RECT* rect, COLORREF color)
{
    SetDCBrushColor(dc, color);
    FillRect(dc, rect, (HBRUSH)GetStockObject(DC_BRUSH));
}

static void FrameColor(HDC dc, const RECT* rect, COLORREF color)
{
    SetDCBrushColor(dc, color);
    FrameRect(dc, rect, (HBRUSH)GetStockObject(DC_BRUSH));
}

// The edit frame: the scheme's colour outside, the box's own inside.
static void DrawRings(HDC dc, RECT rect, COLORREF inner)
{
    FrameColor(dc, &rect, FRAME_COLOR);
    InflateRect(&rect, -1, -1);
    FrameColor(dc, &rect, inner);
}

static COLORREF InnerColor(HWND window)
{
    int writable = IsWindowEnabled(window) && !(GetWindowLongA(window, GWL_STYLE) & ES_READONLY);
    return GetSysColor(writable ? COLOR_WINDOW : COLOR_BTNFACE);
}

static COLORREF FaceColor(int enabled, int pressed, int hot)
{
    if (!enabled)
        return GetSysColor(COLOR_BTNFACE);
    if (pressed)
        return PRESSED_FACE_COLOR;
    return hot ? HOT_FACE_COLOR : FACE_COLOR;
}

enum Direction { UP, DOWN, LEFT, RIGHT };

// A small solid triangle centred in the rectangle.
static void DrawArrow(HDC dc, const RECT* area, int direction, COLORREF color)
{
    int cx = (area->left + area->right) / 2, cy = (area->top + area->bottom) / 2;
    for (int i = 0; i < 4; i++) {
        RECT line;
        if (direction == UP || direction == DOWN) {
            int y = direction == DOWN ? cy - 2 + i : cy + 1 - i;
            SetRect(&line, cx - 3 + i, y, cx + 4 - i, y + 1);
        } else {
            int x = direction == RIGHT ? cx - 2 + i : cx + 1 - i;
            SetRect(&line, x, cy - 3 + i, x + 1, cy + 4 - i);
        }
        FillColor(dc, &line, color);
    }
}

// The background the parent asks for; it also sets the caption colour.
static HBRUSH ParentBrush(HWND control, HDC dc, UINT message)
{
    HWND parent = GetParent(control);
    if (!parent)
        parent = control;
    HBRUSH brush = (HBRUSH)SendMessageA(parent, message, (WPARAM)dc, (LPARAM)control);
    return brush ? brush : (HBRUSH)DefWindowProcA(parent, message, (WPARAM)dc, (LPARAM)control);
}

static UINT LabelFormat(LONG style, int centredByDefault)
{
    UINT format = (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
    switch (style & BS_CENTER) {
    case BS_LEFT:
        return format;
    case BS_RIGHT:
        return format | DT_RIGHT;
    case BS_CENTER:
        return format | DT_CENTER;
    }
    return centredByDefault ? format | DT_CENTER : format;
}

// Where a button caption goes in the area by the button's alignment styles.
static RECT PlaceLabel(HDC dc, const char* text, const RECT* area, LONG style, UINT format)
{
    RECT size = *area;
    DrawTextA(dc, text, -1, &size, format | DT_CALCRECT);
    int areaWidth = area->right - area->left, areaHeight = area->bottom - area->top;
    int width = size.right - size.left, height = size.bottom - size.top;
    if (width > areaWidth)
        width = areaWidth;
    RECT place = *area;
    if (format & DT_CENTER)
        place.left = area->left + (areaWidth - width) / 2;
    else if (format & DT_RIGHT)
        place.left = area->right - width;
    switch (style & BS_VCENTER) {
    case BS_TOP:
        break;
    case BS_BOTTOM:
        place.top = area->bottom - height;
        break;
    default:
        place.top = area->top + (areaHeight - height) / 2;
    }
    place.right = place.left + width;
    place.bottom = place.top + height;
    return place;
}

// Draws the caption; returns where it went, for the focus mark.
static RECT DrawLabel(HDC dc, const char* text, const RECT* area, LONG style, int centredByDefault)
{
    UINT format = LabelFormat(style, centredByDefault);
    RECT place = PlaceLabel(dc, text, area, style, format);
    DrawTextA(dc, text, -1, &place, format);
    return place;
}

static void DrawFocusMark(HDC dc, RECT rect, const RECT* limit)
{
    InflateRect(&rect, 1, 1);
    IntersectRect(&rect, &rect, limit);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &rect);
}

// ---- buttons

struct ButtonLook {
    LONG style;
    LRESULT state;  // BM_GETSTATE
    int enabled;
    int hot;
    char text[512];
};

static void DrawPushButton(HDC dc, const RECT* client, const ButtonLook* look)
{
    int type = look->style & BS_TYPEMASK;
    int pushed = (look->state & BST_PUSHED) || ((look->style & BS_PUSHLIKE) && (look->state & BST_CHECKED));
    int focused = (look->state & BST_FOCUS) != 0;
    FillColor(dc, client, FaceColor(look->enabled, pushed, look->hot));
    int strong = look->enabled && (look->hot || focused || type == BS_DEFPUSHBUTTON);
    FrameColor(dc, client, strong ? HOT_FRAME_COLOR : FRAME_COLOR);

    RECT area = *client;
    InflateRect(&area, -3, -3);
    if (pushed)
        OffsetRect(&area, 1, 1);
    SetTextColor(dc, GetSysColor(look->enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    DrawLabel(dc, look->text, &area, look->style, 1);
    if (focused) {
        RECT mark = *client;
        InflateRect(&mark, -4, -4);
        DrawFocusMark(dc, mark, client);
    }
}

static void DrawCheckMark(HDC dc, const RECT* box, LRESULT state)
{
    if (state & BST_INDETERMINATE) {
        RECT inner = *box;
        InflateRect(&inner, -3, -3);
        FillColor(dc, &inner, MARK_COLOR);
    } else if (state & BST_CHECKED) {
        // a two-pixel tick of three strokes
        static const POINT TICK[] = {{3, 5}, {5, 7}, {10, 2}};
        HGDIOBJ oldPen = SelectObject(dc, GetStockObject(DC_PEN));
        SetDCPenColor(dc, MARK_COLOR);
        for (int row = 0; row < 2; row++) {
            MoveToEx(dc, box->left + TICK[0].x, box->top + TICK[0].y + row, NULL);
            LineTo(dc, box->left + TICK[1].x, box->top + TICK[1].y + row);
            LineTo(dc, box->left + TICK[2].x, box->top + TICK[2].y + row);
        }
        SelectObject(dc, oldPen);
    }
}

static void DrawRadioMark(HDC dc, const RECT* box, COLORREF frame, COLORREF inside, int checked)
{
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(DC_PEN));
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(DC_BRUSH));
    SetDCPenColor(dc, frame);
    SetDCBrushColor(dc, inside);
    Ellipse(dc, box->left, box->top, box->right, box->bottom);
    if (checked) {
        SetDCPenColor(dc, MARK_COLOR);
        SetDCBrushColor(dc, MARK_COLOR);
        Ellipse(dc, box->left + 4, box->top + 4, box->right - 4, box->bottom - 4);
    }
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
}

// The inside of a check box's square or a radio button's circle.
static COLORREF CheckBoxFillColor(const ButtonLook* look)
{
    if (!look->enabled)
        return GetSysColor(COLOR_BTNFACE);
    if (look->state & BST_PUSHED)
        return PRESSED_FACE_COLOR;
    return look->hot ? HOT_FACE_COLOR : GetSysColor(COLOR_WINDOW);
}

static void DrawCheckButton(HWND button, HDC dc, const RECT* client, const ButtonLook* look)
{
    FillRect(dc, client, ParentBrush(button, dc, WM_CTLCOLORSTATIC));
    COLORREF captionColor = GetTextColor(dc);

    int boxOnRight = (look->style & BS_LEFTTEXT) || (GetWindowLongA(button, GWL_EXSTYLE) & WS_EX_RIGHT);
    RECT box, area = *client;
    int top;
    switch (look->style & BS_VCENTER) {
    case BS_TOP:
        top = client->top + 1;
        break;
    case BS_BOTTOM:
        top = client->bottom - CHECK_BOX_SIZE - 1;
        break;
    default:
        top = client->top + (client->bottom - client->top - CHECK_BOX_SIZE) / 2;
    }
    int left = boxOnRight ? client->right - CHECK_BOX_SIZE : client->left;
    SetRect(&box, left, top, left + CHECK_BOX_SIZE, top + CHECK_BOX_SIZE);
    if (boxOnRight)
        area.right = box.left - CHECK_TEXT_GAP;
    else
        area.left = box.right + CHECK_TEXT_GAP;

    int type = look->style & BS_TYPEMASK;
    COLORREF inside = CheckBoxFillColor(look);
    COLORREF frame = look->enabled && look->hot ? HOT_FRAME_COLOR : FRAME_COLOR;
    if (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON) {
        DrawRadioMark(dc, &box, frame, inside, (look->state & BST_CHECKED) != 0);
    } else {
        FillColor(dc, &box, inside);
        FrameColor(dc, &box, frame);
        DrawCheckMark(dc, &box, look->state);
    }

    SetTextColor(dc, look->enabled ? captionColor : GetSysColor(COLOR_GRAYTEXT));
    RECT text = DrawLabel(dc, look->text, &area, look->style, 0);
    if ((look->state & BST_FOCUS) && look->text[0])
        DrawFocusMark(dc, text, client);
}

// Fills the whole buffer but returns the inside, which stays the parent's:
// controls grouped in the box may lie there.
static RECT DrawGroupBox(HWND button, HDC dc, const RECT* client, const ButtonLook* look)
{
    HBRUSH brush = ParentBrush(button, dc, WM_CTLCOLORSTATIC);
    COLORREF captionColor = GetTextColor(dc);
    FillRect(dc, client, brush);
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    RECT frame = *client;
    frame.top += metrics.tmHeight / 2;
    FrameColor(dc, &frame, FRAME_COLOR);

    if (look->text[0]) {
        RECT area = {client->left + 8, client->top, client->right - 8, client->top + metrics.tmHeight};
        LONG style = (look->style & ~(BS_MULTILINE | BS_VCENTER)) | BS_TOP;  // one line, at the top
        UINT format = LabelFormat(style, 0);
        RECT place = PlaceLabel(dc, look->text, &area, style, format);
        RECT gap = place;
        InflateRect(&gap, 2, 0);
        FillRect(dc, &gap, brush);
        SetTextColor(dc, look->enabled ? captionColor : GetSysColor(COLOR_GRAYTEXT));
        DrawTextA(dc, look->text, -1, &place, format);
    }
    RECT inside = {client->left + 1, client->top + metrics.tmHeight, client->right - 1, client->bottom - 1};
    return inside;
}

static RECT DrawButton(HWND button, const StyledControl* state, HDC dc, const RECT* client)
{
    ButtonLook look;
    look.style = GetWindowLongA(button, GWL_STYLE);
    look.state = SendMessageA(button, BM_GETSTATE, 0, 0);
    look.enabled = IsWindowEnabled(button);
    look.hot = state->hotPart != NO_PART;
    GetWindowTextA(button, look.text, sizeof look.text);

    HFONT font = (HFONT)SendMessageA(button, WM_GETFONT, 0, 0);
    HGDIOBJ oldFont = SelectObject(dc, font ? (HGDIOBJ)font : GetStockObject(SYSTEM_FONT));
    SetBkMode(dc, TRANSPARENT);
    RECT keep = {0, 0, 0, 0};
    int type = look.style & BS_TYPEMASK;
    if (type == BS_GROUPBOX)
        keep = DrawGroupBox(button, dc, client, &look);
    else if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || (look.style & BS_PUSHLIKE))
        DrawPushButton(dc, client, &look);
    else
        DrawCheckButton(button, dc, client, &look);
    SelectObject(dc, oldFont);
    return keep;
}

// ---- the other kinds

static void DrawCombo(HWND combo, const StyledControl* state, HDC dc, const RECT* client)
{
    if ((GetWindowLongA(combo, GWL_STYLE) & 3) == CBS_SIMPLE)
        return;  // its edit and list carry the borders
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    if (!GetComboBoxInfo(combo, &info))
        return;
    int enabled = IsWindowEnabled(combo);
    DrawRings(dc, *client, GetSysColor(enabled ? COLOR_WINDOW : COLOR_BTNFACE));
    RECT button = info.rcButton;
    int pressed = (info.stateButton & STATE_SYSTEM_PRESSED) != 0;
    FillColor(dc, &button, FaceColor(enabled, pressed, state->hotPart != NO_PART));
    RECT line = {button.left, button.top, button.left + 1, button.bottom};
    FillColor(dc, &line, FRAME_COLOR);
    DrawArrow(dc, &button, DOWN, enabled ? MARK_COLOR : GetSysColor(COLOR_GRAYTEXT));
}

static void UpDownParts(HWND upDown, RECT* first, RECT* second)
{
    RECT client;
    GetClientRect(upDown, &client);
    *first = *second = client;
    if (GetWindowLongA(upDown, GWL_STYLE) & UDS_HORZ)
        first->right = second->left = (client.left + client.right) / 2;
    else
        first->bottom = second->top = (client.top + client.bottom) / 2;
}

static int UpDownPartAt(HWND upDown, LPARAM position)
{
    RECT first, second;
    UpDownParts(upDown, &first, &second);
    POINT point = {(short)LOWORD(position), (short)HIWORD(position)};
    if (PtInRect(&first, point))
        return FIRST_PART;
    return PtInRect(&second, point) ? SECOND_PART : NO_PART;
}

static void DrawUpDown(HWND upDown, const StyledControl* state, HDC dc)
{
    int enabled = IsWindowEnabled(upDown);
    int horizontal = (GetWindowLongA(upDown, GWL_STYLE) & UDS_HORZ) != 0;
    RECT parts[2];
    UpDownParts(upDown, &parts[0], &parts[1]);
    for (int i = 0; i < 2; i++) {
        int part = FIRST_PART + i;
        FillColor(dc, &parts[i], FaceColor(enabled, state->pressedPart == part, state->hotPart == part));
        FrameColor(dc, &parts[i], FRAME_COLOR);
        int direction = horizontal ? (i ? RIGHT : LEFT) : (i ? DOWN : UP);
        DrawArrow(dc, &parts[i], direction, enabled ? MARK_COLOR : GetSysColor(COLOR_GRAYTEXT));
    }
}

// The control's own painting, without the clipping it leaves behind.
static void PaintAsUsual(HWND window, HDC dc)
{
    int saved = SaveDC(dc);
    DefSubclassProc(window, WM_PAINT, (WPARAM)dc, 0);
    RestoreDC(dc, saved);
}

// Draws the whole client area into dc; returns a part of it that must not be
// copied to the screen.
static RECT DrawStyled(HWND window, const StyledControl* state, HDC dc, const RECT* client)
{
    RECT keep = {0, 0, 0, 0};
    switch (state->kind) {
    case BUTTON_KIND:
        keep = DrawButton(window, state, dc, client);
        break;
    case EDIT_KIND:
        PaintAsUsual(window, dc);
        DrawRings(dc, *client, InnerColor(window));
        break;
    case COMBO_KIND:
        PaintAsUsual(window, dc);
        DrawCombo(window, state, dc, client);
        break;
    case UP_DOWN_KIND:
        DrawUpDown(window, state, dc);
        break;
    }
    return keep;
}

static int PaintsClientArea(HWND window, const StyledControl* state)
{
    switch (state->kind) {
    case BUTTON_KIND:
        return StyledButtonType(GetWindowLongA(window, GWL_STYLE));
    case EDIT_KIND:
        return state->ownBorder;
    case COMBO_KIND:
    case UP_DOWN_KIND:
        return 1;
    }
    return 0;
}

// ---- message handlers of a styled control

static LRESULT OnStyledPaint(HWND window, const StyledControl* state, UINT message, HDC given)
{
    if (!PaintsClientArea(window, state))
        return DefSubclassProc(window, message, (WPARAM)given, 0);
    PAINTSTRUCT ps;
    HDC target = given ? given : BeginPaint(window, &ps);
    RECT client;
    GetClientRect(window, &client);
    if (client.right > 0 && client.bottom > 0) {
        HDC buffer = CreateCompatibleDC(target);
        HBITMAP bitmap = CreateCompatibleBitmap(target, client.right, client.bottom);
        if (buffer && bitmap) {
            HGDIOBJ oldBitmap = SelectObject(buffer, bitmap);
            RECT keep = DrawStyled(window, state, buffer, &client);
            int saved = SaveDC(target);
            ExcludeClipRect(target, keep.left, keep.top, keep.right, keep.bottom);
            BitBlt(target, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
            RestoreDC(target, saved);
            SelectObject(buffer, oldBitmap);
        } else {
            PaintAsUsual(window, target);  // out of GDI memory: the control's own look
        }
        if (bitmap)
            DeleteObject(bitmap);
        if (buffer)
            DeleteDC(buffer);
    }
    if (!given)
        EndPaint(window, &ps);
    return 0;
}

// The system border becomes the two rings; scroll bars stay the system's.
static LRESULT OnStyledNcPaint(HWND window, const StyledControl* state, HRGN region)
{
    int width = FrameWidth(window);
    if (!width || (state->kind != EDIT_KIND && state->kind != DROP_LIST_KIND))
        return DefSubclassProc(window, WM_NCPAINT, (WPARAM)region, 0);
    RECT outer;
    GetWindowRect(window, &outer);
    if (GetWindowLongA(window, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) {
        HRGN inside = CreateRectRgn(outer.left + width, outer.top + width, outer.right - width, outer.bottom - width);
        if (inside) {
            if (region != (HRGN)1)
                CombineRgn(inside, inside, region, RGN_AND);
            DefSubclassProc(window, WM_NCPAINT, (WPARAM)inside, 0);
            DeleteObject(inside);
        }
    }
    OffsetRect(&outer, -outer.left, -outer.top);
    HDC dc = GetWindowDC(window);
    if (!dc)
        return 0;
    ExcludeClipRect(dc, width, width, outer.right - width, outer.bottom - width);
    FrameColor(dc, &outer, FRAME_COLOR);
    InflateRect(&outer, -1, -1);
    FillColor(dc, &outer, state->kind == EDIT_KIND ? InnerColor(window) : FRAME_COLOR);
    ReleaseDC(window, dc);
    return 0;
}

static void OnStyledMouseMove(HWND window, StyledControl* state, LPARAM position)
{
    if (state->kind == EDIT_KIND || state->kind == DROP_LIST_KIND)
        return;
    int part = state->kind == UP_DOWN_KIND ? UpDownPartAt(window, position) : FIRST_PART;
    if (part == state->hotPart)
        return;
    if (state->hotPart == NO_PART) {
        TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, window, 0};
        TrackMouseEvent(&track);
    }
    state->hotPart = part;
    InvalidateRect(window, NULL, FALSE);
}

static void OnStyledMouseLeave(HWND window, StyledControl* state)
{
    if (state->hotPart == NO_PART)
        return;
    state->hotPart = NO_PART;
    InvalidateRect(window, NULL, FALSE);
}

static void SetPressedPart(HWND window, StyledControl* state, int part)
{
    if (state->kind != UP_DOWN_KIND || part == state->pressedPart)
        return;
    state->pressedPart = part;
    InvalidateRect(window, NULL, FALSE);
}

// The button's own processing of these messages draws the classic look at
// once; it is run while the window counts as hidden, and the flat look is
// drawn after it. A button that tells its parent about focus changes stays
// visible, since the parent may hide it meanwhile.
static LRESULT CallWithoutDrawing(HWND button, UINT message, WPARAM wParam, LPARAM lParam)
{
    LONG style = GetWindowLongA(button, GWL_STYLE);
    int notifies = (style & BS_NOTIFY) && (message == WM_SETFOCUS || message == WM_KILLFOCUS);
    int quiet = (style & WS_VISIBLE) && !notifies;
    if (quiet)
        DefSubclassProc(button, WM_SETREDRAW, FALSE, 0);
    LRESULT result = DefSubclassProc(button, message, wParam, lParam);
    if (quiet)
        DefSubclassProc(button, WM_SETREDRAW, TRUE, 0);
    if (IsWindow(button))
        RedrawWindow(button, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    return result;
}

// Enabling and read-only change the inner ring, which may lie in the frame.
static LRESULT CallAndRedrawFrame(HWND edit, UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
    RedrawWindow(edit, NULL, NULL, RDW_INVALIDATE | RDW_FRAME);
    return result;
}

// Messages after which a control looks different.
static LRESULT OnStyledStateChange(HWND window, const StyledControl* state, UINT message, WPARAM wParam,
                                   LPARAM lParam)
{
    if (state->kind == BUTTON_KIND && message != EM_SETREADONLY)
        return CallWithoutDrawing(window, message, wParam, lParam);
    if (state->kind == EDIT_KIND && (message == WM_ENABLE || message == EM_SETREADONLY))
        return CallAndRedrawFrame(window, message, wParam, lParam);
    return DefSubclassProc(window, message, wParam, lParam);
}

static LRESULT CALLBACK StyledControlProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

static LRESULT OnStyledNcDestroy(HWND window, StyledControl* state, WPARAM wParam, LPARAM lParam)
{
    RemoveWindowSubclass(window, StyledControlProc, STYLE_SUBCLASS_ID);
    HeapFree(GetProcessHeap(), 0, state);
    return DefSubclassProc(window, WM_NCDESTROY, wParam, lParam);
}

static LRESULT CALLBACK StyledControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR reference)
{
    StyledControl* state = (StyledControl*)reference;
    switch (message) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
        return OnStyledPaint(window, state, message, (HDC)wParam);
    case WM_NCPAINT:
        return OnStyledNcPaint(window, state, (HRGN)wParam);
    case WM_ERASEBKGND:
        if (state->kind == UP_DOWN_KIND)
            return 1;  // WM_PAINT covers it all
        break;
    case WM_MOUSEMOVE:
        OnStyledMouseMove(window, state, lParam);
        break;
    case WM_MOUSELEAVE:
        OnStyledMouseLeave(window, state);
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetPressedPart(window, state, UpDownPartAt(window, lParam));
        break;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        SetPressedPart(window, state, NO_PART);
        break;
    case WM_ENABLE:
    case EM_SETREADONLY:
    case WM_SETTEXT:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case BM_SETCHECK:
    case BM_SETSTATE:
        return OnStyledStateChange(window, state, message, wParam, lParam);
    case WM_NCDESTROY:
        return OnStyledNcDestroy(window, state, wParam, lParam);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

// ---- taking controls over and giving them back

static int IsStyled(HWND window)
{
    DWORD_PTR reference = 0;
    return GetWindowSubclass(window, StyledControlProc, STYLE_SUBCLASS_ID, &reference);
}

static void StyleControl(HWND window, int ownBorder)
{
    if (IsStyled(window))
        return;
    int kind = KindOf(window, &ownBorder);
    if (kind == NOT_STYLED)
        return;
    StyledControl* state = (StyledControl*)HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(StyledControl));
    if (!state)
        return;
    state->kind = kind;
    state->ownBorder = ownBorder;
    if (!SetWindowSubclass(window, StyledControlProc, STYLE_SUBCLASS_ID, (DWORD_PTR)state))
        HeapFree(GetProcessHeap(), 0, state);
}

static void UnstyleControl(HWND window)
{
    DWORD_PTR reference = 0;
    if (!GetWindowSubclass(window, StyledControlProc, STYLE_SUBCLASS_ID, &reference))
        return;
    RemoveWindowSubclass(window, StyledControlProc, STYLE_SUBCLASS_ID);
    HeapFree(GetProcessHeap(), 0, (void*)reference);
}

static BOOL CALLBACK RestyleWindow(HWND window, LPARAM apply)
{
    if (GetWindowThreadProcessId(window, NULL) != GetCurrentThreadId())
        return TRUE;
    int was = IsStyled(window);
    if (apply)
        StyleControl(window, -1);
    else
        UnstyleControl(window);
    if (was != IsStyled(window))
        RedrawWindow(window, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    return TRUE;
}

static BOOL CALLBACK RestyleTopLevel(HWND window, LPARAM apply)
{
    RestyleWindow(window, apply);
    EnumChildWindows(window, RestyleWindow, apply);
    return TRUE;
}

// The creation style still shows the border an edit box is about to hide.
static LRESULT CALLBACK OnCbtEvent(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        const CREATESTRUCTA* create = ((const CBT_CREATEWNDA*)lParam)->lpcs;
        int ownBorder = (create->style & WS_BORDER) && !(create->dwExStyle & WS_EX_CLIENTEDGE);
        StyleControl((HWND)wParam, ownBorder);
    }
    return CallNextHookEx(creationHook, code, wParam, lParam);
}

int ApplyVisualStyle(int scheme)
{
    int apply = scheme >= 1 && scheme <= 3;  // the three schemes share one look
    if (apply && !creationHook)
        creationHook = SetWindowsHookExA(WH_CBT, OnCbtEvent, NULL, GetCurrentThreadId());
    if (!apply && creationHook) {
        UnhookWindowsHookEx(creationHook);
        creationHook = NULL;
    }
    EnumThreadWindows(GetCurrentThreadId(), RestyleTopLevel, apply);
    return creationHook != NULL;
}
