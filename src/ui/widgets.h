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

// ---- shared by the custom controls

// Zeroed state kept with the window (GWLP_USERDATA) until DetachWindowState;
// NULL when memory runs out, which should fail WM_NCCREATE.
void* AttachWindowState(HWND window, size_t size);
void* WindowState(HWND window);
// Frees the block; whatever it points to is the caller's to free first.
void DetachWindowState(HWND window);

// Fills the client area with the button face and draws the caption (or
// `fallback` when the caption is empty) in one line with the given format.
void PaintCaption(HWND window, HFONT font, COLORREF color, const char* fallback, UINT format);

// WM_SETTEXT of a custom control: stores the caption and draws it at once.
LRESULT SetCaptionAndRedraw(HWND window, WPARAM wParam, LPARAM lParam);
