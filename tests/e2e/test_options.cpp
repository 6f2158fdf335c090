#include "test_options.h"

#include <cstdio>
#include <cwchar>
#include <string_view>

namespace {

TestOptions options;

bool TakeValue(std::wstring_view argument, std::wstring_view name, std::wstring& value) {
    if (!argument.starts_with(name)) {
        return false;
    }
    value = argument.substr(name.size());
    return true;
}

}  // namespace

const TestOptions& Options() {
    return options;
}

bool ParseOptions(int argc, wchar_t** argv) {
    std::wstring codePage;
    for (int i = 1; i < argc; ++i) {
        const std::wstring_view argument = argv[i];
        if (!TakeValue(argument, L"--vornex=", options.vornexPath) &&
            !TakeValue(argument, L"--browser-log=", options.browserLogPath) &&
            !TakeValue(argument, L"--screenshots=", options.screenshotDir) &&
            !TakeValue(argument, L"--code-page=", codePage)) {
            std::fwprintf(stderr, L"unknown option: %ls\n", argv[i]);
            return false;
        }
    }
    options.codePage = std::wcstoul(codePage.c_str(), nullptr, 10);
    if (options.vornexPath.empty() || options.browserLogPath.empty() || options.screenshotDir.empty() ||
        options.codePage == 0) {
        std::fputws(L"usage: vornex_e2e_tests --vornex=EXE --browser-log=FILE --screenshots=DIR --code-page=N\n",
                    stderr);
        return false;
    }
    return true;
}
