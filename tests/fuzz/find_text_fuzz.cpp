// FindText against the character walk of its definition.
// Input: flags (bit 0: ignoreCase), start (2 bytes), padding, needle, 0, text (after the padding).
#include <string>

#include "fuzz_support.h"
#include "platform/text.h"
#include "reference.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input input(data, size);
    const bool ignoreCase = (input.Byte() & 1) != 0;
    const int32_t start = input.SmallInteger();
    const uint8_t padding = input.Byte();
    const std::string_view needle = input.Text();
    const std::string text = input.PaddedText(padding);

    const int32_t actual = FindText(text, needle, start, ignoreCase);
    const int32_t expected = reference::FindText(text, needle, start, ignoreCase);
    if (actual != expected) {
        const std::string startText = std::to_string(start) + (ignoreCase ? " ignoreCase" : "");
        fuzz::Fail("FindText", {{"text", text}, {"needle", needle}, {"start", startText}}, std::to_string(actual),
                   std::to_string(expected));
    }
    return 0;
}
