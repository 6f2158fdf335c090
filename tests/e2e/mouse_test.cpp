// What a mouse click on the settings does by itself.
#include <gtest/gtest.h>
#include <windows.h>

#include "mouse.h"
#include "vornex_fixture.h"
#include "wait.h"
#include "window_query.h"

namespace {

using ModeButtons = VornexTest;

TEST_F(ModeButtons, ClickingRightClickModeUnchecksLeftClickMode) {
    const HWND rightClick = ControlWindow(Control::鼠标2);
    LeftClickAt(CentreOnScreen(rightClick));

    EXPECT_TRUE(WaitUntil([&] { return IsChecked(rightClick); }));
    EXPECT_FALSE(IsChecked(ControlWindow(Control::鼠标1)));
    EXPECT_FALSE(IsChecked(ControlWindow(Control::鼠标3)));
}

}  // namespace
