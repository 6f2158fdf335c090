#pragma once
#include <windows.h>

// ShellExecuteA(no window, "open", address, no parameters, no directory, SW_SHOW); above 32 means it worked.
INT_PTR ShellOpen(const char* address);
