#include "app/events.h"

#include <algorithm>

namespace {
int suspendCount = 0;
}

void SuspendEvents() {
    ++suspendCount;
}

void ResumeEvents() {
    if (suspendCount > 0) {
        --suspendCount;
    }
}

void RaiseEvent(Control source, Event event, int32_t first, int32_t second) {
    if (suspendCount > 0) {
        return;
    }
    const auto binding = std::find_if(kEventBindings.begin(), kEventBindings.end(),
                                      [&](const EventBinding& b) { return b.source == source && b.event == event; });
    if (binding == kEventBindings.end()) {
        return;
    }
    if (binding->plain != nullptr) {
        binding->plain();
    } else if (binding->pair != nullptr) {
        binding->pair(first, second);
    }
}
