// Start-up to visible window, and private memory once shown, of a program against baseline programs.
// Runs alternate between them so that all see the same machine and the same warm Wine instance.
// Private memory is PagefileUsage: the private bytes on Windows, the anonymous resident memory under Wine.
//
// Usage: startup_bench <rounds> <program.exe> <baseline.exe>...
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Sample {
    double milliseconds;
    double privateKiB;
};

struct FindContext {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM parameter) {
    auto* context = reinterpret_cast<FindContext*>(parameter);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == context->processId && ::IsWindowVisible(window)) {
        context->found = window;
        return FALSE;
    }
    return TRUE;
}

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    ::QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

bool Measure(const std::wstring& program, Sample& sample) {
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const double start = Now();
    if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process)) {
        return false;
    }
    FindContext context{process.dwProcessId, nullptr};
    const double deadline = start + 20000.0;
    while (context.found == nullptr && Now() < deadline) {
        ::EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&context));
        if (context.found == nullptr) {
            ::Sleep(1);
        }
    }
    sample.milliseconds = Now() - start;
    ::Sleep(300);  // let the first paint and focus settle before reading memory
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    ::GetProcessMemoryInfo(process.hProcess, &counters, sizeof counters);
    sample.privateKiB = static_cast<double>(counters.PagefileUsage) / 1024.0;
    if (context.found != nullptr) {
        ::PostMessageW(context.found, WM_CLOSE, 0, 0);
    }
    if (::WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
        ::TerminateProcess(process.hProcess, 1);
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return context.found != nullptr;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: startup_bench <rounds> <program.exe> <baseline.exe>...\n");
        return 2;
    }
    const int rounds = std::max(1, _wtoi(argv[1]));
    const std::vector<std::wstring> programs(argv + 2, argv + argc);
    std::vector<std::vector<double>> times(programs.size());
    std::vector<std::vector<double>> memory(programs.size());
    for (int round = 0; round < rounds; ++round) {
        for (size_t which = 0; which < programs.size(); ++which) {
            Sample sample{};
            if (!Measure(programs[which], sample)) {
                std::fprintf(stderr, "%ls showed no window\n", programs[which].c_str());
                return 1;
            }
            times[which].push_back(sample.milliseconds);
            memory[which].push_back(sample.privateKiB);
        }
    }
    std::printf("%d alternating rounds; medians; ratios against the first program\n", rounds);
    const double subjectMs = Median(times[0]);
    const double subjectKiB = Median(memory[0]);
    for (size_t which = 0; which < programs.size(); ++which) {
        const double ms = Median(times[which]);
        const double kib = Median(memory[which]);
        std::printf("%-60ls start-up %7.1f ms (x%.2f)  private %7.0f KiB (x%.2f)\n", programs[which].c_str(), ms,
                    subjectMs / ms, kib, subjectKiB / kib);
    }
    return 0;
}
