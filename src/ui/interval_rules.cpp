#include "interval_rules.h"

#include <stdio.h>

enum { SHORT_MIN = -32768, SHORT_MAX = 32767 };

int AcceptsIntervalChar(unsigned int code)
{
    return code < 32 || code == '-' || (code >= '0' && code <= '9');
}

static int IsBlank(unsigned char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

void NormalizeShortInteger(const char* text, char normalized[SHORT_INTEGER_TEXT_SIZE])
{
    normalized[0] = 0;
    if (!text)
        return;
    const unsigned char* p = (const unsigned char*)text;
    while (IsBlank(*p))
        p++;
    int negative = *p == '-';
    if (*p == '-' || *p == '+')
        p++;
    // Stop counting once past the range; the rest only clamps.
    long magnitude = 0;
    for (; *p >= '0' && *p <= '9'; p++)
        if (magnitude <= SHORT_MAX + 1)
            magnitude = magnitude * 10 + (*p - '0');
    long value = negative ? -magnitude : magnitude;
    if (value < SHORT_MIN)
        value = SHORT_MIN;
    if (value > SHORT_MAX)
        value = SHORT_MAX;
    if (value != 0)
        snprintf(normalized, SHORT_INTEGER_TEXT_SIZE, "%ld", value);
}
