// Automatic shouting end to end: the real tarnvik.exe shouts into the
// practice chat window, which records every message it is posted.
#include <gtest/gtest.h>

#include "harness.h"

#include <stdio.h>
#include "ui/ids.h"

static const char* const NO_TEXT = "";
static const std::string ENTER_DOWN = "0100 0000000D 00000000";
static const std::string ENTER_UP = "0101 0000000D 00000000";
static const std::vector<std::string> FIVE = {"1", "2", "3", "4", "5"};

// The messages of one shout: a WM_CHAR per byte, then Enter.
static std::vector<std::string> ShoutOf(const std::string& line)
{
    std::vector<std::string> messages;
    for (unsigned char byte : line) {
        char text[32];
        snprintf(text, sizeof text, "0102 %08X 00000000", byte);
        messages.push_back(text);
    }
    messages.push_back(ENTER_DOWN);
    messages.push_back(ENTER_UP);
    return messages;
}

static std::vector<std::string> ShoutsOf(const std::vector<std::string>& lines)
{
    std::vector<std::string> messages;
    for (const std::string& line : lines)
        for (const std::string& message : ShoutOf(line))
            messages.push_back(message);
    return messages;
}

static int CountShouts(const std::vector<std::string>& recorded)
{
    int count = 0;
    for (const std::string& line : recorded)
        count += line == ENTER_UP;
    return count;
}

// The lines of the rotation, for as many shouts as were recorded.
static std::vector<std::string> Rotation(const std::vector<std::string>& cycle, int shouts, int first = 0)
{
    std::vector<std::string> lines;
    for (int i = 0; i < shouts; i++)
        lines.push_back(cycle[(first + i) % cycle.size()]);
    return lines;
}

class Shout : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(936u, GetACP());
        ASSERT_EQ(0x0804, LOWORD(GetKeyboardLayout(0)));
        // Started first, so that Tarnvik's list has it from the start.
        ASSERT_TRUE(StartPracticeChat(&chat, "shout target"));
        ASSERT_TRUE(StartTarnvik(&tarnvik));
    }
    void TearDown() override
    {
        StopTarnvik(&tarnvik);
        StopPracticeChat(&chat);
    }

    void SetBoxes(const std::vector<const char*>& texts)
    {
        for (int k = 0; k < 5; k++) {
            HWND box = Control(tarnvik, 编辑框1 + k);
            SendMessageA(box, WM_SETTEXT, 0, (LPARAM)texts[k]);
            ASSERT_EQ(Hex(texts[k]), Hex(TextOf(box)));
        }
    }

    // Written while the interval box does not have the focus: on losing it
    // the box would make an integer of "0.2".
    void SetInterval(const char* text)
    {
        HWND interval = Control(tarnvik, 编辑框);
        if (FocusOf(tarnvik.main) == interval) {
            HWND box = Control(tarnvik, 编辑框1);
            Click(box, 4, 4);
            ASSERT_TRUE(WaitUntil([&] { return FocusOf(tarnvik.main) == box; }));
        }
        SendMessageA(interval, WM_SETTEXT, 0, (LPARAM)text);
        ASSERT_EQ(text, TextOf(interval));
    }

    // A click on the check box, its handler done when this returns.
    void SetTicked(bool ticked)
    {
        HWND box = Control(tarnvik, 选择框);
        ASSERT_NE(ticked, SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED);
        ASSERT_TRUE(PressButton(box));
        ASSERT_EQ(ticked, SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED);
    }

    // Chooses the practice chat window, fills the boxes, sets the interval
    // and ticks the box.
    void StartShouting(const std::vector<const char*>& texts, const char* interval)
    {
        ASSERT_TRUE(ChooseTarget(tarnvik, chat.window));
        SetBoxes(texts);
        SetInterval(interval);
        SetTicked(true);
    }

    bool WaitForShouts(int count, DWORD timeoutMs = 5000)
    {
        return WaitUntil([&] { return CountShouts(RecordedSoFar(chat)) >= count; }, timeoutMs);
    }

    bool TarnvikResponds()
    {
        DWORD_PTR result;
        return WaitForSingleObject(tarnvik.process.hProcess, 0) == WAIT_TIMEOUT &&
               SendMessageTimeoutA(tarnvik.main, WM_NULL, 0, 0, SMTO_NORMAL, 3000, &result) != 0;
    }

    PracticeChat chat = {};
    Tarnvik tarnvik = {};
};

