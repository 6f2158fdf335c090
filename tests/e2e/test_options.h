#pragma once
#include <string>

// What the pass script tells the driver: where the program and the files it watches are, and which ANSI code page
// the pass runs under.
struct TestOptions {
    std::wstring vornexPath;
    std::wstring browserLogPath;
    std::wstring screenshotDir;
    unsigned codePage = 0;
};

const TestOptions& Options();

// Reads the driver's own options; GoogleTest has already taken its flags out. False, with a message, on a
// missing or unknown option.
bool ParseOptions(int argc, wchar_t** argv);
