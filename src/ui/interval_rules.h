// The interval box's input rules: it holds a short integer.
#pragma once

// 1 when a typed character may reach the box: control characters (Backspace,
// the clipboard keys) and the minus sign and digits; 0 for anything else.
int AcceptsIntervalChar(unsigned int code);

enum { SHORT_INTEGER_TEXT_SIZE = 7 };  // "-32768" and its NUL

// Writes the text as a decimal short integer into `normalized`: leading white
// space, an optional sign and the digits up to the first other character are
// read, the value is clamped to -32768..32767, and 0 is written as the empty
// text. A missing text reads as 0.
void NormalizeShortInteger(const char* text, char normalized[SHORT_INTEGER_TEXT_SIZE]);
