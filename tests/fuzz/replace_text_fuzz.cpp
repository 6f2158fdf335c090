// ReplaceText against the character walk of its definition.
// Input: flags (bit 0: caseSensitive, bit 1: count omitted), start (2 bytes), count (2 bytes), padding, needle,
// 0, replacement, 0, text (after the padding).
#include <string>

#include "fuzz_support.h"
#include "platform/text.h"
#include "reference.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input input(data, size);
    const uint8_t flags = input.Byte();
    const bool caseSensitive = (flags & 1) != 0;
    const int32_t start = input.SmallInteger();
    const int32_t count = (flags & 2) != 0 ? kNoLimit : input.SmallInteger();
    const uint8_t padding = input.Byte();
    const std::string_view needle = input.Text();
    const std::string_view replacement = input.Text();
    const std::string text = input.PaddedText(padding);

    const std::string actual = ReplaceText(text, needle, replacement, start, count, caseSensitive);
    const std::string expected = reference::ReplaceText(text, needle, replacement, start, count, caseSensitive);
    if (actual != expected) {
        const std::string arguments = "start " + std::to_string(start) + " count " + std::to_string(count) +
                                      (caseSensitive ? " caseSensitive" : "");
        fuzz::Fail("ReplaceText",
                   {{"text", text}, {"needle", needle}, {"replacement", replacement}, {"arguments", arguments}}, actual,
                   expected);
    }
    return 0;
}
