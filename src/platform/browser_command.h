#pragma once
#include <string>
#include <string_view>

// The command line that opens `address` with the program registered for web pages, from that program's
// registered open command: everything before its "%1" placeholder (and the quote opening it), then the address.
std::string BrowserCommandLine(std::string_view registeredCommand, std::string_view address);
