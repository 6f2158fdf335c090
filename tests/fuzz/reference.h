#pragma once
// Slow references for the fuzz targets, written straight from the rules of the text operations: a byte offset
// that walks the text character by character, with no shortcut. They share no code with src/.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace reference {

inline bool High(char c) {
    return static_cast<unsigned char>(c) >= 0x80;
}

inline bool IsLetter(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

inline bool BytesMatch(char a, char b, bool ignoreCase) {
    const auto x = static_cast<unsigned char>(a);
    const auto y = static_cast<unsigned char>(b);
    if (x == y) {
        return true;
    }
    return ignoreCase && IsLetter(x) && IsLetter(y) && (x | 0x20) == (y | 0x20);
}

inline bool MatchesAt(std::string_view text, size_t offset, std::string_view needle, bool ignoreCase) {
    for (size_t i = 0; i < needle.size(); ++i) {
        if (!BytesMatch(text[offset + i], needle[i], ignoreCase)) {
            return false;
        }
    }
    return true;
}

inline size_t ScanOffset(int32_t start) {
    return start >= 1 ? static_cast<size_t>(start) - 1 : 0;
}

inline int32_t FindText(std::string_view text, std::string_view needle, int32_t start, bool ignoreCase) {
    size_t offset = ScanOffset(start);
    if (offset >= text.size()) {
        return -1;
    }
    while (offset <= text.size() && text.size() - offset >= needle.size()) {
        if (MatchesAt(text, offset, needle, ignoreCase)) {
            return static_cast<int32_t>(offset + 1);
        }
        offset += High(text[offset]) ? 2 : 1;
    }
    return -1;
}

inline std::string TextMid(std::string_view text, int32_t start, int32_t count) {
    std::string result;
    if (start < 1 || count <= 0) {
        return result;
    }
    const auto size = static_cast<int64_t>(text.size());
    for (int64_t i = int64_t{start} - 1; i < size && i < int64_t{start} - 1 + count; ++i) {
        result += text[static_cast<size_t>(i)];
    }
    return result;
}

inline std::string ReplaceText(std::string_view text, std::string_view needle, std::string_view replacement,
                               int32_t start, int32_t count, bool caseSensitive) {
    size_t offset = ScanOffset(start);
    if (text.empty() || needle.empty() || offset >= text.size() || count == 0) {
        return std::string(text);
    }
    std::string result(text.substr(0, offset));
    int32_t replaced = 0;
    while (text.size() - offset >= needle.size()) {
        if (MatchesAt(text, offset, needle, !caseSensitive)) {
            result += replacement;
            offset += needle.size();
            if (++replaced == count) {
                break;
            }
            continue;
        }
        const size_t step = High(text[offset]) && offset + 1 < text.size() ? 2 : 1;
        result += text.substr(offset, step);
        offset += step;
    }
    result += text.substr(offset);
    return result;
}

inline std::string TextBetween(std::string_view text, std::string_view startMarker, std::string_view endMarker,
                               int32_t startPosition, bool ignoreCase) {
    const std::string_view placeholder = "#\xD2\xFD\xBA\xC5";  // "#引号" in GBK
    const std::string s = ReplaceText(startMarker, placeholder, "\"", 1, -1, true);
    const std::string e = ReplaceText(endMarker, placeholder, "\"", 1, -1, true);
    int32_t p = FindText(text, s, startPosition, ignoreCase);
    if (p != -1) {
        p += static_cast<int32_t>(s.size());
    }
    const int32_t q = FindText(text, e, p, ignoreCase);
    if (p == -1 || q == -1) {
        return {};
    }
    return TextMid(text, p, q - p);
}

}  // namespace reference
