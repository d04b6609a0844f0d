// The command line that opens a page with the program registered for a file
// type, when the shell will not open it.
#pragma once

// The registered command cut where its first "%1" begins (at the opening
// double quotation mark when one encloses it), then one blank and the
// address. A new text the caller frees; NULL when memory runs out.
char* BuildBrowserCommandLine(const char* registered, const char* address);
