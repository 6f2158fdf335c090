#pragma once
#include <windows.h>

// The main window's own keyboard handling, and the key-down events of its controls, applied to a queued
// message before it is dispatched. Returns true when the message has been consumed.
bool PreTranslateKey(const MSG& message);
