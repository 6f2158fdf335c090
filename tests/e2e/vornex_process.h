#pragma once
#include <windows.h>

#include <optional>
#include <string>

// One run of vornex.exe. Whatever a test leaves running is ended when this goes away, so that the next test
// starts alone on the screen and can register the hotkey.
class VornexProcess {
public:
    VornexProcess() = default;
    VornexProcess(const VornexProcess&) = delete;
    VornexProcess& operator=(const VornexProcess&) = delete;
    ~VornexProcess();

    bool Start(const std::wstring& exePath);

    // The process's visible top-level window captioned "Vornex", or null when none appeared in time.
    HWND WaitForMainWindow(DWORD timeoutMs) const;

    // The exit code, or nothing while the process still runs after the timeout.
    std::optional<DWORD> WaitForExit(DWORD timeoutMs) const;

private:
    PROCESS_INFORMATION info_{};
};
