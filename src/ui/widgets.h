// The two custom-drawn control kinds of the main window.
#pragma once

#include <windows.h>

#define LABEL_CLASS "TarnvikLabel"
#define HYPERLINK_CLASS "TarnvikHyperlink"

int RegisterLabelClass(HINSTANCE instance);
// The caption's colour; the background is always the button face.
void LabelSetTextColor(HWND label, COLORREF color);

int RegisterHyperlinkClass(HINSTANCE instance);
// The page a click opens; drawn in place of an empty caption.
void HyperlinkSetAddress(HWND link, const char* address);
