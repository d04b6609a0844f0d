// Choosing the target: the snapshot of visible top-level windows, the window
// list's handlers and the show/hide toggle.
#pragma once

#include <stdint.h>

#include "window_records.h"

// Fills enumeratedWindows with one record per visible top-level window and
// replaces `list` with a deep copy of it. Returns the number of records.
int32_t EnumerateTopLevelWindows(WindowRecordList* list);

// The enumeration's callback: collects the window and always goes on.
int EnumWindowsCallback(int32_t handle, intptr_t applicationValue);

// Appends a record of the window to enumeratedWindows when it is visible.
void CollectWindow(int32_t handle);

// Click on the refresh button; also run once when the main window is created.
void OnRefreshButtonClicked();
// Double-click in the window list.
void OnWindowListDoubleClicked();
// Click on the toggle button: hides the target, or shows it again.
void OnToggleButtonClicked();
