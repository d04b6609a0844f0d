#include <gtest/gtest.h>

#include <math.h>
#include <stdlib.h>
#include <string.h>

#include <random>
#include <string>
#include <vector>

#include "app/text.h"
#include "shout/shout.h"

struct NumberCase {
    const char* text;
    double value;
};

TEST(TextToNumber, ReadsTheLongestDecimalPrefix)
{
    const double inf = HUGE_VAL;
    const NumberCase cases[] = {
        {" 2.5\xC3\xEB", 2.5},          // then the character for seconds
        {"\xA3\xB1\xA3\xB0", 10},       // full-width one and zero
        {"\xA3\xAD\xA3\xB3\xA3\xAE\xA3\xB5", -3.5},  // full-width minus, point
        {"\xA1\xA1" "7", 7},            // ideographic space is white space
        {"1,5", 1},
        {"2d1", 20},
        {"2D-1", 0.2},
        {"3E2", 300},
        {"4e+1x", 40},
        {"abc", 0},
        {"-", 0},
        {"+", 0},
        {".", 0},
        {"", 0},
        {NULL, 0},
        {"1e", 1},                      // the exponent needs a digit
        {"1e+", 1},
        {"1dx", 1},
        {".5", 0.5},
        {"5.", 5},
        {"1.2.3", 1.2},
        {"-5", -5},
        {"\t\n\v\f\r 8", 8},
        {"0x10", 0},                    // no hexadecimal
        {"inf", 0},
        {"nan", 0},
        {"1e400", inf},
        {"-1e400", -inf},
        {"1e-400", 0},
        {"12\xBA", 12},                 // a lead byte alone at the end is dropped
        {"\xBA" "1", 0},                // a pair that is no full-width form
        {"\xA3" "1", 0},
        {"\xA1\xAB" "1", 0},            // full-width tilde: not a number
        {"0.2", 0.2},
    };
    for (const NumberCase& c : cases) {
        SCOPED_TRACE(c.text ? c.text : "(missing)");
        EXPECT_EQ(c.value, TextToNumber(c.text));
    }
}

TEST(TextToNumber, FoldsEveryFullWidthForm)
{
    // A3 A1 to A3 FE stand for 0x21 to 0x7E, also between digits (1E2, 1.2).
    for (int second = 0xA1; second <= 0xFE; second++) {
        const char ascii = (char)(second - 0x80);
        SCOPED_TRACE(std::string(1, ascii));
        for (const char* before : {"", "1"}) {
            std::string wide = std::string(before) + "\xA3" + (char)second + "2";
            std::string narrow = std::string(before) + ascii + "2";
            EXPECT_EQ(TextToNumber(narrow.c_str()), TextToNumber(wide.c_str()));
        }
    }
    EXPECT_EQ(9, TextToNumber("\xA1\xA1\xA1\xA1" "9"));
    EXPECT_EQ(0, TextToNumber("\xA1\xEE" "9"));  // stars fold to '*'
    EXPECT_EQ(0, TextToNumber("\xA1\xEF" "9"));
    EXPECT_EQ(6, TextToNumber("6\xA1\xEE"));
}

// In the C locale strtod reads the same decimal numbers, apart from the
// spellings it knows and TextToNumber does not: hexadecimal, infinity and
// NaN lose their letters, and d and D are its exponent e.
static std::string AsStrtodReadsIt(const std::string& text)
{
    std::string out = text;
    for (char& c : out) {
        if (c == 'd' || c == 'D')
            c = 'e';
        else if (strchr("xXiInNaApP", c))
            c = '#';
    }
    return out;
}

TEST(TextToNumber, AgreesWithStrtodOnRandomAscii)
{
    std::mt19937 random(20240611);
    const char alphabet[] = "0123456789012345678901234567890123456789....++--eEdD \t\r\nxaifn,#";
    std::uniform_int_distribution<int> length(0, 24), pick(0, sizeof alphabet - 2), any(1, 127),
        coin(0, 3);
    for (int i = 0; i < 20000; i++) {
        std::string text;
        int n = length(random);
        for (int k = 0; k < n; k++)
            text += (char)(coin(random) ? alphabet[pick(random)] : any(random));
        double expected = strtod(AsStrtodReadsIt(text).c_str(), NULL);
        double actual = TextToNumber(text.c_str());
        if (memcmp(&expected, &actual, sizeof expected) != 0 && !(expected == 0 && actual == 0)) {
            ADD_FAILURE() << "text \"" << text << "\": strtod " << expected << ", TextToNumber " << actual;
            break;
        }
    }
}

