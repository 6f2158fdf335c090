// The main window gives the keyboard focus back to the control that had it when the user returns to the window.
#include <gtest/gtest.h>
#include <windows.h>

#include "keyboard.h"
#include "mouse.h"
#include "vornex_fixture.h"
#include "wait.h"

namespace {

// Another application's window, to switch to and back from.
class OtherWindow {
public:
    OtherWindow()
        : window_(::CreateWindowExW(0, L"Static", L"other", WS_POPUP | WS_BORDER | WS_VISIBLE, 0, 0, 160, 80, nullptr,
                                    nullptr, ::GetModuleHandleW(nullptr), nullptr)) {}
    ~OtherWindow() { ::DestroyWindow(window_); }
    OtherWindow(const OtherWindow&) = delete;
    OtherWindow& operator=(const OtherWindow&) = delete;

    HWND Handle() const { return window_; }

private:
    HWND window_;
};

using WindowActivation = VornexTest;

TEST_F(WindowActivation, FocusReturnsToTheControlThatHadIt) {
    PressKey(VK_TAB);
    PressKey(VK_TAB);
    const HWND rightClickMode = ControlWindow(Control::鼠标2);
    ASSERT_TRUE(WaitUntil([&] { return Focus() == rightClickMode; }));

    OtherWindow other;
    ::SetForegroundWindow(other.Handle());
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == other.Handle(); }));
    ASSERT_TRUE(WaitUntil([&] { return Focus() != rightClickMode; })) << "the focus stayed while inactive";

    RECT frame{};
    ::GetWindowRect(MainWindow(), &frame);
    LeftClickAt({frame.left + 120, frame.top + 10});  // on the caption bar, away from its buttons
    EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == MainWindow(); }));
    EXPECT_TRUE(WaitUntil([&] { return Focus() == rightClickMode; }))
        << "focus is on control id " << ::GetDlgCtrlID(Focus());
}

}  // namespace
