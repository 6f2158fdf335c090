// TextBetween against its algorithm composed of the slow references.
// Input: flags (bit 0: ignoreCase), startPosition (2 bytes), padding, startMarker, 0, endMarker, 0, text (after
// the padding).
#include <string>

#include "fuzz_support.h"
#include "reference.h"
#include "update/marked_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input input(data, size);
    const bool ignoreCase = (input.Byte() & 1) != 0;
    const int32_t startPosition = input.SmallInteger();
    const uint8_t padding = input.Byte();
    const std::string_view startMarker = input.Text();
    const std::string_view endMarker = input.Text();
    const std::string text = input.PaddedText(padding);

    const std::string actual = TextBetween(text, startMarker, endMarker, startPosition, ignoreCase);
    const std::string expected = reference::TextBetween(text, startMarker, endMarker, startPosition, ignoreCase);
    if (actual != expected) {
        const std::string arguments = std::to_string(startPosition) + (ignoreCase ? " ignoreCase" : "");
        fuzz::Fail("TextBetween",
                   {{"text", text}, {"startMarker", startMarker}, {"endMarker", endMarker}, {"start", arguments}},
                   actual, expected);
    }
    return 0;
}
