#include "browser_command.h"

#include <stdlib.h>
#include <string.h>

char* BuildBrowserCommandLine(const char* registered, const char* address)
{
    if (!registered)
        registered = "";
    if (!address)
        address = "";
    size_t keep = strlen(registered);
    const char* placeholder = strstr(registered, "%1");
    if (placeholder) {
        keep = (size_t)(placeholder - registered);
        if (keep > 0 && registered[keep - 1] == '"')
            keep--;
    }
    size_t length = strlen(address);
    char* line = (char*)malloc(keep + 1 + length + 1);
    if (!line)
        return NULL;
    memcpy(line, registered, keep);
    line[keep] = ' ';
    memcpy(line + keep + 1, address, length + 1);
    return line;
}