TEST_F(Shout, RotationSkipsEmptyBoxes)
{
    ASSERT_NO_FATAL_FAILURE(StartShouting({"A", NO_TEXT, "C", NO_TEXT, NO_TEXT}, "0.2"));
    ASSERT_TRUE(WaitForShouts(4));
    SetTicked(false);
    std::vector<std::string> recorded = RecordedMessages(&chat);
    int shouts = CountShouts(recorded);
    EXPECT_GE(shouts, 4);
    EXPECT_EQ(ShoutsOf(Rotation({"A", "C"}, shouts)), recorded);
}

TEST_F(Shout, DoubleByteCharactersAndLineBreaksGoAsTheyAre)
{
    ASSERT_NO_FATAL_FAILURE(StartShouting({NO_TEXT, "喊\r\n!", NO_TEXT, NO_TEXT, NO_TEXT}, "0.2"));
    ASSERT_TRUE(WaitForShouts(1));
    SetTicked(false);
    std::vector<std::string> recorded = RecordedMessages(&chat);
    ASSERT_GE(recorded.size(), 7u);
    recorded.resize(7);
    EXPECT_EQ((std::vector<std::string>{"0102 000000BA 00000000", "0102 000000B0 00000000", "0102 0000000D 00000000",
                                        "0102 0000000A 00000000", "0102 00000021 00000000", ENTER_DOWN, ENTER_UP}),
              recorded);
}

TEST_F(Shout, UntickingStopsAndTickingStartsAgainFromTheFirstBox)
{
    ASSERT_NO_FATAL_FAILURE(StartShouting({"1", "2", "3", "4", "5"}, "0.3"));
    ASSERT_TRUE(WaitForShouts(1));
    SetTicked(false);
    std::vector<std::string> recorded = RecordedMessages(&chat);
    int shouts = CountShouts(recorded);
    ASSERT_NE(0, shouts % 5) << "the rotation must stand away from the first box";
    EXPECT_EQ(ShoutsOf(Rotation(FIVE, shouts)), recorded);

    Pump(1000);
    EXPECT_EQ(recorded, RecordedMessages(&chat)) << "nothing after unticking";

    SetTicked(true);
    ASSERT_TRUE(WaitForShouts(shouts + 1));
    SetTicked(false);
    std::vector<std::string> again = RecordedMessages(&chat);
    again.erase(again.begin(), again.begin() + recorded.size());
    EXPECT_EQ(ShoutsOf(Rotation(FIVE, CountShouts(again))), again);
}

TEST_F(Shout, WithoutATargetTicksDoNothingUntilOneIsChosen)
{
    SetBoxes({"A", "B", NO_TEXT, NO_TEXT, NO_TEXT});
    SetInterval("0.2");
    SetTicked(true);
    Pump(1200);
    EXPECT_EQ(std::vector<std::string>{}, RecordedMessages(&chat));
    ASSERT_TRUE(ChooseTarget(tarnvik, chat.window));
    ASSERT_TRUE(WaitForShouts(2));
    SetTicked(false);
    std::vector<std::string> recorded = RecordedMessages(&chat);
    EXPECT_EQ(ShoutsOf(Rotation({"A", "B"}, CountShouts(recorded))), recorded);
}

TEST_F(Shout, ClosedTargetGetsNothingMoreAndTheCursorWaits)
{
    ASSERT_NO_FATAL_FAILURE(StartShouting({"1", "2", "3", "4", "5"}, "0.3"));
    ASSERT_TRUE(WaitForShouts(1));
    HWND closed = chat.window;
    PostMessageA(closed, WM_CLOSE, 0, 0);
    ASSERT_EQ(0u, WaitForExit(chat.process.hProcess));
    std::vector<std::string> recorded = RecordedSoFar(chat);
    int shouts = CountShouts(recorded);
    EXPECT_EQ(ShoutsOf(Rotation(FIVE, shouts)), recorded);

    Pump(1500);  // about five ticks with a window that is gone
    ASSERT_TRUE(TarnvikResponds());
    EXPECT_EQ(BST_CHECKED, SendMessageA(Control(tarnvik, 选择框), BM_GETCHECK, 0, 0));
    EXPECT_EQ(recorded, RecordedSoFar(chat));

    // A new target goes on from the box after the last one shouted.
    StopPracticeChat(&chat);
    ASSERT_TRUE(StartPracticeChat(&chat, "second shout target"));
    ASSERT_TRUE(ChooseTarget(tarnvik, chat.window));
    ASSERT_TRUE(WaitForShouts(1));
    SetTicked(false);
    std::vector<std::string> later = RecordedMessages(&chat);
    EXPECT_EQ(ShoutsOf(Rotation(FIVE, CountShouts(later), shouts)), later);
}

