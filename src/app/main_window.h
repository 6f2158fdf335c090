#pragma once
#include <windows.h>

#include "app/controls.h"

// Builds the main window hidden, raises its created event, then shows it.
void LoadMainWindow();

// Null once the window has been destroyed (or if it could not be built).
HWND MainWindowHandle();

// The window of a control, or the main window itself for Control::MainWindow.
HWND ControlWindow(Control control);

void DestroyMainWindow();
