#pragma once
// Text and number services on GBK byte texts.
//
// A text is a byte string without zero bytes; an absent text is the empty text. A byte of 0x80 or above
// and the byte after it form one character. Positions are 1-based byte offsets, -1 means "not found".
// No operation fails or reports anything: bad input reads as 0, the empty text or -1.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

std::string IntegerToText(int32_t value);

// `bytes` may hold zero bytes; the text ends before the first one.
std::string BytesToText(std::string_view bytes);

// Reads the longest number at the start of what the user typed (full-width forms allowed); 0 when none.
double TextToNumber(std::string_view text);

// Toward zero; NaN, infinities and out-of-range values give INT64_MIN.
int64_t TruncateToInteger(double x);

int32_t TextLength(std::string_view text);

// `start` below 1 searches from the beginning. Matches only where a character begins, counting characters from
// where the search starts. An empty needle is found at the search start (-1 when that is past the end).
int32_t FindText(std::string_view text, std::string_view needle, int32_t start = 0, bool ignoreCase = false);

// Up to `count` bytes from position `start`; empty when `start` is outside the text or `count` is not positive.
std::string TextMid(std::string_view text, int32_t start, int32_t count);

inline constexpr int32_t kNoLimit = -1;

// Replaces matches left to right, at most `count` of them (a negative `count` means no limit), from position
// `start`; the replacement is never scanned again.
std::string ReplaceText(std::string_view text, std::string_view needle, std::string_view replacement = {},
                        int32_t start = 1, int32_t count = kNoLimit, bool caseSensitive = true);

// -1, 0 or 1, comparing unsigned bytes.
int CompareText(std::string_view a, std::string_view b);

std::string ConcatTexts(std::initializer_list<std::string_view> parts);
