#pragma once
#include <string>
#include <vector>

// The file in which the browser stand-in of the test prefix records every address the program opens.
std::vector<std::string> ReadBrowserLog(const std::wstring& path);
void ClearBrowserLog(const std::wstring& path);
