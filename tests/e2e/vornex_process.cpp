#include "vornex_process.h"

#include <winternl.h>

#include <cstddef>
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

// Where the 64-bit process parameters keep what a process needs to know of itself.
constexpr size_t kProcessParametersInPeb = 0x20;
constexpr size_t kCurrentDirectoryInParameters = 0x38;

template <typename T>
bool ReadFrom(HANDLE process, const void* address, T& value) {
    SIZE_T read = 0;
    return ::ReadProcessMemory(process, address, &value, sizeof value, &read) != FALSE && read == sizeof value;
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

bool VornexProcess::Start(const std::wstring& exePath, const wchar_t* startFolder) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + exePath + L"\"";
    return ::CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, startFolder,
                            &startup, &info_) != FALSE;
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

std::wstring VornexProcess::CurrentDirectory() const {
    PROCESS_BASIC_INFORMATION basic{};
    if (::NtQueryInformationProcess(info_.hProcess, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) {
        return {};
    }
    const auto* peb = reinterpret_cast<const std::byte*>(basic.PebBaseAddress);
    const std::byte* parameters = nullptr;
    UNICODE_STRING directory{};
    if (!ReadFrom(info_.hProcess, peb + kProcessParametersInPeb, parameters) ||
        !ReadFrom(info_.hProcess, parameters + kCurrentDirectoryInParameters, directory)) {
        return {};
    }
    std::wstring path(directory.Length / sizeof(wchar_t), L'\0');
    SIZE_T read = 0;
    if (!::ReadProcessMemory(info_.hProcess, directory.Buffer, path.data(), directory.Length, &read)) {
        return {};
    }
    return path;
}
