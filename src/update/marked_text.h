#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// The bytes strictly between the first `startMarker` found from `startPosition` and the first `endMarker`
// after it; empty when either is missing. "#引号" in a marker stands for a double quote.
std::string TextBetween(std::string_view text, std::string_view startMarker, std::string_view endMarker,
                        int32_t startPosition, bool ignoreCase);
