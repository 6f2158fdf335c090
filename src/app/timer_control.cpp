#include "app/timer_control.h"

#include "app/events.h"
#include "app/window_description.h"

namespace {

LRESULT CALLBACK TimerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = ::DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_TIMER) {
        RaiseEvent(static_cast<Control>(::GetDlgCtrlID(window)), Event::Main);
    }
    return result;
}

}  // namespace

void RegisterTimerClass(HINSTANCE instance) {
    WNDCLASSEXW timerClass{};
    timerClass.cbSize = sizeof timerClass;
    timerClass.lpfnWndProc = TimerProc;
    timerClass.hInstance = instance;
    timerClass.lpszClassName = kTimerClass;
    ::RegisterClassExW(&timerClass);
}
