#pragma once
// The program's texts are GBK bytes; Windows is spoken to in UTF-16, converted with code page 936 explicitly
// so the window reads the same whatever the system's ANSI code page is.

#include <string>
#include <string_view>

std::wstring WideFromGbk(std::string_view gbk);
std::string GbkFromWide(std::wstring_view wide);
