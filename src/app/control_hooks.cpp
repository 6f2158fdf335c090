#include "app/control_hooks.h"

#include "app/events.h"

namespace {

constexpr wchar_t kOriginalProcProperty[] = L"VornexOriginalProc";

HWND radioChangingFocus = nullptr;

void Subclass(HWND window, WNDPROC replacement) {
    const auto original = ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(replacement));
    ::SetPropW(window, kOriginalProcProperty, reinterpret_cast<HANDLE>(original));
}

LRESULT CallOriginal(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto original = reinterpret_cast<WNDPROC>(::GetPropW(window, kOriginalProcProperty));
    if (message == WM_NCDESTROY) {
        ::RemovePropW(window, kOriginalProcProperty);
    }
    return ::CallWindowProcW(original, window, message, wParam, lParam);
}

LRESULT CALLBACK GroupBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return ::SendMessageW(::GetParent(window), message, wParam, lParam);
        case WM_ERASEBKGND: {
            // A group box paints only its frame; the main window clips its children and paints nothing behind it.
            RECT client;
            ::GetClientRect(window, &client);
            ::FillRect(reinterpret_cast<HDC>(wParam), &client, ::GetSysColorBrush(COLOR_BTNFACE));
            return TRUE;
        }
        default:
            return CallOriginal(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK LabelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kHotkeyFeedbackMessage) {
        RaiseEvent(static_cast<Control>(::GetDlgCtrlID(window)), Event::Main, static_cast<int32_t>(wParam),
                   static_cast<int32_t>(lParam));
        return 0;
    }
    return CallOriginal(window, message, wParam, lParam);
}

LRESULT CALLBACK RadioProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_SETFOCUS && message != WM_KILLFOCUS) {
        return CallOriginal(window, message, wParam, lParam);
    }
    const HWND outer = radioChangingFocus;
    radioChangingFocus = window;
    const LRESULT result = CallOriginal(window, message, wParam, lParam);
    radioChangingFocus = outer;
    return result;
}

}  // namespace

void ForwardNotificationsToParent(HWND groupBox) {
    Subclass(groupBox, GroupBoxProc);
}

void RaiseFeedbackFromLabel(HWND label) {
    Subclass(label, LabelProc);
}

void MarkFocusChangesOfRadio(HWND radioButton) {
    Subclass(radioButton, RadioProc);
}

bool IsRadioChangingFocus(HWND radioButton) {
    return radioButton == radioChangingFocus;
}
