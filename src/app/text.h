// Texts: NUL-terminated byte strings in the ANSI code page, owned by whoever
// holds them. NULL is the missing text, which counts as empty.
#pragma once

// A new copy that the caller frees with TextFree; NULL stays NULL.
// Also NULL when memory runs out.
char* TextDuplicate(const char* text);

// A new text holding `first` followed by `second` (either may be missing).
char* TextConcat(const char* first, const char* second);

void TextFree(char* text);

// 1 for a missing text or one of length 0.
int TextIsEmpty(const char* text);

// 1 when both hold the same bytes; a missing text equals the empty text.
int TextEquals(const char* a, const char* b);
