// Text and number services. Literals are GBK at run time (-fexec-charset=GBK); raw bytes are escapes.
#include "platform/text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <ostream>
#include <string>
#include <string_view>

namespace {

constexpr int32_t kInt32Min = std::numeric_limits<int32_t>::min();
constexpr int32_t kInt32Max = std::numeric_limits<int32_t>::max();
constexpr int64_t kInt64Min = std::numeric_limits<int64_t>::min();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

template <class Case>
std::string CaseName(const testing::TestParamInfo<Case>& info) {
    return std::string(info.param.name);
}

// --- IntegerToText ---

struct IntegerToTextCase {
    std::string_view name;
    int32_t value;
    std::string_view expected;
};
void PrintTo(const IntegerToTextCase& c, std::ostream* os) {
    *os << c.name;
}

class IntegerToTextTest : public testing::TestWithParam<IntegerToTextCase> {};

TEST_P(IntegerToTextTest, GivesDecimalDigits) {
    EXPECT_EQ(IntegerToText(GetParam().value), GetParam().expected);
}

constexpr IntegerToTextCase kIntegerToTextCases[] = {
    {"Zero", 0, "0"},
    {"MinusFiveWithHyphenMinus", -5, "-5"},
    {"NoGroupingSeparators", 1234567, "1234567"},
    {"ScreenCoordinate", 500, "500"},
    {"NegativeCoordinate", -200, "-200"},
    {"Largest", kInt32Max, "2147483647"},
    {"SmallestIsElevenBytes", kInt32Min, "-2147483648"},
};
INSTANTIATE_TEST_SUITE_P(Text, IntegerToTextTest, testing::ValuesIn(kIntegerToTextCases), CaseName<IntegerToTextCase>);

// --- BytesToText ---

struct BytesToTextCase {
    std::string_view name;
    std::string_view bytes;
    std::string_view expected;
};
void PrintTo(const BytesToTextCase& c, std::ostream* os) {
    *os << c.name;
}

class BytesToTextTest : public testing::TestWithParam<BytesToTextCase> {};

TEST_P(BytesToTextTest, StopsAtFirstZeroByte) {
    EXPECT_EQ(BytesToText(GetParam().bytes), GetParam().expected);
}

using namespace std::string_view_literals;

constexpr BytesToTextCase kBytesToTextCases[] = {
    {"TenBytesFifthZeroGivesFour", "abcd\0fghij"sv, "abcd"},
    {"EmptyBody", ""sv, ""},
    {"MissingBody", std::string_view{}, ""},
    {"FirstByteZero", "\0abc"sv, ""},
    {"NoZeroKeepsAll", "<!--ver-->1.2<!--verend-->"sv, "<!--ver-->1.2<!--verend-->"},
    {"ZeroAtEnd", "abc\0"sv, "abc"},
    {"GbkBytesUnconverted", "版本\xFF\x80"sv, "版本\xFF\x80"},
    {"OnlyZeros", "\0\0\0"sv, ""},
};
INSTANTIATE_TEST_SUITE_P(Text, BytesToTextTest, testing::ValuesIn(kBytesToTextCases), CaseName<BytesToTextCase>);

// --- TextToNumber ---

struct TextToNumberCase {
    std::string_view name;
    std::string_view text;
    double expected;
};
void PrintTo(const TextToNumberCase& c, std::ostream* os) {
    *os << c.name;
}

class TextToNumberTest : public testing::TestWithParam<TextToNumberCase> {};

TEST_P(TextToNumberTest, ReadsLongestNumberPrefix) {
    const double value = TextToNumber(GetParam().text);
    EXPECT_EQ(value, GetParam().expected);
    // Also the sign of a zero, and no NaN ever.
    EXPECT_EQ(std::signbit(value), std::signbit(GetParam().expected));
}

constexpr TextToNumberCase kTextToNumberCases[] = {
    // What users type into the interval and limit boxes.
    {"Hundred", "100", 100},
    {"Empty", "", 0},
    {"Missing", std::string_view{}, 0},
    {"SpacesThenDigitsThenLetters", "  12abc", 12},
    {"LettersOnly", "abc", 0},
    {"Fraction", "250.9", 250.9},
    {"NegativeFraction", "-7.9", -7.9},
    {"PointThenFive", ".5", 0.5},
    {"DigitsThenPoint", "5.", 5},
    {"PointAlone", ".", 0},
    {"SignAndPointAlone", "-.", 0},
    {"SecondPointEnds", "1.2.3", 1.2},
    {"CommaEnds", "1,000", 1},
    {"LeadingZeros", "00012", 12},
    {"PlusSign", "+5", 5},
    {"MinusZero", "-0", -0.0},
    {"SignThenSpaceThenDigit", "- 5", 0},
    {"PlusThenSpaceThenDigit", "+ 5", 0},
    {"SpaceInsideDigits", "1 2", 1},
    {"AllWhiteSpaceKinds", "\t\n\v\f\r 7", 7},
    {"SignAfterSpaces", "   -42", -42},
    // Exponents.
    {"ExponentE", "1e3", 1000},
    {"ExponentD", "1d3", 1000},
    {"ExponentCapitalE", "1E3", 1000},
    {"ExponentCapitalD", "1D3", 1000},
    {"ExponentWithPlus", "1d+5", 1e5},
    {"ExponentWithMinus", "25e-1", 2.5},
    {"ExponentLeadingZeros", "1e0003", 1000},
    {"LetterWithoutDigit", "1e", 1},
    {"LetterAndSignWithoutDigit", "1e+", 1},
    {"LetterAndMinusWithoutDigit", "1d-x", 1},
    {"ExponentEndsAtPoint", "1e5.5", 1e5},
    {"PointInExponentNotTaken", "1e+.5", 1},
    {"PointBeforeExponent", "2.e2", 200},
    {"ExponentAfterFractionOnly", ".5e1", 5},
    {"ExponentWithoutMantissa", "e5", 0},
    // No other forms.
    {"HexIsZero", "0x10", 0},
    {"InfinityWordIsZero", "inf", 0},
    {"InfinityLongWordIsZero", "-Infinity", 0},
    {"NanWordIsZero", "nan", 0},
    // Range and rounding.
    {"OverflowIsInfinity", "1e400", kInfinity},
    {"NegativeOverflowIsMinusInfinity", "-1e400", -kInfinity},
    {"UnderflowIsZero", "1e-400", 0.0},
    {"NegativeUnderflowIsMinusZero", "-1e-400", -0.0},
    {"HugeExponentOfZero", "0e99999999999999999999", 0},
    {"HugeNegativeExponent", "7e-99999999999999999999", 0},
    {"HugePositiveExponent", "7d99999999999999999999", kInfinity},
    {"CapitalExponentUnderflow", "769318E-9538632", 0},
    {"CapitalExponentOverflow", "-1E400", -kInfinity},
    {"CapitalExponentUnderflowAfterLongDigits",
     "1"
     "00000000000000000000"
     "E-400",
     0},
    {"LargestDouble", "1.7976931348623157e308", std::numeric_limits<double>::max()},
    {"RoundsDownToLargest", "1.7976931348623158e308", std::numeric_limits<double>::max()},
    {"JustAboveRoundsToInfinity", "1.7976931348623159e308", kInfinity},
    {"Subnormal", "4e-320", 4e-320},
    {"SmallestSubnormal", "5e-324", 4.9406564584124654e-324},
    {"BelowHalfSmallestIsZero", "2.4703282292062327e-324", 0.0},
    {"TieRoundsToEven", "9007199254740993", 9007199254740992.0},
    {"OneTenth", "0.1", 0.1},
    // Full-width forms, written both as GBK escapes and as the characters themselves.
    {"FullWidthDigits", "\xA3\xB1\xA3\xB0\xA3\xB0", 100},
    {"FullWidthDigitsLiteral", "１００", 100},
    {"FullWidthMinusAndPoint", "－３．５", -3.5},
    {"FullWidthPlus",
     "\xA3\xAB"
     "7",
     7},
    {"FullWidthExponentLetters", "１ｅ３", 1000},
    {"FullWidthExponentD", "２Ｄ－１", 0.2},
    {"MixedWidthDigits", "３e2", 300},
    {"IdeographicSpaceThenFifty",
     "\xA1\xA1"
     "50",
     50},
    {"IdeographicSpaceLiteral", "　50", 50},
    {"IdeographicSpaceThenFullWidthMinus",
     "\xA1\xA1\xA3\xAD"
     "3",
     -3},
    {"FullWidthTildeIsNoNumber",
     "\xA1\xAB"
     "5",
     0},
    {"StarFormsEndNumber",
     "12\xA1\xEE"
     "3",
     12},
    {"OtherStarFormEndsNumber",
     "12\xA1\xEF"
     "3",
     12},
    {"FullWidthCommaEnds", "1，000", 1},
    {"ChineseTextEndsNumber", "12秒", 12},
    {"ChineseTextFirstIsZero", "约12", 0},
    {"A3A0IsNotFullWidthSpace",
     "\xA3\xA0"
     "5",
     0},
    {"DanglingLeadByteDropped", "12\xA3", 12},
    {"OnlyDanglingLeadByte", "\xA3", 0},
    {"TrailDigitBelongsToCharacter",
     "\x81"
     "5",
     0},
    {"DigitsThenCharacterWithDigitTrail",
     "5\x81"
     "5",
     5},
    {"LeadByteTakesFullWidthLead", "\x81\xA3\xB1", 0},
    {"FullWidthDigitThenDanglingLead", "\xA3\xB1\x81\xA3\xB2", 1},
};
INSTANTIATE_TEST_SUITE_P(Text, TextToNumberTest, testing::ValuesIn(kTextToNumberCases), CaseName<TextToNumberCase>);

TEST(TextToNumberLong, ManyDigitsOverflowToInfinity) {
    EXPECT_EQ(TextToNumber("1" + std::string(400, '0')), kInfinity);
}

TEST(TextToNumberLong, ManyLeadingZerosInFractionStillExact) {
    // 0.(400 zeros)1 x 10^400 = 0.1
    EXPECT_EQ(TextToNumber("0." + std::string(400, '0') + "1e400"), 0.1);
}

TEST(TextToNumberLong, ManyFractionDigitsUnderflowToZero) {
    EXPECT_EQ(TextToNumber("-0." + std::string(400, '0') + "1e-40"), -0.0);
    EXPECT_TRUE(std::signbit(TextToNumber("-0." + std::string(400, '0') + "1e-40")));
}

TEST(TextToNumberLong, ManyIntegerDigitsWithNegativeExponentOverflow) {
    EXPECT_EQ(TextToNumber("1" + std::string(500, '0') + "e-100"), kInfinity);
}

TEST(TextToNumberLong, LongFullWidthNumber) {
    std::string text;
    for (int i = 0; i < 30; ++i) {
        text += "\xA3\xB9";  // full-width 9
    }
    EXPECT_EQ(TextToNumber(text), 999999999999999999999999999999.0);
}

// The point is "." whatever the regional settings. Runs where a locale with a decimal comma exists (under Wine:
// German_Germany.1252); skipped elsewhere.
TEST(TextToNumberLocale, PointWhateverTheLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    const char* chosen = nullptr;
    for (const char* name : {"German_Germany.1252", "de_DE.UTF-8", "de_DE", "fr_FR.UTF-8"}) {
        chosen = std::setlocale(LC_ALL, name);
        if (chosen != nullptr) {
            break;
        }
    }
    if (chosen == nullptr) {
        GTEST_SKIP() << "no locale with a decimal comma here";
    }
    const double point = TextToNumber("1.5");
    const double comma = TextToNumber("2,5");
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(point, 1.5) << chosen;
    EXPECT_EQ(comma, 2) << chosen;
}

// --- TruncateToInteger ---

struct TruncateCase {
    std::string_view name;
    double x;
    int64_t expected;
};
void PrintTo(const TruncateCase& c, std::ostream* os) {
    *os << c.name;
}

class TruncateToIntegerTest : public testing::TestWithParam<TruncateCase> {};

TEST_P(TruncateToIntegerTest, RoundsTowardZero) {
    EXPECT_EQ(TruncateToInteger(GetParam().x), GetParam().expected);
}

const TruncateCase kTruncateCases[] = {
    {"Positive", 2.9, 2},
    {"Negative", -2.9, -2},
    {"AlmostHundred", 99.999, 99},
    {"MinusHalfIsZero", -0.5, 0},
    {"Zero", 0.0, 0},
    {"Interval", 250.0, 250},
    {"LargestBelowTwoToThe63", 9223372036854774784.0, 9223372036854774784},
    {"TwoToThe63IsOutOfRange", 9223372036854775808.0, kInt64Min},
    {"MinusTwoToThe63IsInRange", -9223372036854775808.0, kInt64Min},
    {"Huge", 1e300, kInt64Min},
    {"HugeNegative", -1e300, kInt64Min},
    {"Infinity", kInfinity, kInt64Min},
    {"MinusInfinity", -kInfinity, kInt64Min},
    {"NotANumber", std::numeric_limits<double>::quiet_NaN(), kInt64Min},
};
INSTANTIATE_TEST_SUITE_P(Text, TruncateToIntegerTest, testing::ValuesIn(kTruncateCases), CaseName<TruncateCase>);

TEST(TruncateToIntegerLow32, InfinityKeepsZeroInLow32Bits) {
    EXPECT_EQ(static_cast<uint32_t>(TruncateToInteger(kInfinity)), 0U);
}

// --- TextLength ---

struct TextLengthCase {
    std::string_view name;
    std::string_view text;
    int32_t expected;
};
void PrintTo(const TextLengthCase& c, std::ostream* os) {
    *os << c.name;
}

class TextLengthTest : public testing::TestWithParam<TextLengthCase> {};

TEST_P(TextLengthTest, CountsBytes) {
    EXPECT_EQ(TextLength(GetParam().text), GetParam().expected);
}

constexpr TextLengthCase kTextLengthCases[] = {
    {"Empty", "", 0},     {"Missing", std::string_view{}, 0},
    {"Ascii", "abc", 3},  {"TwoByteCharactersCountTwo", "中文", 4},
    {"Mixed", "X:中", 4},
};
INSTANTIATE_TEST_SUITE_P(Text, TextLengthTest, testing::ValuesIn(kTextLengthCases), CaseName<TextLengthCase>);

// --- FindText ---

struct FindTextCase {
    std::string_view name;
    std::string_view text;
    std::string_view needle;
    int32_t start;
    bool ignoreCase;
    int32_t expected;
};
void PrintTo(const FindTextCase& c, std::ostream* os) {
    *os << c.name;
}

class FindTextTest : public testing::TestWithParam<FindTextCase> {};

TEST_P(FindTextTest, FindsFirstMatchAtCharacterStart) {
    const FindTextCase& c = GetParam();
    EXPECT_EQ(FindText(c.text, c.needle, c.start, c.ignoreCase), c.expected);
}

constexpr FindTextCase kFindTextCases[] = {
    {"LastLetter", "abc", "c", 0, false, 3},
    {"Absent", "abc", "d", 0, false, -1},
    {"StartAtMatch", "abc", "c", 3, false, 3},
    {"StartPastMatch", "abc", "c", 4, false, -1},
    {"StartOne", "abc", "a", 1, false, 1},
    {"StartTwoSkipsFirst", "abcabc", "a", 2, false, 4},
    {"StartNegative", "abc", "c", -10, false, 3},
    {"StartSmallest", "abc", "c", kInt32Min, false, 3},
    {"StartLargest", "abc", "c", kInt32Max, false, -1},
    {"NeedleLongerThanText", "abc", "abcd", 0, false, -1},
    {"NeedleWholeText", "abc", "abc", 0, false, 1},
    {"MatchAtEnd", "abcde", "de", 0, false, 4},
    {"FirstOfSeveral", "<v>1<v>2", "<v>", 0, false, 1},
    {"EmptyText", "", "a", 0, false, -1},
    {"MissingText", std::string_view{}, "a", 0, false, -1},
    {"InsideTwoByteCharacterNotFound", "\x81\x41", "A", 0, false, -1},
    {"SearchStartingAtSecondByteCountsFromThere", "\x81\x41", "A", 2, false, 2},
    {"ChineseCharacter", "版本中文", "中", 0, false, 5},
    {"MisalignedTwoByteMatchSkipped", "\xB0\xA1\xB0\xA1", "\xA1\xB0", 0, false, -1},
    {"MisalignedThenAligned", "\xB0\xA1\xB0\xA1\xA1\xB0", "\xA1\xB0", 0, false, 5},
    {"OddStartShiftsPairs", "\xB0\xA1\xB0\xA1", "\xA1\xB0", 2, false, 2},
    {"HighBytePairsFromSearchStart", "\xB0\xB0\xB0\xB0", "\xB0\xB0", 2, false, 2},
    {"AsciiAfterTrailByteStartsCharacter",
     "\x81\x41"
     "B"
     "\xB0\xA1",
     "\xB0\xA1", 0, false, 4},
    // UTF-8 is not GBK: the byte after a three-byte character is taken as a trail byte.
    {"Utf8ThreeByteCharacterHidesFollowingByte",
     "\xE4\xB8\xAD"
     "A",
     "A", 0, false, -1},
    {"CaseMatters", "Hello World", "WORLD", 0, false, -1},
    {"IgnoreCaseLetters", "Hello World", "WORLD", 0, true, 7},
    {"IgnoreCaseLowerNeedle", "<!--VER-->", "<!--ver-->", 0, true, 1},
    {"IgnoreCaseOnlyLetters", "a[b", "A{B", 0, true, -1},
    {"IgnoreCaseAtSignIsNotBacktick", "@", "`", 0, true, -1},
    {"IgnoreCaseStillCharacterWalk", "\x81\x41", "a", 0, true, -1},
    {"IgnoreCaseFoldsTrailByteLetters", "\x81\x41", "\x81\x61", 0, true, 1},
    {"IgnoreCaseHighBytesExact", "\xC1\x41", "\xE1\x41", 0, true, -1},
    {"IgnoreCaseFromStart", "abcABC", "abc", 2, true, 4},
    // The result for an empty needle is left to the implementer: the character walk's first offset, as if the
    // comparison of zero bytes matched there.
    {"EmptyNeedleGivesStart", "abc", "", 2, false, 2},
    {"EmptyNeedleInEmptyText", "", "", 0, false, -1},
};
INSTANTIATE_TEST_SUITE_P(Text, FindTextTest, testing::ValuesIn(kFindTextCases), CaseName<FindTextCase>);

TEST(FindTextDefaults, SearchesFromBeginningCaseSensitive) {
    EXPECT_EQ(FindText("abcABC", "ABC"), 4);
    EXPECT_EQ(FindText("abcABC", "abc"), 1);
}

// Long runs of two-byte characters, longer than any block the search skips at once, at both parities.
TEST(FindTextLongRuns, FindsOnlyAtCharacterStarts) {
    for (int pairs = 0; pairs < 80; ++pairs) {
        std::string even;
        for (int i = 0; i < pairs; ++i) {
            even += "\xB0\xA1";
        }
        const auto evenLength = static_cast<int32_t>(even.size());
        EXPECT_EQ(FindText(even + "X", "X"), evenLength + 1) << pairs;
        EXPECT_EQ(FindText(even + "\xA1X", "\xA1X"), evenLength + 1) << pairs;
        // One lead byte more: the needle's first byte is now a second byte.
        EXPECT_EQ(FindText("\xB0" + even + "\xA1X", "\xA1X"), -1) << pairs;
        EXPECT_EQ(FindText("\xB0" + even + "\xA1X\xA1X", "\xA1X"), evenLength + 4) << pairs;
        EXPECT_EQ(FindText("a" + even + "\xA1X", "\xA1X"), evenLength + 2) << pairs;
        EXPECT_EQ(FindText("\x81"
                           "a" +
                               even + "\xA1X",
                           "\xA1X"),
                  evenLength + 3)
            << pairs;
        EXPECT_EQ(FindText("\x81"
                           "a" +
                               even + "\xB0\xA1X",
                           "\xA1X"),
                  -1)
            << pairs;
        EXPECT_EQ(FindText("\xB0" + even + "\xA1X\xA1X", "\xA1x", 0, true), evenLength + 4) << pairs;
    }
}

// Pages longer than the search looks ahead at once: one ASCII byte, then a run of bytes of 0x80 or above that pair
// up from its start, then the needle. An odd run takes the needle's first byte as its last second byte.
TEST(FindTextLongPages, RunParityDecidesAcrossSearchWindows) {
    for (const int base : {0, 4096, 8192}) {
        for (int run = std::max(0, base - 12); run <= base + 12; ++run) {
            const std::string prefix = "a" + std::string(static_cast<size_t>(run), '\xB0');
            const bool even = run % 2 == 0;
            EXPECT_EQ(FindText(prefix + "<v>", "<v>"), even ? run + 2 : -1) << run;
            EXPECT_EQ(FindText(prefix + "<v><v>", "<v>"), even ? run + 2 : run + 5) << run;
            EXPECT_EQ(FindText(prefix + "<V><v>", "<v>", 0, true), even ? run + 2 : run + 5) << run;
            EXPECT_EQ(ReplaceText(prefix + "<v><v>", "<v>", "#"), even ? prefix + "##" : prefix + "<v>#") << run;
            EXPECT_EQ(FindText(std::string(static_cast<size_t>(run), 'x') + "<v>", "<v>"), run + 1) << run;
        }
    }
}

// --- TextMid ---

struct TextMidCase {
    std::string_view name;
    std::string_view text;
    int32_t start;
    int32_t count;
    std::string_view expected;
};
void PrintTo(const TextMidCase& c, std::ostream* os) {
    *os << c.name;
}

class TextMidTest : public testing::TestWithParam<TextMidCase> {};

TEST_P(TextMidTest, CutsAndClips) {
    const TextMidCase& c = GetParam();
    EXPECT_EQ(TextMid(c.text, c.start, c.count), c.expected);
}

constexpr TextMidCase kTextMidCases[] = {
    {"Middle", "abcdef", 2, 3, "bcd"},
    {"CountPastEndClipped", "abcdef", 5, 10, "ef"},
    {"StartZero", "abcdef", 0, 3, ""},
    {"StartNegative", "abcdef", -1, 3, ""},
    {"StartPastEnd", "abcdef", 7, 1, ""},
    {"CountZero", "abcdef", 2, 0, ""},
    {"CountNegative", "abcdef", 2, -1, ""},
    {"LastByte", "abcdef", 6, 1, "f"},
    {"Whole", "abcdef", 1, 6, "abcdef"},
    {"LargestCount", "abcdef", 3, kInt32Max, "cdef"},
    {"LargestStart", "abcdef", kInt32Max, 1, ""},
    {"EmptyText", "", 1, 1, ""},
    {"MissingText", std::string_view{}, 1, 1, ""},
    {"SplitsTwoByteCharacter", "中文", 2, 2, "\xD0\xCE"},
};
INSTANTIATE_TEST_SUITE_P(Text, TextMidTest, testing::ValuesIn(kTextMidCases), CaseName<TextMidCase>);

// --- ReplaceText ---

struct ReplaceTextCase {
    std::string_view name;
    std::string_view text;
    std::string_view needle;
    std::string_view replacement;
    int32_t start;
    int32_t count;
    bool caseSensitive;
    std::string_view expected;
};
void PrintTo(const ReplaceTextCase& c, std::ostream* os) {
    *os << c.name;
}

class ReplaceTextTest : public testing::TestWithParam<ReplaceTextCase> {};

TEST_P(ReplaceTextTest, ReplacesLeftToRight) {
    const ReplaceTextCase& c = GetParam();
    EXPECT_EQ(ReplaceText(c.text, c.needle, c.replacement, c.start, c.count, c.caseSensitive), c.expected);
}

constexpr ReplaceTextCase kReplaceTextCases[] = {
    // As the marker extraction calls it.
    {"QuotePlaceholderTwice", "<a href=#引号x#引号>", "#引号", "\"", 1, kNoLimit, true, "<a href=\"x\">"},
    {"MarkerWithoutPlaceholder", "<!--ver-->", "#引号", "\"", 1, kNoLimit, true, "<!--ver-->"},
    {"PlaceholderNextToChinese", "版本#引号", "#引号", "\"", 1, kNoLimit, true, "版本\""},
    // In general.
    {"NoOverlap", "aaa", "aa", "b", 1, kNoLimit, true, "ba"},
    {"CountOne", "a.a.a", "a", "b", 1, 1, true, "b.a.a"},
    {"CountTwo", "a.a.a", "a", "b", 1, 2, true, "b.b.a"},
    {"CountZero", "a.a.a", "a", "b", 1, 0, true, "a.a.a"},
    {"CountNegativeNoLimit", "a.a.a", "a", "b", 1, -7, true, "b.b.b"},
    {"EmptyNeedle", "abc", "", "x", 1, kNoLimit, true, "abc"},
    {"EmptyText", "", "a", "x", 1, kNoLimit, true, ""},
    {"MissingText", std::string_view{}, "a", "x", 1, kNoLimit, true, ""},
    {"EmptyReplacementRemoves", "a-b-c", "-", "", 1, kNoLimit, true, "abc"},
    {"Longer", "a-b", "-", "--", 1, kNoLimit, true, "a--b"},
    {"ReplacementNotRescanned", "aa", "a", "aa", 1, kNoLimit, true, "aaaa"},
    {"StartSkipsEarlierMatches", "a-b-c", "-", "+", 3, kNoLimit, true, "a-b+c"},
    {"StartAtMatch", "a-b-c", "-", "+", 2, kNoLimit, true, "a+b+c"},
    {"StartZeroFromBeginning", "a-b", "-", "+", 0, kNoLimit, true, "a+b"},
    {"StartNegativeFromBeginning", "a-b", "-", "+", kInt32Min, kNoLimit, true, "a+b"},
    {"StartAtLastByte", "a-", "-", "+", 2, kNoLimit, true, "a+"},
    {"StartPastEndCopies", "a-b", "-", "+", 4, kNoLimit, true, "a-b"},
    {"StartLargestCopies", "a-b", "-", "+", kInt32Max, kNoLimit, true, "a-b"},
    {"NeedleLongerThanRest", "abc", "bcd", "x", 1, kNoLimit, true, "abc"},
    {"CaseSensitive", "Abc abc", "ABC", "x", 1, kNoLimit, true, "Abc abc"},
    {"CaseInsensitive", "Abc abc", "ABC", "x", 1, kNoLimit, false, "x x"},
    {"CaseInsensitiveOnlyLetters", "[a", "{A", "x", 1, kNoLimit, false, "[a"},
    {"MisalignedNotReplaced", "\xB0\xA1\xB0\xA1", "\xA1\xB0", "x", 1, kNoLimit, true, "\xB0\xA1\xB0\xA1"},
    {"StartInsideCharacterShiftsPairs", "\xB0\xA1\xB0\xA1", "\xA1\xB0", "x", 2, kNoLimit, true, "\xB0x\xA1"},
    {"WalkRestartsAfterEachMatch", "\xB0\xB0\xB0", "\xB0", "x", 1, kNoLimit, true, "xxx"},
    {"NonMatchingLeadTakesNextByte", "\xB0\xB1\xB0", "\xB0", "x", 1, kNoLimit, true, "x\xB1\xB0"},
    {"PairsAfterMatch", "\xB0\xB0\xB0", "\xB0\xB0", "x", 1, kNoLimit, true, "x\xB0"},
    {"AsciiInsideTwoByteCharacterKept",
     "\x81\x41"
     "A",
     "A", "x", 1, kNoLimit, true, "\x81\x41x"},
    {"ChineseNeedle", "中文中文", "文", "字", 1, kNoLimit, true, "中字中字"},
};
INSTANTIATE_TEST_SUITE_P(Text, ReplaceTextTest, testing::ValuesIn(kReplaceTextCases), CaseName<ReplaceTextCase>);

TEST(ReplaceTextDefaults, RemovesEveryMatchCaseSensitively) {
    EXPECT_EQ(ReplaceText("a-B-b", "b"), "a-B-");
    EXPECT_EQ(ReplaceText("#引号x#引号", "#引号", "\""), "\"x\"");
}

// --- CompareText ---

struct CompareTextCase {
    std::string_view name;
    std::string_view a;
    std::string_view b;
    int expected;
};
void PrintTo(const CompareTextCase& c, std::ostream* os) {
    *os << c.name;
}

class CompareTextTest : public testing::TestWithParam<CompareTextCase> {};

TEST_P(CompareTextTest, OrdersByUnsignedBytes) {
    const CompareTextCase& c = GetParam();
    EXPECT_EQ(CompareText(c.a, c.b), c.expected);
    EXPECT_EQ(CompareText(c.b, c.a), -c.expected);
}

constexpr CompareTextCase kCompareTextCases[] = {
    {"MissingEqualsEmpty", std::string_view{}, "", 0},
    {"BothMissing", std::string_view{}, std::string_view{}, 0},
    {"MissingSmallerThanAny", std::string_view{}, "a", -1},
    {"SmallerByte", "abc", "abd", -1},
    {"BeginningIsSmaller", "ab", "abc", -1},
    {"Equal", "abc", "abc", 0},
    {"EqualChinese", "错误", "错误", 0},
    {"HighByteIsLarger", "\x80", "a", 1},
    {"ChineseAfterAscii", "中", "z", 1},
    {"HighestByte", "\xFF", "\xFE", 1},
    {"CaseMatters", "A", "a", -1},
};
INSTANTIATE_TEST_SUITE_P(Text, CompareTextTest, testing::ValuesIn(kCompareTextCases), CaseName<CompareTextCase>);

// --- ConcatTexts ---

TEST(ConcatTexts, JoinsCoordinates) {
    EXPECT_EQ(ConcatTexts({"X:", "12", " Y:", "34"}), "X:12 Y:34");
}

TEST(ConcatTexts, MissingPartsCountAsEmpty) {
    EXPECT_EQ(ConcatTexts({std::string_view{}, "a", "", "b"}), "ab");
}

TEST(ConcatTexts, AllEmptyGivesEmpty) {
    EXPECT_EQ(ConcatTexts({"", std::string_view{}}), "");
}

TEST(ConcatTexts, OnePart) {
    EXPECT_EQ(ConcatTexts({"已停止"}), "已停止");
}

TEST(ConcatTexts, FiveParts) {
    EXPECT_EQ(ConcatTexts({"模式:", "左键", " 间隔:", "100", " 次数:5"}), "模式:左键 间隔:100 次数:5");
}

TEST(ConcatTexts, ResultIsIndependentOfParts) {
    std::string part = "abc";
    const std::string joined = ConcatTexts({part});
    part[0] = 'x';
    EXPECT_EQ(joined, "abc");
}

// The test literals themselves must be GBK, or every Chinese case above tests the wrong bytes.
TEST(SourceCharset, LiteralsAreGbk) {
    EXPECT_EQ(std::string_view("中文引号"), "\xD6\xD0\xCE\xC4\xD2\xFD\xBA\xC5");
}

}  // namespace
