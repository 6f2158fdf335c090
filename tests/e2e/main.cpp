#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

#include "test_options.h"

int wmain(int argc, wchar_t** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (!ParseOptions(argc, argv)) {
        return 2;
    }
    // A pass that silently ran under the wrong code page would prove nothing about that code page.
    if (::GetACP() != Options().codePage) {
        std::fwprintf(stderr, L"expected ANSI code page %u, running under %u\n", Options().codePage, ::GetACP());
        return 2;
    }
    return RUN_ALL_TESTS();
}
