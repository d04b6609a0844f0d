// Typing into the practice chat window with SendTextAsChars and
// PostKeyPress, called in this process, as the target records it.
#include <gtest/gtest.h>

#include "harness.h"

#include <stdio.h>

#include <algorithm>
#include "shout/shout.h"

static std::string Line(unsigned message, unsigned wParam)
{
    char line[32];
    snprintf(line, sizeof line, "%04X %08X 00000000", message, wParam);
    return line;
}

static std::vector<std::string> CharsOf(const std::vector<unsigned>& bytes)
{
    std::vector<std::string> lines;
    for (unsigned byte : bytes)
        lines.push_back(Line(WM_CHAR, byte));
    return lines;
}

static int32_t HandleOf(HWND window)
{
    return (int32_t)(intptr_t)window;
}

class Inject : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The poster's code page decides how a lead byte is posted.
        ASSERT_EQ(936u, GetACP());
        ASSERT_TRUE(StartPracticeChat(&chat, "inject target"));
    }
    void TearDown() override { StopPracticeChat(&chat); }

    // What arrived since the last call.
    std::vector<std::string> NewMessages()
    {
        std::vector<std::string> recorded = RecordedMessages(&chat);
        std::vector<std::string> fresh(recorded.begin() + std::min(seen, recorded.size()), recorded.end());
        seen = recorded.size();
        return fresh;
    }

    PracticeChat chat = {};
    size_t seen = 0;
};

TEST_F(Inject, EveryByteAsOneCharMessage)
{
    const struct {
        const char* text;
        std::vector<unsigned> posted;
    } cases[] = {
        {"ab", {0x61, 0x62}},
        {"喊", {0xBA, 0xB0}},
        {"a\r\nb", {0x61, 0x0D, 0x0A, 0x62}},
        {"\t\x01\x7F", {0x09, 0x01, 0x7F}},
        {"", {}},
        {NULL, {}},
        // A lead byte alone at the end would be held back and glued to the
        // next line's first byte: it is not posted, and the next line
        // arrives whole.
        {"a\xBA", {0x61}},
        {"b", {0x62}},
        {"\xBA", {}},
        {"喊\xBA", {0xBA, 0xB0}},
        {"c", {0x63}},
        {"\xBA\xB0\xBA\xB0", {0xBA, 0xB0, 0xBA, 0xB0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text ? Hex(c.text) : "(missing)");
        SendTextAsChars(HandleOf(chat.window), c.text);
        EXPECT_EQ(CharsOf(c.posted), NewMessages());
    }
}

TEST_F(Inject, KeyPressModes)
{
    const std::string down = Line(WM_KEYDOWN, 13), up = Line(WM_KEYUP, 13);
    const struct {
        int32_t mode;
        std::vector<std::string> posted;
    } cases[] = {
        {0, {down, up}},
        {3, {down}},
        {4, {up}},
        {7, {down, up}},
        {-1, {down, up}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        PostKeyPress(HandleOf(chat.window), 13, c.mode);
        EXPECT_EQ(c.posted, NewMessages());
    }
    PostKeyPress(HandleOf(chat.window), 0x41, 0);
    EXPECT_EQ((std::vector<std::string>{Line(WM_KEYDOWN, 0x41), Line(WM_KEYUP, 0x41)}), NewMessages());
}

TEST_F(Inject, ClosedWindowPostsNothingAndLeavesNothingBehind)
{
    HWND gone = MakeFixtureWindow("gone", false);
    DestroyWindow(gone);
    ASSERT_FALSE(IsWindow(gone));
    SendTextAsChars(HandleOf(gone), "x喊\xBA");
    PostKeyPress(HandleOf(gone), 13, 0);
    SendTextAsChars(HandleOf(chat.window), "ok");
    PostKeyPress(HandleOf(chat.window), 13, 0);
    EXPECT_EQ((std::vector<std::string>{Line(WM_CHAR, 0x6F), Line(WM_CHAR, 0x6B), Line(WM_KEYDOWN, 13),
                                        Line(WM_KEYUP, 13)}),
              NewMessages());
}
