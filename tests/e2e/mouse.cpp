#include "mouse.h"

namespace {

constexpr DWORD kCursorSettleMs = 250;

INPUT ButtonInput(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    return input;
}

}  // namespace

void MoveCursorTo(POINT screenPoint) {
    ::SetCursorPos(screenPoint.x, screenPoint.y);
    ::Sleep(kCursorSettleMs);
}

void LeftClickAt(POINT screenPoint) {
    MoveCursorTo(screenPoint);
    INPUT click[] = {ButtonInput(MOUSEEVENTF_LEFTDOWN), ButtonInput(MOUSEEVENTF_LEFTUP)};
    ::SendInput(2, click, sizeof(INPUT));
    ::Sleep(kCursorSettleMs);
}
