#include "app/program.h"

#include <windows.h>
#include <float.h>

#include <string>
#include <vector>

#include "app/events.h"
#include "app/keyboard.h"
#include "app/main_window.h"

namespace {

std::vector<ExitCallback> exitCallbacks;
bool oleInitialized = false;
bool tornDown = false;
bool loopEntered = false;
int quitExitCode = 0;

// Relative paths resolve against the program's folder, whatever folder it was started from.
void EnterProgramFolder() {
    std::string path(MAX_PATH, '\0');
    DWORD length = 0;
    while ((length = ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()))) == path.size()) {
        path.resize(path.size() * 2);
    }
    path.resize(length);
    const size_t lastBackslash = path.rfind('\\');
    if (lastBackslash != std::string::npos) {
        path.resize(lastBackslash);
        ::SetCurrentDirectoryA(path.c_str());
    }
}

// No arithmetic traps from here on: invalid operations give NaN, overflow gives infinity.
void ResetFloatingPoint() {
    _fpreset();
    _controlfp(_MCW_EM, _MCW_EM);
    _controlfp(_RC_NEAR, _MCW_RC);
}

}  // namespace

void InitPlatform() {
    oleInitialized = SUCCEEDED(::OleInitialize(nullptr));
    EnterProgramFolder();
}

void RegisterExitCallback(ExitCallback routine) {
    for (ExitCallback registered : exitCallbacks) {
        if (registered == routine) {
            return;
        }
    }
    exitCallbacks.push_back(routine);
}

int StartProgram() {
    InitPlatform();
    ResetFloatingPoint();
    LoadMainWindow();
    RunMessageLoop();
    return 0;
}

void RunMessageLoop() {
    loopEntered = true;
    if (MainWindowHandle() == nullptr) {
        return;
    }
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (PreTranslateKey(message)) {
            continue;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    if (message.message == WM_QUIT) {
        quitExitCode = static_cast<int>(message.wParam);
    }
}

void NoteProgramWindowDestroyed() {
    if (loopEntered && MainWindowHandle() == nullptr) {
        ::PostQuitMessage(0);
    }
}

int QuitExitCode() {
    return quitExitCode;
}

void TearDown() {
    if (tornDown) {
        return;
    }
    tornDown = true;
    SuspendEvents();  // for good: no handler runs after this point
    DestroyMainWindow();
    for (ExitCallback routine : exitCallbacks) {
        routine();
    }
    exitCallbacks.clear();
    if (oleInitialized) {
        ::OleUninitialize();
    }
}

void ExitProgram(int32_t exitCode) {
    TearDown();
    ::ExitProcess(static_cast<UINT>(exitCode));
}
