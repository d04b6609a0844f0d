// Stands in for a browser: appends its command line as one line to the file
// named by its first argument, then ends.
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (__argc < 2)
        return 2;
    FILE* log = fopen(__argv[1], "ab");
    if (!log)
        return 1;
    fprintf(log, "%s\n", GetCommandLineA());
    fclose(log);
    return 0;
}
