#include "platform/browser_command.h"

#include <gtest/gtest.h>

namespace {

struct BrowserCommandCase {
    const char* registered;
    const char* expected;
};

// The registered command is cut before its placeholder (taking a quote that opens it along), then the address
// follows after one space.
TEST(BrowserCommandLine, CutsTheRegisteredCommandBeforeItsPlaceholder) {
    const BrowserCommandCase cases[] = {
        {R"("C:\Browser\browser.exe" -- "%1")", R"("C:\Browser\browser.exe" --  http://a.example/)"},
        {R"(C:\browser.exe %1)", R"(C:\browser.exe  http://a.example/)"},
        {R"(C:\browser.exe -url %1 "%1")", R"(C:\browser.exe -url %1  http://a.example/)"},
        {R"(C:\browser.exe)", R"(C:\browser.exe http://a.example/)"},
        {"", " http://a.example/"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BrowserCommandLine(c.registered, "http://a.example/"), c.expected) << c.registered;
    }
}

}  // namespace
