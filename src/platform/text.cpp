#include "platform/text.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstring>
#include <limits>
#include <system_error>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr size_t kNotFound = std::string_view::npos;

constexpr unsigned char Byte(char c) {
    return static_cast<unsigned char>(c);
}

// A byte of 0x80 or above: the first byte of a two-byte character, or its second.
constexpr bool IsHighByte(char c) {
    return Byte(c) >= 0x80;
}

// Only the ASCII letters fold; every other byte, two-byte characters' bytes included, must match exactly.
constexpr unsigned char FoldCase(char c) {
    const unsigned char b = Byte(c);
    return b >= 'A' && b <= 'Z' ? static_cast<unsigned char>(b + ('a' - 'A')) : b;
}

bool EqualIgnoringCase(const char* a, const char* b, size_t n) {
    for (size_t i = 0; i < n; ++i) {
        if (FoldCase(a[i]) != FoldCase(b[i])) {
            return false;
        }
    }
    return true;
}

// The byte scans below look at 64 bytes at a time where SSE2 is there (every x86-64), else at 32.
#if defined(__SSE2__)
constexpr size_t kBlock = 64;

// True when every byte of the block at `p` is 0x80 or above.
bool AllHighBytes(const char* p) {
    const auto* v = reinterpret_cast<const __m128i*>(p);
    const __m128i all = _mm_and_si128(_mm_and_si128(_mm_loadu_si128(v), _mm_loadu_si128(v + 1)),
                                      _mm_and_si128(_mm_loadu_si128(v + 2), _mm_loadu_si128(v + 3)));
    return _mm_movemask_epi8(all) == 0xFFFF;
}
#else
constexpr size_t kBlock = 32;

bool AllHighBytes(const char* p) {
    constexpr uint64_t kHighBits = 0x8080808080808080ULL;
    uint64_t w[4];
    std::memcpy(w, p, sizeof w);
    return (w[0] & w[1] & w[2] & w[3] & kHighBits) == kHighBits;
}
#endif

// The first offset in [begin, end) that holds a byte below 0x80, or `end`.
size_t FirstAsciiByte(const char* data, size_t begin, size_t end) {
    size_t i = begin;
    while (end - i >= kBlock && AllHighBytes(data + i)) {
        i += kBlock;
    }
    while (i < end && IsHighByte(data[i])) {
        ++i;
    }
    return i;
}

// The offset just after the last byte below 0x80 in [begin, end), or `begin` when there is none.
size_t AfterLastAsciiByte(const char* data, size_t begin, size_t end) {
    size_t i = end;
    while (i - begin >= kBlock && AllHighBytes(data + i - kBlock)) {
        i -= kBlock;
    }
    while (i > begin && IsHighByte(data[i - 1])) {
        --i;
    }
    return i;
}

// Whether the character walk that starts at `boundary` (a character start) lands on `k` (k >= boundary).
//
// A byte below 0x80 at or after `boundary` is either a character or the second byte of one, so the byte after it
// always starts a character. Only the run of bytes of 0x80 or above just before `k` is therefore in doubt, and
// within such a run the bytes pair up from its start: `k` starts a character when the run's length is even.
bool StartsCharacter(std::string_view text, size_t boundary, size_t k) {
    return (k - AfterLastAsciiByte(text.data(), boundary, k)) % 2 == 0;
}

// The first offset at or after `from` where the needle matches, on any byte.
size_t FindBytes(std::string_view text, std::string_view needle, size_t from, bool ignoreCase) {
    if (!ignoreCase) {
        return text.find(needle, from);
    }
    if (needle.size() > text.size() || from > text.size() - needle.size()) {
        return kNotFound;
    }
    const unsigned char first = FoldCase(needle[0]);
    const size_t last = text.size() - needle.size();
    for (size_t i = from; i <= last; ++i) {
        if (FoldCase(text[i]) == first &&
            EqualIgnoringCase(text.data() + i + 1, needle.data() + 1, needle.size() - 1)) {
            return i;
        }
    }
    return kNotFound;
}

// How far one byte search looks ahead when the needle starts with an ASCII byte; see FindFromCharacter.
constexpr size_t kSearchWindow = 4096;

