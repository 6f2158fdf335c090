#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include "app/controls.h"
#include "vornex_process.h"

// Starts vornex.exe for each test and waits until its main window is on screen and ready for input.
class VornexTest : public ::testing::Test {
protected:
    void SetUp() override;

    HWND MainWindow() const { return mainWindow_; }
    // The control's window, looked up under the parent it must have: the group box for the settings.
    HWND ControlWindow(Control control) const;
    HWND Focus() const;
    // A point of the client area between the group box, the link and the usage notes, where nothing is drawn
    // but the background.
    POINT FreeSpotOnScreen() const;

    VornexProcess process_;

private:
    HWND mainWindow_ = nullptr;
};
