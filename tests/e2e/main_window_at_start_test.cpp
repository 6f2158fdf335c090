// The main window as a user first sees it: frame, place, every control's place, text and state, and the focus.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>

#include "screen_capture.h"
#include "test_options.h"
#include "usage_text.h"
#include "vornex_fixture.h"
#include "window_query.h"

namespace {

constexpr int kWindowWidth = 318;
constexpr int kWindowHeight = 306;

enum class Mark { None, Unchecked, Checked };
enum class Box { Other, SingleLineEdit };

struct ControlAtStart {
    Control control;
    const wchar_t* className;
    POINT inWindow;  // top-left corner in the main window's client area
    SIZE size;
    Box box;
    const char* text;
    Mark mark;
};

const ControlAtStart kControlsAtStart[] = {
    {Control::分组框1, L"Button", {12, 9}, {288, 88}, Box::Other, "设置", Mark::None},
    {Control::鼠标1, L"Button", {22, 31}, {72, 16}, Box::Other, "鼠标左击", Mark::Checked},
    {Control::鼠标3, L"Button", {117, 31}, {72, 16}, Box::Other, "定位点击", Mark::Unchecked},
    {Control::鼠标2, L"Button", {212, 31}, {72, 16}, Box::Other, "鼠标右击", Mark::Unchecked},
    {Control::选择框1, L"Button", {25, 61}, {45, 16}, Box::Other, "点击", Mark::Checked},
    {Control::编辑框3, L"Edit", {68, 60}, {32, 16}, Box::SingleLineEdit, "30", Mark::None},
    {Control::标签2, L"Static", {101, 61}, {35, 14}, Box::Other, "次停止", Mark::None},
    {Control::编辑框1, L"Edit", {147, 61}, {32, 16}, Box::SingleLineEdit, "100", Mark::None},
    {Control::标签1, L"Static", {180, 61}, {24, 16}, Box::Other, "毫秒", Mark::None},
    {Control::编辑框4, L"Edit", {212, 61}, {72, 16}, Box::SingleLineEdit, "定位", Mark::None},
    {Control::超级链接框1, L"VornexLink", {12, 110}, {40, 15}, Box::Other, "主页", Mark::None},
    {Control::编辑框2, L"Edit", {5, 135}, {303, 121}, Box::Other, kUsageText, Mark::None},
};

// A single-line edit box lower than one full-width character of the GUI font plus two edges is made that high.
int ExpectedHeight(const ControlAtStart& row) {
    if (row.box != Box::SingleLineEdit) {
        return row.size.cy;
    }
    HDC screen = ::GetDC(nullptr);
    HGDIOBJ previous = ::SelectObject(screen, ::GetStockObject(DEFAULT_GUI_FONT));
    SIZE character{};
    ::GetTextExtentPoint32W(screen, L"中", 1, &character);
    ::SelectObject(screen, previous);
    ::ReleaseDC(nullptr, screen);
    return std::max<int>(row.size.cy, character.cy + 2 * ::GetSystemMetrics(SM_CYEDGE));
}

using MainWindowAtStart = VornexTest;

TEST_F(MainWindowAtStart, IsAFixedCentredWindowCaptionedVornex) {
    EXPECT_EQ(ReadText(MainWindow()), "Vornex");
    EXPECT_EQ(ClassName(MainWindow()), L"VornexMainWindow");

    RECT outer{};
    ::GetWindowRect(MainWindow(), &outer);
    EXPECT_EQ(outer.right - outer.left, kWindowWidth);
    EXPECT_EQ(outer.bottom - outer.top, kWindowHeight);
    EXPECT_EQ(outer.left, (::GetSystemMetrics(SM_CXSCREEN) - kWindowWidth) / 2);
    EXPECT_EQ(outer.top, (::GetSystemMetrics(SM_CYSCREEN) - kWindowHeight) / 2);

    const auto style = static_cast<DWORD>(::GetWindowLongW(MainWindow(), GWL_STYLE));
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX), DWORD{WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX});
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0u);
    EXPECT_FALSE(::IsIconic(MainWindow()));
    EXPECT_FALSE(::IsZoomed(MainWindow()));
    EXPECT_EQ(::GetParent(MainWindow()), nullptr);
}

