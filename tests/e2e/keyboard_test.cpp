// The main window's own keyboard handling and what the edit boxes accept from the keyboard.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "keyboard.h"
#include "mouse.h"
#include "usage_text.h"
#include "vornex_fixture.h"
#include "wait.h"
#include "window_query.h"

namespace {

const std::vector<Control> kTabCycle = {
    Control::编辑框2, Control::鼠标1,   Control::鼠标2, Control::编辑框1,
    Control::编辑框3, Control::选择框1, Control::鼠标3, Control::编辑框4,
};

struct TabDirection {
    const char* name;
    bool shift;
};

void PrintTo(const TabDirection& direction, std::ostream* out) {
    *out << direction.name;
}

class TabCycle : public VornexTest, public ::testing::WithParamInterface<TabDirection> {};

TEST_P(TabCycle, VisitsEveryTabStopInOrderAndWrapsAround) {
    std::vector<Control> expected = kTabCycle;
    if (GetParam().shift) {
        std::reverse(expected.begin() + 1, expected.end());
    }
    expected.push_back(Control::编辑框2);

    ASSERT_EQ(Focus(), ControlWindow(expected.front()));
    for (size_t step = 1; step < expected.size(); ++step) {
        SCOPED_TRACE(::testing::Message() << "Tab press " << step);
        if (GetParam().shift) {
            PressKey(VK_TAB, {VK_SHIFT});
        } else {
            PressKey(VK_TAB);
        }
        const HWND next = ControlWindow(expected[step]);
        EXPECT_TRUE(WaitUntil([&] { return Focus() == next; })) << "focus is on control id " << ::GetDlgCtrlID(Focus());
    }
}

INSTANTIATE_TEST_SUITE_P(Keyboard, TabCycle,
                         ::testing::Values(TabDirection{"Tab", false}, TabDirection{"ShiftTab", true}),
                         [](const auto& info) { return std::string(info.param.name); });

struct ArrowStep {
    WORD key;
    Control reached;
};

using RadioButtonArrows = VornexTest;

TEST_F(RadioButtonArrows, MoveTheCheckAndTheFocusAroundTheModes) {
    const ArrowStep steps[] = {
        {VK_RIGHT, Control::鼠标2}, {VK_DOWN, Control::鼠标3}, {VK_RIGHT, Control::鼠标1},
        {VK_LEFT, Control::鼠标3},  {VK_UP, Control::鼠标2},
    };
    const Control modes[] = {Control::鼠标1, Control::鼠标2, Control::鼠标3};

    const HWND leftClickMode = ControlWindow(Control::鼠标1);
    PressKey(VK_TAB);
    ASSERT_TRUE(WaitUntil([&] { return Focus() == leftClickMode; }));
    for (const ArrowStep& step : steps) {
        SCOPED_TRACE(::testing::Message()
                     << "arrow key " << step.key << " towards control id " << static_cast<int>(step.reached));
        PressKey(step.key);
        const HWND reached = ControlWindow(step.reached);
        EXPECT_TRUE(WaitUntil([&] { return Focus() == reached && IsChecked(reached); }));
        for (Control mode : modes) {
            EXPECT_EQ(IsChecked(ControlWindow(mode)), mode == step.reached) << "control id " << static_cast<int>(mode);
        }
    }
}

struct TypingCase {
    const char* name;
    Control box;
    const char* textAfter;
};

void PrintTo(const TypingCase& typing, std::ostream* out) {
    *out << typing.name;
}

class TypingIntoEditBox : public VornexTest, public ::testing::WithParamInterface<TypingCase> {};

// Each box gets the same keys: End, two Backspaces (which empty the count box), then 123456.
TEST_P(TypingIntoEditBox, KeepsWhatTheBoxAllows) {
    const HWND box = ControlWindow(GetParam().box);
    LeftClickAt(CentreOnScreen(box));
    ASSERT_TRUE(WaitUntil([&] { return Focus() == box; }));

    const WORD keys[] = {VK_END, VK_BACK, VK_BACK, '1', '2', '3', '4', '5', '6'};
    for (WORD key : keys) {
        PressKey(key);
    }
    // Keys are taken in order: once a Tab has moved the focus on, the box has seen every key before it.
    PressKey(VK_TAB);
    ASSERT_TRUE(WaitUntil([&] { return Focus() != box; })) << "Tab did not move the focus on";
    EXPECT_EQ(ReadText(box), GetParam().textAfter);
}

INSTANTIATE_TEST_SUITE_P(Keyboard, TypingIntoEditBox,
                         ::testing::Values(TypingCase{"CountBoxStopsAtFiveCharacters", Control::编辑框3, "12345"},
                                           TypingCase{"IntervalBoxHasNoLimit", Control::编辑框1, "1123456"},
                                           TypingCase{"PositionBoxIsReadOnly", Control::编辑框4, "定位"},
                                           TypingCase{"UsageNotesAreReadOnly", Control::编辑框2, kUsageText}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
