// Typing into another program's window: posted messages only, nothing is
// activated and nothing waits for the other program.
#include "shout.h"

#include <string.h>

#include "../platform/wm.h"

enum { MESSAGE_CHAR = 0x0102, MESSAGE_KEY_DOWN = 0x0100, MESSAGE_KEY_UP = 0x0101 };

// Bytes to post: a lead byte at the very end would be held back by the
// posting thread until the next character post and glued to the first byte
// of the next line, so it is left out.
static size_t BytesToSend(const unsigned char* text, size_t length)
{
    size_t i = 0;
    while (i < length) {
        size_t size = WmIsDbcsLeadByte(text[i]) ? 2 : 1;
        if (i + size > length)
            return i;
        i += size;
    }
    return length;
}

void SendTextAsChars(int32_t window, const char* text)
{
    const unsigned char* bytes = (const unsigned char*)(text ? text : "");
    size_t n = BytesToSend(bytes, strlen((const char*)bytes));
    for (size_t i = 0; i < n; i++)
        WmPostMessage(window, MESSAGE_CHAR, bytes[i], 0);
}

void PostKeyPress(int32_t window, int32_t virtualKey, int32_t mode)
{
    if (mode != KEY_UP_ONLY)
        WmPostMessage(window, MESSAGE_KEY_DOWN, (uint32_t)virtualKey, 0);
    if (mode != KEY_DOWN_ONLY)
        WmPostMessage(window, MESSAGE_KEY_UP, (uint32_t)virtualKey, 0);
}