TEST_F(Shout, HiddenTargetStillReceivesLines)
{
    ASSERT_TRUE(ChooseTarget(tarnvik, chat.window));
    ASSERT_TRUE(PressButton(Control(tarnvik, 按钮1)));
    ASSERT_FALSE(IsWindowVisible(chat.window));
    SetBoxes({"hidden", NO_TEXT, NO_TEXT, NO_TEXT, NO_TEXT});
    SetInterval("0.2");
    SetTicked(true);
    ASSERT_TRUE(WaitForShouts(2));
    SetTicked(false);
    std::vector<std::string> recorded = RecordedMessages(&chat);
    EXPECT_EQ(ShoutsOf(Rotation({"hidden"}, CountShouts(recorded))), recorded);
    EXPECT_FALSE(IsWindowVisible(chat.window));
}

// Tick spacing is measured where the shouts arrive; the bounds are loose
// because the machine may be busy.
TEST_F(Shout, ChangedIntervalTakesEffectAfterTheNextShout)
{
    ASSERT_NO_FATAL_FAILURE(StartShouting({"x", NO_TEXT, NO_TEXT, NO_TEXT, NO_TEXT}, "1"));
    std::vector<DWORD> arrivals;
    for (int n = 1; n <= 6; n++) {
        ASSERT_TRUE(WaitUntil([&] { return CountShouts(RecordedSoFar(chat)) >= n; }, 5000));
        arrivals.push_back(GetTickCount());
        if (n == 2)
            SetInterval("0.2");
    }
    SetTicked(false);
    DWORD beforeChange = arrivals[1] - arrivals[0];
    DWORD nextShout = arrivals[2] - arrivals[1];
    DWORD afterChange = (arrivals[5] - arrivals[2]) / 3;
    printf("tick spacing: %lu ms, then %lu ms, then %lu ms on average\n", beforeChange, nextShout, afterChange);
    EXPECT_GE(nextShout, 700u) << "the count in progress is not restarted";
    EXPECT_LT(afterChange, 600u) << "the new period holds after the next shout";
}

TEST_F(Shout, PeriodOfZeroLeavesTheBoxTickedAndPostsNothing)
{
    ASSERT_TRUE(ChooseTarget(tarnvik, chat.window));
    SetBoxes({"A", NO_TEXT, NO_TEXT, NO_TEXT, NO_TEXT});
    for (const char* interval : {"", "0", "-", "-5", "0.0001"}) {
        SCOPED_TRACE(::testing::Message() << "interval \"" << interval << "\"");
        SetInterval(interval);
        SetTicked(true);
        Pump(600);
        // A period written later cannot start a stopped timer: no tick comes
        // to read it.
        SetInterval("0.2");
        Pump(600);
        EXPECT_EQ(BST_CHECKED, SendMessageA(Control(tarnvik, 选择框), BM_GETCHECK, 0, 0));
        EXPECT_EQ(std::vector<std::string>{}, RecordedMessages(&chat));
        SetTicked(false);
    }
}

TEST_F(Shout, AllBoxesEmptyTicksPostNothingAndTarnvikGoesOn)
{
    ASSERT_NO_FATAL_FAILURE(StartShouting({NO_TEXT, NO_TEXT, NO_TEXT, NO_TEXT, NO_TEXT}, "0.2"));
    Pump(1000);
    ASSERT_TRUE(TarnvikResponds());
    EXPECT_EQ(std::vector<std::string>{}, RecordedMessages(&chat));

    SetBoxes({NO_TEXT, NO_TEXT, "C", NO_TEXT, NO_TEXT});
    ASSERT_TRUE(WaitForShouts(2));
    SetTicked(false);
    std::vector<std::string> recorded = RecordedMessages(&chat);
    EXPECT_EQ(ShoutsOf(Rotation({"C"}, CountShouts(recorded))), recorded);
}
