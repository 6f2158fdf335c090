#pragma once
// Shared plumbing of the fuzz targets: cutting an input into arguments, and reporting a disagreement.
//
// An input is a few header bytes (flags and small integers) followed by texts separated by zero bytes. A text never
// holds a zero byte, so the separator can never be part of one.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <string_view>

namespace fuzz {

class Input {
public:
    Input(const uint8_t* data, size_t size) : rest_(reinterpret_cast<const char*>(data), size) {}

    // The next header byte, 0 once the input is used up.
    uint8_t Byte() {
        if (rest_.empty()) {
            return 0;
        }
        const auto b = static_cast<uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return b;
    }

    // A small position or count: mostly -128..127, sometimes the extremes of the 32-bit range.
    int32_t SmallInteger() {
        const uint8_t mode = Byte();
        const auto value = static_cast<int8_t>(Byte());
        switch (mode % 16) {
            case 14:
                return INT32_MIN + (value + 128);
            case 15:
                return INT32_MAX - (value + 128);
            default:
                return value;
        }
    }

    // The next text: the bytes up to the next zero byte or the end.
    std::string_view Text() {
        const size_t end = rest_.find('\0');
        const std::string_view text = rest_.substr(0, end);
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        return text;
    }

    // The next text, after a padding of up to 8 KiB chosen by one header byte: its low two bits pick the pattern
    // (none; two-byte characters; one ASCII byte and then bytes of 0x80 or above; ASCII mixed with them), the rest
    // the length in steps of 128 bytes. Texts longer than the byte blocks and the search window of the
    // implementation are rare in plain fuzzing; the padding reaches them cheaply.
    std::string PaddedText(uint8_t padding) {
        static constexpr std::string_view kPatterns[] = {"", "\xB0\xA1", "\xB0", "a\xB0\xA1\xB0\xA1\xB0"};
        const std::string_view pattern = kPatterns[padding % 4];
        const size_t size = pattern.empty() ? 0 : size_t{padding / 4U} * 128;
        std::string text;
        if (padding % 4 == 2 && size > 0) {
            text += 'a';
        }
        while (text.size() < size) {
            text += pattern;
        }
        text += Text();
        return text;
    }

private:
    std::string_view rest_;
};

inline void PrintBytes(const char* label, std::string_view bytes) {
    std::fprintf(stderr, "  %s (%zu bytes):", label, bytes.size());
    for (const char c : bytes) {
        std::fprintf(stderr, " %02X", static_cast<unsigned char>(c));
    }
    std::fprintf(stderr, "\n");
}

struct Named {
    const char* label;
    std::string_view bytes;
};

// Reports the arguments and stops the run, so that libFuzzer keeps the input and the replay test fails.
[[noreturn]] inline void Fail(const char* what, std::initializer_list<Named> arguments, std::string_view actual,
                              std::string_view expected) {
    std::fprintf(stderr, "MISMATCH in %s\n", what);
    for (const Named& argument : arguments) {
        PrintBytes(argument.label, argument.bytes);
    }
    PrintBytes("actual", actual);
    PrintBytes("expected", expected);
    std::abort();
}

}  // namespace fuzz
