// Marked-text extraction. Literals are GBK at run time (-fexec-charset=GBK).
#include "update/marked_text.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

namespace {

struct TextBetweenCase {
    std::string_view name;
    std::string_view text;
    std::string_view startMarker;
    std::string_view endMarker;
    int32_t startPosition;
    bool ignoreCase;
    std::string_view expected;
};
void PrintTo(const TextBetweenCase& c, std::ostream* os) {
    *os << c.name;
}

std::string CaseName(const testing::TestParamInfo<TextBetweenCase>& info) {
    return std::string(info.param.name);
}

class TextBetweenTest : public testing::TestWithParam<TextBetweenCase> {};

TEST_P(TextBetweenTest, CutsBetweenMarkers) {
    const TextBetweenCase& c = GetParam();
    EXPECT_EQ(TextBetween(c.text, c.startMarker, c.endMarker, c.startPosition, c.ignoreCase), c.expected);
}

constexpr std::string_view kVer = "<!--ver-->";
constexpr std::string_view kVerEnd = "<!--verend-->";

constexpr TextBetweenCase kTextBetweenCases[] = {
    // As the version check calls it: start position 0, case-sensitive.
    {"VersionBetweenMarkers", "abc<!--ver-->1.2<!--verend-->def", kVer, kVerEnd, 0, false, "1.2"},
    {"ChinesePageAround", "最新版本<!--ver-->2.0<!--verend-->请下载", kVer, kVerEnd, 0, false, "2.0"},
    {"ChineseField", "<!--msg-->服务器维护<!--msgend-->", "<!--msg-->", "<!--msgend-->", 0, false, "服务器维护"},
    {"AdjacentMarkersGiveEmpty", "<!--ver--><!--verend-->", kVer, kVerEnd, 0, false, ""},
    {"StartMarkerMissing", "1.2<!--verend-->", kVer, kVerEnd, 0, false, ""},
    {"EndMarkerMissing", "<!--ver-->1.2", kVer, kVerEnd, 0, false, ""},
    {"EndMarkerOnlyBeforeStart", "<!--verend--><!--ver-->1.2", kVer, kVerEnd, 0, false, ""},
    {"EndMarkerBeforeAndAfterStart", "x<!--verend--><!--ver-->1.2<!--verend-->", kVer, kVerEnd, 0, false, "1.2"},
    {"TwoFieldsFirstWins", "<!--ver-->1.2<!--verend--><!--ver-->1.3<!--verend-->", kVer, kVerEnd, 0, false, "1.2"},
    {"CapitalsDoNotMatch", "<!--VER-->1.2<!--verend-->", kVer, kVerEnd, 0, false, ""},
    {"CapitalsMatchIgnoringCase", "<!--VER-->1.2<!--VEREND-->", kVer, kVerEnd, 0, true, "1.2"},
    {"EmptyPage", "", kVer, kVerEnd, 0, false, ""},
    {"MissingPage", std::string_view{}, kVer, kVerEnd, 0, false, ""},
    {"StartMarkerAtVeryEnd", "abc<!--ver-->", kVer, kVerEnd, 0, false, ""},
    {"SameMarkerBothEnds", "|a|b|", "|", "|", 0, false, "a"},
    {"OverlappingMarkersEndSearchAfterStart", "<a>>", "<a>", ">", 0, false, ""},
    // The quote placeholder.
    {"PlaceholderMatchesQuote", "<a href=\"x.exe\">", "href=#引号", "#引号>", 0, false, "x.exe"},
    {"PlaceholderDoesNotMatchItself", "<a href=#引号x.exe#引号>", "href=#引号", "#引号>", 0, false, ""},
    {"PlaceholderTwiceInOneMarker", "<i id=\"a\" v=\"1\">9</i>", "#引号a#引号 v=#引号1#引号>", "<", 0, false, "9"},
    // The start position is handed to the search unchanged.
    {"StartPositionSkipsFirstField", "<b>1</b><b>2</b>", "<b>", "</b>", 2, false, "2"},
    {"StartPositionAtMarker", "<b>1</b><b>2</b>", "<b>", "</b>", 1, false, "1"},
    {"StartPositionNegative", "<b>1</b>", "<b>", "</b>", -5, false, "1"},
    {"StartPositionPastEnd", "<b>1</b>", "<b>", "</b>", 100, false, ""},
    // Two-byte characters: a marker's first byte hidden as a second byte is not a marker.
    {"MarkerInsideTwoByteCharacterSkipped", "\x81<v>1</v><v>2</v>", "<v>", "</v>", 0, false, "2"},
    {"EndMarkerInsideTwoByteCharacterSkipped", "<v>1\x81</v>2</v>", "<v>", "</v>", 0, false, "1\x81</v>2"},
    // Empty markers (the program never uses them): the empty needle matches at the search start.
    {"EmptyStartMarker", "1.2<!--verend-->", "", kVerEnd, 0, false, "1.2"},
    {"EmptyEndMarker", "<!--ver-->1.2", kVer, "", 0, false, ""},
};
INSTANTIATE_TEST_SUITE_P(MarkedText, TextBetweenTest, testing::ValuesIn(kTextBetweenCases), CaseName);

}  // namespace
