// Every way a user closes the window ends the program normally.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "keyboard.h"
#include "mouse.h"
#include "vornex_fixture.h"
#include "window_query.h"

namespace {

// Without a window manager Wine draws the caption itself: ask the window where its close box is, along the
// middle of the caption bar.
std::optional<POINT> CloseBoxOnScreen(HWND window) {
    RECT outer{};
    ::GetWindowRect(window, &outer);
    const int y = outer.top + ::GetSystemMetrics(SM_CYFIXEDFRAME) + ::GetSystemMetrics(SM_CYCAPTION) / 2;
    std::optional<int> right;
    for (int x = outer.right - 1; x > outer.left; --x) {
        const bool overCloseBox = ::SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE;
        if (overCloseBox && !right) {
            right = x;
        } else if (!overCloseBox && right) {
            return POINT{(x + 1 + *right) / 2, y};
        }
    }
    return std::nullopt;
}

enum class Gesture { Esc, EscInPositionBox, AltF4, CloseBox };

struct ClosingCase {
    const char* name;
    Gesture gesture;
};

void PrintTo(const ClosingCase& closing, std::ostream* out) {
    *out << closing.name;
}

class ClosingTheWindow : public VornexTest, public ::testing::WithParamInterface<ClosingCase> {};

TEST_P(ClosingTheWindow, EndsTheProgramWithExitCodeZero) {
    switch (GetParam().gesture) {
        case Gesture::EscInPositionBox:
            LeftClickAt(CentreOnScreen(ControlWindow(Control::编辑框4)));
            PressKey(VK_ESCAPE);
            break;
        case Gesture::Esc:
            PressKey(VK_ESCAPE);
            break;
        case Gesture::AltF4:
            PressKey(VK_F4, {VK_MENU});
            break;
        case Gesture::CloseBox: {
            const auto closeBox = CloseBoxOnScreen(MainWindow());
            ASSERT_TRUE(closeBox.has_value()) << "no close box in the caption bar";
            LeftClickAt(*closeBox);
            break;
        }
    }
    const auto exitCode = process_.WaitForExit(5000);
    ASSERT_TRUE(exitCode.has_value()) << "the program is still running";
    EXPECT_EQ(*exitCode, 0u);
}

INSTANTIATE_TEST_SUITE_P(Closing, ClosingTheWindow,
                         ::testing::Values(ClosingCase{"Esc", Gesture::Esc},
                                           ClosingCase{"EscInThePositionBox", Gesture::EscInPositionBox},
                                           ClosingCase{"AltF4", Gesture::AltF4},
                                           ClosingCase{"CloseBox", Gesture::CloseBox}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
