// The program's spine: entry, the main window's own events and the routines
// that act on the target window.
#pragma once

#include <stdint.h>

int32_t ProgramMain();

// Created event of the main window: it exists but is not shown yet.
void OnMainWindowCreated();
// About-to-be-destroyed event of the main window.
void OnMainWindowClosing();

// Shows the target again without activating it, when it still exists.
void RestoreTargetWindow();
// 1 when the handle names an existing window, 0 otherwise.
int32_t WindowExists(int32_t handle);
void SetWindowShowState(int32_t handle, int command);
