#include "vornex_fixture.h"

#include <algorithm>
#include <array>

#include "mouse.h"
#include "screen_capture.h"
#include "test_options.h"
#include "wait.h"
#include "window_query.h"

namespace {

constexpr std::array kGroupBoxControls = {
    Control::鼠标1, Control::鼠标3,   Control::鼠标2, Control::选择框1, Control::编辑框3,
    Control::标签2, Control::编辑框1, Control::标签1, Control::编辑框4,
};

// A window just shown paints its controls a moment later: two looks in a row that agree mean it is drawn.
bool IsDrawn(HWND window) {
    RECT area{};
    ::GetWindowRect(window, &area);
    const ScreenImage before = ScreenImage::Capture(area);
    ::Sleep(150);
    return ScreenImage::Capture(area) == before;
}

// Far from the centred window, so that no test starts with the cursor over a control.
constexpr POINT kCursorParking{2, 2};

bool IsInGroupBox(Control control) {
    return std::find(kGroupBoxControls.begin(), kGroupBoxControls.end(), control) != kGroupBoxControls.end();
}

}  // namespace

void VornexTest::SetUp() {
    MoveCursorTo(kCursorParking);
    ASSERT_TRUE(process_.Start(Options().vornexPath)) << "could not start vornex.exe";
    mainWindow_ = process_.WaitForMainWindow(10000);
    ASSERT_NE(mainWindow_, nullptr) << "no visible window captioned Vornex";
    ASSERT_TRUE(WaitUntil([this] { return Focus() != nullptr; })) << "the window never took the focus";
    ASSERT_TRUE(WaitUntil([this] { return IsDrawn(mainWindow_); })) << "the window never finished drawing";
}

HWND VornexTest::ControlWindow(Control control) const {
    const HWND parent =
        IsInGroupBox(control) ? ::GetDlgItem(mainWindow_, static_cast<int>(Control::分组框1)) : mainWindow_;
    return ::GetDlgItem(parent, static_cast<int>(control));
}

HWND VornexTest::Focus() const {
    return FocusedWindow(mainWindow_);
}

POINT VornexTest::FreeSpotOnScreen() const {
    POINT spot{200, 115};
    ::ClientToScreen(mainWindow_, &spot);
    return spot;
}
