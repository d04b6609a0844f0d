// What the handlers need of the main window's controls and of the program's
// run: texts, states, the list box, the shout timer, the message loop and the
// exit routine. Everything here runs on the GUI thread.
#pragma once

#include <stdint.h>

// The content or caption of a control as a new text the caller frees;
// NULL when it is empty.
char* ReadControlText(int id);

// Shows the new text at once.
void SetControlCaption(int id, const char* text);

// 1 when the check box is ticked, 0 otherwise.
int ReadCheckState(int id);

// The shout timer's period in milliseconds; 0 means stopped.
int32_t ReadTimerPeriod();
// Negative becomes 0; an unchanged period leaves a running timer's count
// alone; otherwise the timer stops and, above 0, starts again from now.
void WriteTimerPeriod(int32_t period);

void ListBoxClear(int id);
// Appends an item after the last one; a refused item is left out.
void ListBoxAppend(int id, const char* text, int32_t value);
// Position of the selected item, -1 when none.
int ListBoxSelection(int id);
// The item's value; -1 outside the list.
int32_t ListBoxItemValue(int id, int position);
// The item's text as a new text; the empty text outside the list.
char* ListBoxItemText(int id, int position);

// Run once after the message loop has ended; a second call replaces the first.
void RegisterExitRoutine(void (*routine)());
void RunExitRoutine();

// Registers the window classes; when that fails, LoadWindow fails too.
void StartToolkit();
// Creates the main window with its controls, raises its created event and
// shows it. On failure shows an error box and ends the process with -1.
void LoadWindow();
// Dispatches messages until the quit message arrives; returns its code.
int RunMessageLoop();