TEST_F(MainWindowAtStart, EveryControlHasItsPlaceTextAndState) {
    for (const ControlAtStart& row : kControlsAtStart) {
        SCOPED_TRACE(::testing::Message() << "control id " << static_cast<int>(row.control));
        const HWND control = ControlWindow(row.control);
        ASSERT_NE(control, nullptr) << "not found under its parent";

        EXPECT_EQ(ClassName(control), row.className);
        const RECT place = RectInClientArea(control, MainWindow());
        EXPECT_EQ(place.left, row.inWindow.x);
        EXPECT_EQ(place.top, row.inWindow.y);
        EXPECT_EQ(place.right - place.left, row.size.cx);
        EXPECT_EQ(place.bottom - place.top, ExpectedHeight(row));
        EXPECT_EQ(ReadText(control), row.text);
        if (row.mark != Mark::None) {
            EXPECT_EQ(IsChecked(control), row.mark == Mark::Checked);
        }
        EXPECT_TRUE(::IsWindowVisible(control));
        EXPECT_TRUE(::IsWindowEnabled(control));
    }
}

TEST_F(MainWindowAtStart, StatusBarIsDockedAtTheBottomAndInvitesToStart) {
    const HWND statusBar = ControlWindow(Control::状态条1);
    ASSERT_NE(statusBar, nullptr);
    EXPECT_EQ(ClassName(statusBar), L"msctls_statusbar32");
    EXPECT_TRUE(::IsWindowVisible(statusBar));

    RECT client{};
    ::GetClientRect(MainWindow(), &client);
    const RECT place = RectInClientArea(statusBar, MainWindow());
    EXPECT_EQ(place.left, 0);
    EXPECT_EQ(place.right, client.right);
    EXPECT_EQ(place.bottom, client.bottom);
    EXPECT_EQ(ReadText(statusBar), "开始吧~！");
}

TEST_F(MainWindowAtStart, TimerIsAHiddenWindowOfItsOwn) {
    const HWND timer = ControlWindow(Control::时钟1);
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(ClassName(timer), L"VornexTimer");
    EXPECT_FALSE(::IsWindowVisible(timer));
}

TEST_F(MainWindowAtStart, KeyboardFocusIsInTheUsageNotes) {
    EXPECT_EQ(Focus(), ControlWindow(Control::编辑框2));
}

// Also keeps a picture of the window for the pass, to be looked at by a person.
TEST_F(MainWindowAtStart, DrawsButtonFaceBehindControlsAndWhiteEditBoxes) {
    RECT window{};
    ::GetWindowRect(MainWindow(), &window);
    EXPECT_TRUE(ScreenImage::Capture(window).SaveAsBmp(Options().screenshotDir + L"\\main-window.bmp"));

    const POINT freeSpot = FreeSpotOnScreen();
    const RECT freeArea{freeSpot.x, freeSpot.y, freeSpot.x + 20, freeSpot.y + 10};
    EXPECT_EQ(ScreenImage::Capture(freeArea).MostCommonColour(), ::GetSysColor(COLOR_BTNFACE));

    for (Control box : {Control::编辑框1, Control::编辑框3, Control::编辑框4, Control::编辑框2}) {
        SCOPED_TRACE(::testing::Message() << "edit box id " << static_cast<int>(box));
        RECT inside{};
        ::GetWindowRect(ControlWindow(box), &inside);
        ::InflateRect(&inside, -3, -3);
        EXPECT_EQ(ScreenImage::Capture(inside).MostCommonColour(), RGB(255, 255, 255));
    }
}

}  // namespace
