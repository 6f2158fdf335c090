#include <array>

#include "app/events.h"

namespace {
// One row per bound event; every event not listed reaches no handler.
constexpr std::array<EventBinding, 0> kBindings{};
}  // namespace

const std::span<const EventBinding> kEventBindings{kBindings};
