#include <gtest/gtest.h>

#include <string>

#include "app/text.h"
#include "ui/browser_command.h"
#include "ui/interval_rules.h"

TEST(IntervalChar, OnlyMinusDigitsAndControlCharactersPass)
{
    const struct {
        unsigned int code;
        int accepted;
    } cases[] = {
        {'0', 1}, {'5', 1}, {'9', 1}, {'-', 1},
        {8, 1}, {3, 1}, {22, 1}, {24, 1}, {13, 1}, {9, 1}, {31, 1},  // Backspace, Ctrl+C/V/X, Enter, Tab
        {' ', 0}, {'+', 0}, {'.', 0}, {',', 0}, {'a', 0}, {'/', 0}, {':', 0}, {127, 0},
        {0xB5, 0}, {0xA3B5, 0}, {0x3005, 0},  // a lead byte, a full-width digit, an ideograph
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(c.accepted, AcceptsIntervalChar(c.code));
    }
}

TEST(IntervalText, NormalizesToShortIntegerWithZeroEmpty)
{
    const struct {
        const char* text;
        const char* normalized;
    } cases[] = {
        {"07", "7"}, {"0", ""}, {"00", ""}, {"-", ""}, {"-0", ""}, {"-5", "-5"}, {"99", "99"},
        {"10", "10"}, {"", ""}, {NULL, ""}, {"+", ""}, {"+8", "8"}, {"--3", ""}, {"-+3", ""},
        {"  \t\n\v\f\r42", "42"}, {" - 4", ""}, {"4 2", "4"}, {"0.2", ""}, {"1.5", "1"}, {"3a", "3"},
        {"a3", ""}, {"32767", "32767"}, {"32768", "32767"}, {"-32768", "-32768"}, {"-32769", "-32768"},
        {"99999999999999999999999", "32767"}, {"-99999999999999999999999", "-32768"},
        {"000000000000000000000012", "12"}, {"\xB5\xDA" "1", ""}, {"\xA0" "5", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text ? c.text : "(missing)");
        char normalized[SHORT_INTEGER_TEXT_SIZE] = "stale";
        NormalizeShortInteger(c.text, normalized);
        EXPECT_STREQ(c.normalized, normalized);
    }
}

TEST(BrowserCommand, CutsAtFirstPlaceholderAndAppendsBlankAndAddress)
{
    const char* address = "http://www.brosk.example/";
    const struct {
        const char* registered;
        std::string line;
    } cases[] = {
        {"\"C:\\b\\web.exe\" \"%1\"", "\"C:\\b\\web.exe\"  http://www.brosk.example/"},
        {"\"C:\\b\\web.exe\" %1", "\"C:\\b\\web.exe\"  http://www.brosk.example/"},
        {"C:\\b\\web.exe -nohome", "C:\\b\\web.exe -nohome http://www.brosk.example/"},
        {"web.exe \"%1\" -tab \"%1\"", "web.exe  http://www.brosk.example/"},
        {"web.exe %1\"", "web.exe  http://www.brosk.example/"},
        {"web.exe -url=\"%1", "web.exe -url= http://www.brosk.example/"},
        {"\"%1\"", " http://www.brosk.example/"},
        {"%1", " http://www.brosk.example/"},
        {"web.exe %2 %1", "web.exe %2  http://www.brosk.example/"},
        {"web.exe %", "web.exe % http://www.brosk.example/"},
        {"", " http://www.brosk.example/"},
        {NULL, " http://www.brosk.example/"},
        {"\"C:\\浏览器\\web.exe\" %1", "\"C:\\浏览器\\web.exe\"  http://www.brosk.example/"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.registered ? c.registered : "(missing)");
        char* line = BuildBrowserCommandLine(c.registered, address);
        ASSERT_NE(nullptr, line);
        EXPECT_EQ(c.line, line);
        TextFree(line);
    }
}