TEST(TruncateToInt64, RoundsTowardZeroOrGivesTheLowestValue)
{
    const struct {
        double value;
        int64_t expected;
    } cases[] = {
        {2.9, 2},
        {-2.9, -2},
        {0.0, 0},
        {-0.0, 0},
        {NAN, INT64_MIN},
        {HUGE_VAL, INT64_MIN},
        {-HUGE_VAL, INT64_MIN},
        {9223372036854775808.0, INT64_MIN},   // 2^63
        {-9223372036854775808.0, INT64_MIN},  // -2^63 itself
        {9223372036854774784.0, INT64_C(9223372036854774784)},  // the largest double below 2^63
        {-1e19, INT64_MIN},
        {4294967296.5, INT64_C(4294967296)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(c.expected, TruncateToInt64(c.value));
    }
}

// The interval box's text, written as a period: what the timer then holds
// and whether it runs.
TEST(ShoutPeriod, FromTheIntervalText)
{
    const struct {
        const char* interval;
        int32_t period;  // as computed, before the timer's own rule
        int32_t stored;
    } cases[] = {
        {"10", 10000, 10000},
        {"0.5", 500, 500},
        {"0", 0, 0},
        {"-5", -5000, 0},
        {"-", 0, 0},
        {"", 0, 0},
        {NULL, 0, 0},
        {"1e400", 0, 0},             // infinity truncates to -2^63, low bits 0
        {"0.0004", 0, 0},
        {"2147483.647", 2147483647, 2147483647},
        {"2147483.648", INT32_MIN, 0},  // the low 32 bits read as signed
        {"4294967.297", 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.interval ? c.interval : "(missing)");
        int32_t period = PeriodFromMilliseconds(IntervalMilliseconds(c.interval));
        EXPECT_EQ(c.period, period);
        int32_t stored = 700;
        int change = ApplyTimerPeriodWrite(&stored, period);
        EXPECT_EQ(c.stored, stored);
        EXPECT_EQ(c.stored > 0 ? TIMER_STARTED : TIMER_STOPPED, change);
    }
}

TEST(ShoutPeriod, WritingTheTimer)
{
    const struct {
        int32_t stored, requested;
        int change;
        int32_t after;
    } cases[] = {
        {0, 0, TIMER_UNCHANGED, 0},
        {0, -1, TIMER_UNCHANGED, 0},
        {0, INT32_MIN, TIMER_UNCHANGED, 0},
        {0, 200, TIMER_STARTED, 200},
        {200, 200, TIMER_UNCHANGED, 200},  // the running count goes on
        {200, 400, TIMER_STARTED, 400},    // restarted from now
        {200, 0, TIMER_STOPPED, 0},
        {200, -5000, TIMER_STOPPED, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.stored << " <- " << c.requested);
        int32_t stored = c.stored;
        EXPECT_EQ(c.change, ApplyTimerPeriodWrite(&stored, c.requested));
        EXPECT_EQ(c.after, stored);
    }
}

// What a tick does to the timer after a shout: the interval read afresh
// against the stored period.
TEST(ShoutPeriod, ResynchronisedAfterAShout)
{
    const struct {
        int32_t stored;
        const char* interval;
        int change;
        int32_t after;
    } cases[] = {
        {10000, "10", TIMER_UNCHANGED, 10000},
        {10000, "5", TIMER_STARTED, 5000},
        {10000, "10.0004", TIMER_UNCHANGED, 10000},  // same period: no restart
        {10000, "0", TIMER_STOPPED, 0},
        {10000, "-5", TIMER_STOPPED, 0},
        {400, "0.2", TIMER_STARTED, 200},
        {200, "0.2", TIMER_UNCHANGED, 200},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.interval);
        int32_t stored = c.stored;
        double milliseconds = IntervalMilliseconds(c.interval);
        int change = TIMER_UNCHANGED;
        if (PeriodNeedsWrite(milliseconds, stored))
            change = ApplyTimerPeriodWrite(&stored, PeriodFromMilliseconds(milliseconds));
        EXPECT_EQ(c.change, change);
        EXPECT_EQ(c.after, stored);
    }
    EXPECT_EQ(0, PeriodNeedsWrite(10000.0 + 1e-8, 10000));
    EXPECT_EQ(1, PeriodNeedsWrite(10000.0 + 1e-6, 10000));
    EXPECT_EQ(0, PeriodNeedsWrite(0.0, 0));
}

