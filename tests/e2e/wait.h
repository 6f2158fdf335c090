#pragma once
#include <windows.h>

// The program under test runs in another process and reacts in its own time: poll for the state a test expects.
// (<chrono> cannot be used here: one of its literals has no GBK form, and the sources compile to GBK.)
template <typename Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs = 5000) {
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (::GetTickCount64() >= deadline) {
            return false;
        }
        ::Sleep(20);
    }
    return true;
}
