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

    // Without a folder the program starts in the driver's current directory.
    bool Start(const std::wstring& exePath, const wchar_t* startFolder = nullptr);

    // The process's visible top-level window captioned "Vornex", or null when none appeared in time.
    HWND WaitForMainWindow(DWORD timeoutMs) const;

    // The exit code, or nothing while the process still runs after the timeout.
    std::optional<DWORD> WaitForExit(DWORD timeoutMs) const;

    // The current directory as the process itself sees it, read from its process parameters as any debugger
    // or process viewer does; empty if it cannot be read.
    std::wstring CurrentDirectory() const;

private:
    PROCESS_INFORMATION info_{};
};