// ---- the rotation, over five boxes held here

static const char* boxes[MESSAGE_BOX_COUNT];
static std::vector<int> reads;

static char* ReadTestBox(int box)
{
    reads.push_back(box);
    EXPECT_TRUE(box >= 1 && box <= MESSAGE_BOX_COUNT) << box;
    if (box < 1 || box > MESSAGE_BOX_COUNT)
        return NULL;
    return TextDuplicate(boxes[box - 1]);
}

struct Tick {
    const char* line;  // NULL: the tick found no text
    std::vector<int> reads;
    int32_t cursorAfter;
};

struct RotationCase {
    const char* name;
    const char* boxes[MESSAGE_BOX_COUNT];
    int32_t cursor;
    std::vector<Tick> ticks;
};

TEST(Rotation, TicksReadTheBoxesInTurn)
{
    const RotationCase cases[] = {
        {"A, -, C, -, -",
         {"A", NULL, "C", "", NULL},
         1,
         {{"A", {1}, 2}, {"C", {2, 3}, 4}, {"A", {4, 5, 1}, 2}, {"C", {2, 3}, 4}}},
        {"only box 5",
         {NULL, NULL, NULL, NULL, "E"},
         1,
         {{"E", {1, 2, 3, 4, 5}, 6}, {"E", {1, 2, 3, 4, 5}, 6}}},
        {"all five full",
         {"1", "2", "3", "4", "5"},
         1,
         {{"1", {1}, 2}, {"2", {2}, 3}, {"3", {3}, 4}, {"4", {4}, 5}, {"5", {5}, 6}, {"1", {1}, 2}}},
        {"all empty: one round, nothing found",
         {NULL, "", NULL, "", NULL},
         1,
         {{NULL, {1, 2, 3, 4, 5}, 6}, {NULL, {1, 2, 3, 4, 5}, 6}}},
        {"all empty from the middle",
         {NULL, NULL, NULL, NULL, NULL},
         3,
         {{NULL, {3, 4, 5, 1, 2}, 3}}},
        {"cursor 6 wraps within the pass", {"A", "B", NULL, NULL, NULL}, 6, {{"A", {1}, 2}}},
        {"cursor 0 counts as 1", {NULL, "B", NULL, NULL, NULL}, 0, {{"B", {1, 2}, 3}}},
        {"cursor 7 counts as 1", {"A", NULL, NULL, NULL, NULL}, 7, {{"A", {1}, 2}}},
        {"cursor -1 counts as 1", {"A", NULL, NULL, NULL, NULL}, -1, {{"A", {1}, 2}}},
        {"lowest cursor counts as 1", {NULL, NULL, NULL, NULL, "E"}, INT32_MIN, {{"E", {1, 2, 3, 4, 5}, 6}}},
        {"line breaks are part of the line", {NULL, "a\r\nb", NULL, NULL, NULL}, 2, {{"a\r\nb", {2}, 3}}},
    };
    for (const RotationCase& c : cases) {
        SCOPED_TRACE(c.name);
        memcpy(boxes, c.boxes, sizeof boxes);
        int32_t cursor = c.cursor;
        for (size_t t = 0; t < c.ticks.size(); t++) {
            SCOPED_TRACE(::testing::Message() << "tick " << t + 1);
            reads.clear();
            char* line = TakeNextLine(&cursor, ReadTestBox);
            if (c.ticks[t].line)
                EXPECT_STREQ(c.ticks[t].line, line);
            else
                EXPECT_EQ(NULL, line);
            EXPECT_EQ(c.ticks[t].reads, reads);
            EXPECT_EQ(c.ticks[t].cursorAfter, cursor);
            TextFree(line);
        }
    }
}

TEST(Rotation, GoesOnFromTheCursorOnceABoxHoldsText)
{
    memset(boxes, 0, sizeof boxes);
    int32_t cursor = 4;
    reads.clear();
    EXPECT_EQ(NULL, TakeNextLine(&cursor, ReadTestBox));
    EXPECT_EQ(4, cursor);
    boxes[1] = "B";
    boxes[4] = "E";
    reads.clear();
    char* line = TakeNextLine(&cursor, ReadTestBox);
    EXPECT_STREQ("E", line);
    EXPECT_EQ((std::vector<int>{4, 5}), reads);
    TextFree(line);
}
