// The baseline: the smallest honest Win32 window program, built by the same toolchain with the same flags.
// Built a second time with the system libraries vornex.exe must initialise (OLE, the common controls), to
// show how much of the difference is the program's own.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

namespace {
LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
#ifdef WITH_SYSTEM_LIBRARIES
    ::OleInitialize(nullptr);
    const INITCOMMONCONTROLSEX commonControls{sizeof commonControls, ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&commonControls);
#endif
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"BareWindow";
    ::RegisterClassW(&windowClass);
    ::CreateWindowExW(0, L"BareWindow", L"Bare", WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE, CW_USEDEFAULT,
                      CW_USEDEFAULT, 318, 306, nullptr, nullptr, instance, nullptr);
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return 0;
}
