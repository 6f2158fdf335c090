// TextToNumber against a reference that builds the whole normalised text first, finds the number with a state
// machine that remembers its last accepting state, and converts with strtod. The target never calls setlocale, so
// strtod runs in the "C" locale and reads "." as the point.
// Input: the text itself.
#include <bit>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz_support.h"
#include "platform/text.h"

namespace {

std::string Normalise(std::string_view text) {
    std::string out;
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            out += static_cast<char>(lead);
            i += 1;
            continue;
        }
        if (i + 1 == text.size()) {
            break;  // a dangling lead byte ends the walk
        }
        const auto trail = static_cast<unsigned char>(text[i + 1]);
        const unsigned code = lead << 8 | trail;
        if (lead == 0xA3 && trail >= 0xA1 && trail != 0xFF) {
            out += static_cast<char>(trail - 0x80);
        } else if (code == 0xA1A1) {
            out += ' ';
        } else if (code == 0xA1AB) {
            out += '~';
        } else if (code == 0xA1EE || code == 0xA1EF) {
            out += '*';
        } else {
            out += text.substr(i, 2);
        }
        i += 2;
    }
    return out;
}

enum State { kStart, kSign, kInteger, kLonePoint, kFraction, kExponentLetter, kExponentSign, kExponent, kDead };

enum Class { kSpace, kSignChar, kDigit, kPoint, kLetter, kOther };

Class Classify(char c) {
    if (std::strchr(" \t\n\v\f\r", c) != nullptr && c != '\0') {
        return kSpace;
    }
    if (c == '+' || c == '-') {
        return kSignChar;
    }
    if (c >= '0' && c <= '9') {
        return kDigit;
    }
    if (c == '.') {
        return kPoint;
    }
    if (c == 'e' || c == 'E' || c == 'd' || c == 'D') {
        return kLetter;
    }
    return kOther;
}

constexpr State kNext[kDead][6] = {
    //            space   sign           digit      point       letter           other
    /* start  */ {kStart, kSign, kInteger, kLonePoint, kDead, kDead},
    /* sign   */ {kDead, kDead, kInteger, kLonePoint, kDead, kDead},
    /* int    */ {kDead, kDead, kInteger, kFraction, kExponentLetter, kDead},
    /* .      */ {kDead, kDead, kFraction, kDead, kDead, kDead},
    /* frac   */ {kDead, kDead, kFraction, kDead, kExponentLetter, kDead},
    /* e      */ {kDead, kExponentSign, kExponent, kDead, kDead, kDead},
    /* e+     */ {kDead, kDead, kExponent, kDead, kDead, kDead},
    /* exp    */ {kDead, kDead, kExponent, kDead, kDead, kDead},
};

bool Accepting(State s) {
    return s == kInteger || s == kFraction || s == kExponent;
}

double ReferenceTextToNumber(std::string_view text) {
    const std::string normal = Normalise(text);
    State state = kStart;
    size_t accepted = 0;
    for (size_t i = 0; i < normal.size() && state != kDead; ++i) {
        state = kNext[state][Classify(normal[i])];
        if (Accepting(state)) {
            accepted = i + 1;
        }
    }
    std::string number = normal.substr(0, accepted);
    for (char& c : number) {
        if (c == 'd' || c == 'D') {
            c = 'e';
        }
    }
    return accepted == 0 ? 0.0 : std::strtod(number.c_str(), nullptr);
}

std::string Bits(double value) {
    const auto bits = std::bit_cast<uint64_t>(value);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%016llX %.17g", static_cast<unsigned long long>(bits), value);
    return buffer;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double actual = TextToNumber(text);
    const double expected = ReferenceTextToNumber(text);
    // Bit for bit: the sign of a zero counts too.
    if (std::bit_cast<uint64_t>(actual) != std::bit_cast<uint64_t>(expected)) {
        fuzz::Fail("TextToNumber", {{"text", text}}, Bits(actual), Bits(expected));
    }
    return 0;
}
