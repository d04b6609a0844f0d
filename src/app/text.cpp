#include "text.h"

#include <stdlib.h>
#include <string.h>

char* TextDuplicate(const char* text)
{
    if (!text)
        return NULL;
    size_t size = strlen(text) + 1;
    char* copy = (char*)malloc(size);
    if (copy)
        memcpy(copy, text, size);
    return copy;
}

char* TextConcat(const char* first, const char* second)
{
    size_t a = first ? strlen(first) : 0;
    size_t b = second ? strlen(second) : 0;
    char* joined = (char*)malloc(a + b + 1);
    if (!joined)
        return NULL;
    if (a)
        memcpy(joined, first, a);
    if (b)
        memcpy(joined + a, second, b);
    joined[a + b] = 0;
    return joined;
}

void TextFree(char* text)
{
    free(text);
}

int TextIsEmpty(const char* text)
{
    return !text || !*text;
}

int TextEquals(const char* a, const char* b)
{
    // strcmp compares as unsigned char, byte by byte.
    return strcmp(a ? a : "", b ? b : "") == 0;
}
