#pragma once
// Event delivery: a window or control raises an event, and the one handler bound to it runs at once,
// on the user-interface thread, unless delivery is suspended.

#include <cstdint>
#include <span>

#include "app/controls.h"

// Each kind of control numbers its own events from 0 (its main event); events common to every kind are negative.
enum class Event : int {
    Main = 0,  // created (window), click (button), feedback (label), periodic (timer)
    KeyDown = -9,
};

using PlainHandler = void (*)();
using PairHandler = void (*)(int32_t first, int32_t second);

struct EventBinding {
    Control source;
    Event event;
    PlainHandler plain = nullptr;
    PairHandler pair = nullptr;
};

// The program's bindings: at most one handler per (source, event).
extern const std::span<const EventBinding> kEventBindings;

void RaiseEvent(Control source, Event event, int32_t first = 0, int32_t second = 0);

// Suspensions nest; nothing is delivered until each one has been resumed.
void SuspendEvents();
void ResumeEvents();
