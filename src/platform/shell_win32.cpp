#include "platform/shell_win32.h"

namespace {
using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
}

INT_PTR ShellOpen(const char* address) {
    // SHELL32 is large and needed only when something is opened, so it is loaded then, not at start-up.
    static const auto shellExecute = reinterpret_cast<ShellExecuteFunction>(
        reinterpret_cast<void*>(::GetProcAddress(::LoadLibraryW(L"shell32.dll"), "ShellExecuteA")));
    if (shellExecute == nullptr) {
        return 0;
    }
    return reinterpret_cast<INT_PTR>(shellExecute(nullptr, "open", address, nullptr, nullptr, SW_SHOW));
}
