#include "platform/gbk_win32.h"

#include <windows.h>

namespace {
constexpr UINT kGbkCodePage = 936;
}

std::wstring WideFromGbk(std::string_view gbk) {
    if (gbk.empty()) {
        return {};
    }
    const int size = static_cast<int>(gbk.size());
    const int length = ::MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), size, wide.data(), length);
    return wide;
}

std::string GbkFromWide(std::wstring_view wide) {
    if (wide.empty()) {
        return {};
    }
    const int size = static_cast<int>(wide.size());
    const int length = ::WideCharToMultiByte(kGbkCodePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string gbk(static_cast<size_t>(length), '\0');
    ::WideCharToMultiByte(kGbkCodePage, 0, wide.data(), size, gbk.data(), length, nullptr, nullptr);
    return gbk;
}