// The character walk of FindText from `from`, a character start: the first offset where a character begins and the
// needle matches. Candidates come from a byte search; each is kept only if the walk would land on it.
size_t FindFromCharacter(std::string_view text, std::string_view needle, size_t from, bool ignoreCase) {
    if (needle.empty()) {
        return from < text.size() ? from : kNotFound;
    }
    const bool asciiFirst = !IsHighByte(needle[0]);
    size_t boundary = from;
    while (boundary < text.size()) {
        size_t searchEnd = text.size();
        if (asciiFirst) {
            // Such a needle can only match at a byte below 0x80. A run of bytes of 0x80 or above is passed in one
            // scan: its bytes pair up, so the byte after it starts a character when the run's length is even. On a
            // page of Chinese text this reads the bytes once, where the byte search and the check after it would
            // read them twice. The byte search looks only a window ahead, so that a long run after a few ASCII
            // bytes also comes to this scan.
            const size_t ascii = FirstAsciiByte(text.data(), boundary, text.size());
            if (ascii == text.size()) {
                return kNotFound;
            }
            const bool secondByte = (ascii - boundary) % 2 != 0;
            boundary = secondByte ? ascii + 1 : ascii;
            if (secondByte) {
                continue;
            }
            searchEnd = std::min(text.size(), boundary + kSearchWindow + needle.size() - 1);
        }
        const size_t k = FindBytes(text.substr(0, searchEnd), needle, boundary, ignoreCase);
        if (k == kNotFound) {
            if (searchEnd == text.size()) {
                return kNotFound;
            }
            // No match starts inside the window: go on from the first character start at or after its end.
            const size_t windowEnd = boundary + kSearchWindow;
            boundary = windowEnd + (windowEnd - AfterLastAsciiByte(text.data(), boundary, windowEnd)) % 2;
            continue;
        }
        if (StartsCharacter(text, boundary, k)) {
            return k;
        }
        // `k` is the second byte of a two-byte character, so the next byte starts one.
        boundary = k + 1;
    }
    return kNotFound;
}

// --- TextToNumber ---

// One character of the normalised text: its byte, or kStop where no number can go on (the end of the text, a
// dangling lead byte, or a two-byte character that is copied as it is and is therefore no part of a number).
constexpr int kStop = -1;

struct NormalisedChar {
    int byte;
    size_t width;  // bytes of the original text it stands for
};

inline NormalisedChar NormalisedAt(std::string_view text, size_t i) {
    if (i >= text.size()) {
        return {kStop, 0};
    }
    const unsigned char first = Byte(text[i]);
    if (first < 0x80) {
        return {first, 1};
    }
    if (i + 1 == text.size()) {
        return {kStop, 0};  // a dangling lead byte ends the walk
    }
    const unsigned char second = Byte(text[i + 1]);
    if (first == 0xA3 && second >= 0xA1 && second <= 0xFE) {
        return {second - 0x80, 2};  // full-width forms of printable ASCII
    }
    if (first == 0xA1) {
        switch (second) {
            case 0xA1:
                return {' ', 2};  // ideographic space
            case 0xAB:            // these become ASCII too, though no number goes on through them
                return {'~', 2};
            case 0xEE:
            case 0xEF:
                return {'*', 2};
            default:
                break;
        }
    }
    return {kStop, 0};
}

constexpr bool IsSpace(int c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
constexpr bool IsDigit(int c) {
    return c >= '0' && c <= '9';
}
constexpr bool IsExponentLetter(int c) {
    return c == 'e' || c == 'E' || c == 'd' || c == 'D';
}

// The number found so far, in the form from_chars reads: ASCII, no leading "+", "e" for the exponent. Typed
// numbers are short and stay in the object; a long one moves to the heap.
class NumberText {
public:
    void Append(int c) {
        if (size_ < kInlineSize) {
            inline_[size_++] = static_cast<char>(c);
            return;
        }
        if (size_ == kInlineSize) {
            heap_.assign(inline_, kInlineSize);
        }
        heap_.push_back(static_cast<char>(c));
        ++size_;
    }

    std::string_view View() const {
        return size_ <= kInlineSize ? std::string_view(inline_, size_) : std::string_view(heap_);
    }

private:
    static constexpr size_t kInlineSize = 64;
    char inline_[kInlineSize];  // only the first size_ bytes are ever read
    size_t size_ = 0;
    std::string heap_;
};

// from_chars reports a result outside the double range without giving it. The number's decimal order of magnitude
// tells the two ends apart: an overflow is above 1e308 and an underflow below 1e-323, so the sign of the order
// is enough, and it can be found with saturating counts however long the digits or the exponent are.
bool IsOverflow(std::string_view number) {
    size_t i = 0;
    if (i < number.size() && number[i] == '-') {
        ++i;
    }
    int64_t order = 0;  // the value is 0.d1d2... x 10^order, with d1 the first digit that is not zero
    bool significant = false;
    for (; i < number.size() && IsDigit(number[i]); ++i) {
        significant = significant || number[i] != '0';
        if (significant) {
            ++order;
        }
    }
    if (i < number.size() && number[i] == '.') {
        for (++i; i < number.size() && IsDigit(number[i]); ++i) {
            if (significant) {
                continue;
            }
            if (number[i] != '0') {
                significant = true;
            } else {
                --order;
            }
        }
    }
    if (i < number.size() && number[i] == 'e') {
        ++i;
        bool negative = false;
        if (i < number.size() && (number[i] == '+' || number[i] == '-')) {
            negative = number[i] == '-';
            ++i;
        }
        constexpr int64_t kCap = 1'000'000'000'000;
        int64_t exponent = 0;
        for (; i < number.size() && IsDigit(number[i]); ++i) {
            exponent = std::min(kCap, exponent * 10 + (number[i] - '0'));
        }
        order += negative ? -exponent : exponent;
    }
    return order > 0;
}

double ConvertNumber(std::string_view number) {
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range) {
        const bool negative = !number.empty() && number[0] == '-';
        const double magnitude = IsOverflow(number) ? std::numeric_limits<double>::infinity() : 0.0;
        return negative ? -magnitude : magnitude;
    }
    return ec == std::errc() ? value : 0.0;
}

}  // namespace

