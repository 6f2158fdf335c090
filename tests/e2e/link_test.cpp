// The homepage link: its colours for each state and the address it opens.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "browser_log.h"
#include "mouse.h"
#include "screen_capture.h"
#include "test_options.h"
#include "vornex_fixture.h"
#include "wait.h"
#include "window_query.h"

namespace {

constexpr COLORREF kAtRest = RGB(0, 0, 255);
constexpr COLORREF kHovered = RGB(10, 36, 106);
constexpr COLORREF kVisited = RGB(128, 0, 0);

class HomepageLink : public VornexTest {
protected:
    void SetUp() override {
        ClearBrowserLog(Options().browserLogPath);
        VornexTest::SetUp();
    }

    HWND Link() const { return ControlWindow(Control::超级链接框1); }

    // True once the link's text is drawn in `colour`.
    bool IsDrawnIn(COLORREF colour) const {
        RECT area{};
        ::GetWindowRect(Link(), &area);
        return WaitUntil([&] { return ScreenImage::Capture(area).HasTextIn(colour, ::GetSysColor(COLOR_BTNFACE)); });
    }
};

TEST_F(HomepageLink, IsBlueAtRestAndDarkBlueWhileTheMouseIsOverIt) {
    EXPECT_TRUE(IsDrawnIn(kAtRest));
    MoveCursorTo(CentreOnScreen(Link()));
    EXPECT_TRUE(IsDrawnIn(kHovered));
    MoveCursorTo(FreeSpotOnScreen());
    EXPECT_TRUE(IsDrawnIn(kAtRest));
    EXPECT_TRUE(ReadBrowserLog(Options().browserLogPath).empty()) << "hovering opened something";
}

TEST_F(HomepageLink, LeftClickOpensTheHomepageAndMarksTheLinkVisited) {
    LeftClickAt(CentreOnScreen(Link()));
    ASSERT_TRUE(WaitUntil([] { return !ReadBrowserLog(Options().browserLogPath).empty(); }))
        << "no address reached the browser";
    EXPECT_EQ(ReadBrowserLog(Options().browserLogPath), std::vector<std::string>{VORNEX_EXPECTED_HOMEPAGE_URL});

    EXPECT_TRUE(IsDrawnIn(kHovered)) << "the mouse is still over the link";
    MoveCursorTo(FreeSpotOnScreen());
    EXPECT_TRUE(IsDrawnIn(kVisited));
}

}  // namespace
