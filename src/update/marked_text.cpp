#include "update/marked_text.h"

#include "platform/text.h"

namespace {

// "#引号" in GBK, spelled out in bytes so that the marker syntax does not depend on the compiler's execution
// character set.
constexpr std::string_view kQuotePlaceholder = "#\xD2\xFD\xBA\xC5";

}  // namespace

std::string TextBetween(std::string_view text, std::string_view startMarker, std::string_view endMarker,
                        int32_t startPosition, bool ignoreCase) {
    const std::string start = ReplaceText(startMarker, kQuotePlaceholder, "\"");
    const std::string end = ReplaceText(endMarker, kQuotePlaceholder, "\"");
    int32_t p = FindText(text, start, startPosition, ignoreCase);
    if (p != -1) {
        p += TextLength(start);
    }
    // Made even when the start marker is missing (it then searches from the beginning): the algorithm does so,
    // though its result is not used then.
    const int32_t q = FindText(text, end, p, ignoreCase);
    if (p == -1 || q == -1) {
        return {};
    }
    return TextMid(text, p, q - p);
}
