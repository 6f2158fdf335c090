// The program works in its own folder, whatever folder it was started from.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cwctype>
#include <string>

#include "test_options.h"
#include "vornex_process.h"

namespace {

// Windows paths compare without regard to case or a closing backslash.
std::wstring Normalised(std::wstring path) {
    while (!path.empty() && path.back() == L'\\') {
        path.pop_back();
    }
    std::transform(path.begin(), path.end(), path.begin(), [](wchar_t c) { return std::towlower(c); });
    return path;
}

TEST(StartFolder, IsTheProgramsOwnFolder) {
    wchar_t systemFolder[MAX_PATH]{};
    ::GetSystemDirectoryW(systemFolder, MAX_PATH);
    const std::wstring program = Options().vornexPath;
    const std::wstring programFolder = program.substr(0, program.rfind(L'\\'));
    ASSERT_NE(Normalised(systemFolder), Normalised(programFolder));

    VornexProcess process;
    ASSERT_TRUE(process.Start(program, systemFolder));
    ASSERT_NE(process.WaitForMainWindow(10000), nullptr);
    EXPECT_EQ(Normalised(process.CurrentDirectory()), Normalised(programFolder));
}

}  // namespace
