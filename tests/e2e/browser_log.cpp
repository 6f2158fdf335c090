#include "browser_log.h"

#include <windows.h>

#include <fstream>
#include <iterator>

std::vector<std::string> ReadBrowserLog(const std::wstring& path) {
    std::ifstream log(path.c_str(), std::ios::binary);
    const std::string content{std::istreambuf_iterator<char>(log), std::istreambuf_iterator<char>()};
    // The script appends while we read: only a line with its line feed is complete.
    std::vector<std::string> lines;
    for (size_t start = 0, end; (end = content.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(content.substr(start, end - start));
    }
    return lines;
}

void ClearBrowserLog(const std::wstring& path) {
    ::DeleteFileW(path.c_str());
}
