#pragma once
#include <windows.h>

// The timer control is a hidden window of its own; every WM_TIMER it receives is a tick.
void RegisterTimerClass(HINSTANCE instance);
