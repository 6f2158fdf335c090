#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "app/events.h"

namespace {

struct Delivery {
    int handler;
    int32_t first;
    int32_t second;
};

std::vector<Delivery> deliveries;

void OnCreated() {
    deliveries.push_back({1, 0, 0});
}
void OnFeedback(int32_t first, int32_t second) {
    deliveries.push_back({2, first, second});
}
void OnKeyDown(int32_t keyCode, int32_t modifiers) {
    deliveries.push_back({3, keyCode, modifiers});
}

constexpr std::array kBindings{
    EventBinding{Control::MainWindow, Event::Main, OnCreated},
    EventBinding{Control::标签1, Event::Main, nullptr, OnFeedback},
    EventBinding{Control::编辑框4, Event::KeyDown, nullptr, OnKeyDown},
};

class EventDelivery : public ::testing::Test {
protected:
    void SetUp() override { deliveries.clear(); }
};

bool operator==(const Delivery& a, const Delivery& b) {
    return a.handler == b.handler && a.first == b.first && a.second == b.second;
}

TEST_F(EventDelivery, ReachesOnlyTheHandlerBoundToThatControlAndEvent) {
    RaiseEvent(Control::MainWindow, Event::Main);
    RaiseEvent(Control::标签1, Event::Main, 33001, 0);
    RaiseEvent(Control::编辑框4, Event::KeyDown, 32, 2);
    RaiseEvent(Control::编辑框4, Event::Main);      // bound control, unbound event
    RaiseEvent(Control::标签2, Event::Main, 1, 1);  // unbound control
    RaiseEvent(Control::编辑框1, Event::KeyDown, 32, 0);

    const std::vector<Delivery> expected{{1, 0, 0}, {2, 33001, 0}, {3, 32, 2}};
    EXPECT_EQ(deliveries, expected);
}

TEST_F(EventDelivery, NothingIsDeliveredUntilEverySuspensionIsResumed) {
    SuspendEvents();
    SuspendEvents();
    RaiseEvent(Control::MainWindow, Event::Main);
    ResumeEvents();
    RaiseEvent(Control::MainWindow, Event::Main);
    EXPECT_TRUE(deliveries.empty());

    ResumeEvents();
    RaiseEvent(Control::MainWindow, Event::Main);
    EXPECT_EQ(deliveries.size(), 1u);

    ResumeEvents();  // one resumption too many must not leave a credit for a later suspension
    SuspendEvents();
    RaiseEvent(Control::MainWindow, Event::Main);
    EXPECT_EQ(deliveries.size(), 1u);
    ResumeEvents();
}

}  // namespace

const std::span<const EventBinding> kEventBindings{kBindings};
