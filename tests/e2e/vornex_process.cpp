#include "vornex_process.h"

#include <string_view>

#include "wait.h"

namespace {

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchMainWindow(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<WindowSearch*>(param);
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    wchar_t caption[16] = {};
    ::GetWindowTextW(window, caption, 16);
    if (processId == search.processId && ::IsWindowVisible(window) && std::wstring_view(caption) == L"Vornex") {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

VornexProcess::~VornexProcess() {
    if (info_.hProcess == nullptr) {
        return;
    }
    if (!WaitForExit(0)) {
        ::TerminateProcess(info_.hProcess, 1);
        ::WaitForSingleObject(info_.hProcess, 5000);
    }
    ::CloseHandle(info_.hThread);
    ::CloseHandle(info_.hProcess);
}

bool VornexProcess::Start(const std::wstring& exePath) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + exePath + L"\"";
    return ::CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &info_) != FALSE;
}

HWND VornexProcess::WaitForMainWindow(DWORD timeoutMs) const {
    WindowSearch search{info_.dwProcessId, nullptr};
    WaitUntil(
        [&] {
            ::EnumWindows(MatchMainWindow, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        timeoutMs);
    return search.found;
}

std::optional<DWORD> VornexProcess::WaitForExit(DWORD timeoutMs) const {
    if (::WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD exitCode = 0;
    ::GetExitCodeProcess(info_.hProcess, &exitCode);
    return exitCode;
}
