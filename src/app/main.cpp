#include <windows.h>

#include <new>

#include "app/program.h"

namespace {

// Out of memory is the one failure the program cannot carry on from.
[[noreturn]] void OnOutOfMemory() {
    ::MessageBoxW(nullptr, L"内存不足，程序将退出。", L"Vornex", MB_OK | MB_ICONERROR);
    ::ExitProcess(static_cast<UINT>(-1));
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    ::SetErrorMode(::SetErrorMode(0) | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    std::set_new_handler(OnOutOfMemory);
    StartProgram();
    TearDown();
    ::ExitProcess(static_cast<UINT>(QuitExitCode()));
}