std::string IntegerToText(int32_t value) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return {buffer, result.ptr};
}

std::string BytesToText(std::string_view bytes) {
    return std::string(bytes.substr(0, bytes.find('\0')));
}

double TextToNumber(std::string_view text) {
    size_t i = 0;
    NormalisedChar c = NormalisedAt(text, i);
    const auto next = [&] {
        i += c.width;
        c = NormalisedAt(text, i);
    };
    while (IsSpace(c.byte)) {
        next();
    }
    NumberText number;
    if (c.byte == '+' || c.byte == '-') {
        if (c.byte == '-') {
            number.Append('-');
        }
        next();
    }
    bool digit = false;
    bool point = false;
    for (;; next()) {
        if (IsDigit(c.byte)) {
            digit = true;
        } else if (c.byte == '.' && !point) {
            point = true;
        } else {
            break;
        }
        number.Append(c.byte);
    }
    if (!digit) {
        return 0.0;
    }
    // The exponent counts only when its letter and sign are followed by a digit.
    if (IsExponentLetter(c.byte)) {
        next();
        const int sign = c.byte == '+' || c.byte == '-' ? c.byte : 0;
        if (sign != 0) {
            next();
        }
        if (IsDigit(c.byte)) {
            number.Append('e');
            if (sign == '-') {
                number.Append('-');
            }
            for (; IsDigit(c.byte); next()) {
                number.Append(c.byte);
            }
        }
    }
    return ConvertNumber(number.View());
}

int64_t TruncateToInteger(double x) {
    constexpr double kTwoToThe63 = 9223372036854775808.0;
    // Written so that a NaN fails the test as well.
    if (x >= -kTwoToThe63 && x < kTwoToThe63) {
        return static_cast<int64_t>(x);
    }
    return std::numeric_limits<int64_t>::min();
}

int32_t TextLength(std::string_view text) {
    return static_cast<int32_t>(text.size());
}

int32_t FindText(std::string_view text, std::string_view needle, int32_t start, bool ignoreCase) {
    const size_t from = start >= 1 ? static_cast<size_t>(start) - 1 : 0;
    if (from >= text.size()) {
        return -1;
    }
    const size_t found = FindFromCharacter(text, needle, from, ignoreCase);
    return found == kNotFound ? -1 : static_cast<int32_t>(found + 1);
}

std::string TextMid(std::string_view text, int32_t start, int32_t count) {
    if (start < 1 || count <= 0 || static_cast<size_t>(start) > text.size()) {
        return {};
    }
    return std::string(text.substr(static_cast<size_t>(start) - 1, static_cast<size_t>(count)));
}

std::string ReplaceText(std::string_view text, std::string_view needle, std::string_view replacement, int32_t start,
                        int32_t count, bool caseSensitive) {
    const size_t from = start >= 1 ? static_cast<size_t>(start) - 1 : 0;
    if (text.empty() || needle.empty() || from >= text.size() || count == 0) {
        return std::string(text);
    }
    std::string result;
    result.reserve(text.size());
    result.append(text.substr(0, from));
    size_t scan = from;
    int32_t replaced = 0;
    // After each replacement the character walk starts afresh just past the needle.
    while (count < 0 || replaced < count) {
        const size_t found = FindFromCharacter(text, needle, scan, !caseSensitive);
        if (found == kNotFound) {
            break;
        }
        result.append(text.substr(scan, found - scan));
        result.append(replacement);
        scan = found + needle.size();
        ++replaced;
    }
    result.append(text.substr(scan));
    return result;
}

int CompareText(std::string_view a, std::string_view b) {
    // string_view compares as unsigned bytes, and a text that begins the other is the smaller.
    const int order = a.compare(b);
    return (order > 0) - (order < 0);
}

std::string ConcatTexts(std::initializer_list<std::string_view> parts) {
    size_t size = 0;
    for (const std::string_view part : parts) {
        size += part.size();
    }
    std::string result;
    result.reserve(size);
    for (const std::string_view part : parts) {
        result.append(part);
    }
    return result;
}
