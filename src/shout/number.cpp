// The interval box's text as a number of seconds, and the truncation that
// turns milliseconds into a timer period.
#include "shout.h"

#include <locale.h>
#include <math.h>
#include <stdlib.h>
#include <string.h>

// Full-width forms of code page 936 as their ASCII bytes, so that digits
// typed with a Chinese input method still count. A lead byte left alone at
// the end is dropped. `out` has room for strlen(text) + 1 bytes.
static void FoldFullWidth(const unsigned char* text, unsigned char* out)
{
    while (*text) {
        unsigned char first = *text++;
        if (first < 0x80) {
            *out++ = first;
            continue;
        }
        unsigned char second = *text;
        if (!second)
            break;
        text++;
        if (first == 0xA3 && second >= 0xA1 && second <= 0xFE)
            *out++ = (unsigned char)(second - 0x80);
        else if (first == 0xA1 && second == 0xA1)
            *out++ = ' ';
        else if (first == 0xA1 && second == 0xAB)
            *out++ = '~';
        else if (first == 0xA1 && (second == 0xEE || second == 0xEF))
            *out++ = '*';
        else {
            *out++ = first;
            *out++ = second;
        }
    }
    *out = 0;
}

static int IsSpace(unsigned char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

static int IsDigit(unsigned char c)
{
    return c >= '0' && c <= '9';
}

// Copies the longest number at the start of `text` into `out` in the form
// strtod reads in the current locale: sign, digits around the locale's
// decimal point, "e" and the exponent. Returns the number of digits before
// the exponent; 0 means there is no number.
static int CopyNumber(const unsigned char* text, char* out, const char* decimalPoint)
{
    while (IsSpace(*text))
        text++;
    if (*text == '+' || *text == '-')
        *out++ = (char)*text++;
    int digits = 0, point = 0;
    for (;; text++) {
        if (IsDigit(*text)) {
            *out++ = (char)*text;
            digits++;
        } else if (*text == '.' && !point) {
            point = 1;
            size_t length = strlen(decimalPoint);
            memcpy(out, decimalPoint, length);
            out += length;
        } else {
            break;
        }
    }
    if (digits && (*text == 'E' || *text == 'e' || *text == 'D' || *text == 'd')) {
        const unsigned char* exponent = text + 1;
        int sign = *exponent == '+' || *exponent == '-';
        if (IsDigit(exponent[sign])) {
            *out++ = 'e';
            if (sign)
                *out++ = (char)*exponent;
            for (exponent += sign; IsDigit(*exponent); exponent++)
                *out++ = (char)*exponent;
        }
    }
    *out = 0;
    return digits;
}

double TextToNumber(const char* text)
{
    if (!text)
        text = "";
    // The text's point is always "."; strtod reads the C runtime's own point,
    // which is "." only while nobody has called setlocale.
    const char* decimalPoint = localeconv()->decimal_point;
    if (!decimalPoint || !*decimalPoint)
        decimalPoint = ".";
    size_t length = strlen(text);
    // The number never grows beyond the text, except where the point widens.
    unsigned char* folded = (unsigned char*)malloc(length + 1);
    char* number = (char*)malloc(length + strlen(decimalPoint) + 2);
    double value = 0.0;
    if (folded && number) {
        FoldFullWidth((const unsigned char*)text, folded);
        if (CopyNumber(folded, number, decimalPoint))
            value = strtod(number, NULL);
    }
    free(number);
    free(folded);
    return value;
}

int64_t TruncateToInt64(double value)
{
    // 2^63 is exact in a double; -2^63 itself is in range.
    const double limit = 9223372036854775808.0;
    if (!isfinite(value) || value >= limit || value < -limit)
        return INT64_MIN;
    return (int64_t)value;
}

double IntervalMilliseconds(const char* intervalText)
{
    return TextToNumber(intervalText) * 1000.0;
}

int32_t PeriodFromMilliseconds(double milliseconds)
{
    return (int32_t)(uint32_t)(uint64_t)TruncateToInt64(milliseconds);
}
