// Text services against the standard library on the same bytes.
//
//   FindText over a 1 MiB page, needle near the end   vs std::string_view::find     (goal: within 2x)
//   TextToNumber on typical box contents               vs std::from_chars on digits  (goal: within 3x)
//   TextBetween of three fields, 1 KiB to 1 MiB pages                                (goal: linear)
//
// GBK bytes are spelled as escapes so that the figures do not depend on the compiler's execution character set.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/text.h"
#include "update/marked_text.h"

namespace {

constexpr size_t kPageSize = size_t{1} << 20;

// A fixed pseudo-random sequence, so that every run measures the same pages.
class Random {
public:
    uint32_t Next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<uint32_t>(state_ >> 33);
    }
    uint32_t Below(uint32_t n) { return Next() % n; }

private:
    uint64_t state_ = 0x5EED;
};

// A two-byte GB2312 character: lead 0xB0-0xF7, trail 0xA1-0xFE.
void AppendChineseCharacter(std::string& page, Random& random) {
    page += static_cast<char>(0xB0 + random.Below(0xF7 - 0xB0 + 1));
    page += static_cast<char>(0xA1 + random.Below(0xFE - 0xA1 + 1));
}

// Mostly ASCII, like the HTML of a web page: tags, words, and now and then a few Chinese characters (~5%).
std::string MostlyAsciiPage(size_t size) {
    static constexpr std::string_view kWords[] = {"<div class=\"item\">",
                                                  "</div>",
                                                  "<a href=\"/p/",
                                                  "\">",
                                                  "</a>",
                                                  "the ",
                                                  "version ",
                                                  "download ",
                                                  "12345",
                                                  "\n",
                                                  "<br/>",
                                                  "click "};
    Random random;
    std::string page;
    page.reserve(size + 64);
    while (page.size() < size) {
        if (random.Below(20) == 0) {
            for (uint32_t n = 1 + random.Below(4); n > 0; --n) {
                AppendChineseCharacter(page, random);
            }
        } else {
            page += kWords[random.Below(std::size(kWords))];
        }
    }
    page.resize(size);
    return page;
}

// Nothing but two-byte characters.
std::string ChinesePage(size_t size) {
    Random random;
    std::string page;
    page.reserve(size + 2);
    while (page.size() < size) {
        AppendChineseCharacter(page, random);
    }
    page.resize(size & ~size_t{1});
    return page;
}

// Puts `needle` at a character start about `fromEnd` bytes before the end of the page, replacing what was there.
std::string WithNeedleNearEnd(std::string page, std::string_view needle, size_t fromEnd) {
    size_t at = page.size() - fromEnd;
    // Walk from the start to the character start at or after `at`, so the needle is findable.
    size_t i = 0;
    while (i < at) {
        i += static_cast<unsigned char>(page[i]) >= 0x80 ? 2 : 1;
    }
    page.replace(i, needle.size(), needle);
    return page;
}

constexpr std::string_view kAsciiNeedle = "<!--verend-->";
constexpr std::string_view kChineseNeedle = "\xB0\xE6\xB1\xBE\xBA\xC5";  // "版本号"

struct FindCase {
    std::string page;
    std::string_view needle;
};

const FindCase& AsciiPageAsciiNeedle() {
    static const FindCase c{WithNeedleNearEnd(MostlyAsciiPage(kPageSize), kAsciiNeedle, 100), kAsciiNeedle};
    return c;
}
const FindCase& ChinesePageChineseNeedle() {
    static const FindCase c{WithNeedleNearEnd(ChinesePage(kPageSize), kChineseNeedle, 100), kChineseNeedle};
    return c;
}
const FindCase& ChinesePageAsciiNeedle() {
    static const FindCase c{WithNeedleNearEnd(ChinesePage(kPageSize), kAsciiNeedle, 100), kAsciiNeedle};
    return c;
}

// The least favourable layout: one ASCII byte, then nothing but two-byte characters up to the needle. The byte
// search finds the needle at once, and the check that it starts a character then reads the whole run back.
const FindCase& AsciiThenChinesePageAsciiNeedle() {
    static const FindCase c{WithNeedleNearEnd("a" + ChinesePage(kPageSize - 1), kAsciiNeedle, 100), kAsciiNeedle};
    return c;
}

template <const FindCase& (*Case)()>
void BM_FindText(benchmark::State& state) {
    const FindCase& c = Case();
    int32_t found = 0;
    for (auto _ : state) {
        found = FindText(c.page, c.needle, 0, false);
        benchmark::DoNotOptimize(found);
    }
    state.counters["position"] = found;
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * found);
}

template <const FindCase& (*Case)()>
void BM_StringViewFind(benchmark::State& state) {
    const FindCase& c = Case();
    const std::string_view page = c.page;
    size_t found = 0;
    for (auto _ : state) {
        found = page.find(c.needle);
        benchmark::DoNotOptimize(found);
    }
    state.counters["position"] = static_cast<double>(found + 1);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(found + 1));
}

BENCHMARK(BM_FindText<AsciiPageAsciiNeedle>)->Name("FindText/MostlyAsciiPage");
BENCHMARK(BM_StringViewFind<AsciiPageAsciiNeedle>)->Name("StringViewFind/MostlyAsciiPage");
BENCHMARK(BM_FindText<ChinesePageChineseNeedle>)->Name("FindText/ChinesePage/ChineseNeedle");
BENCHMARK(BM_StringViewFind<ChinesePageChineseNeedle>)->Name("StringViewFind/ChinesePage/ChineseNeedle");
BENCHMARK(BM_FindText<ChinesePageAsciiNeedle>)->Name("FindText/ChinesePage/AsciiNeedle");
BENCHMARK(BM_StringViewFind<ChinesePageAsciiNeedle>)->Name("StringViewFind/ChinesePage/AsciiNeedle");
BENCHMARK(BM_FindText<AsciiThenChinesePageAsciiNeedle>)->Name("FindText/AsciiThenChinesePage/AsciiNeedle");
BENCHMARK(BM_StringViewFind<AsciiThenChinesePageAsciiNeedle>)->Name("StringViewFind/AsciiThenChinesePage/AsciiNeedle");

// --- TextToNumber ---

void BM_TextToNumber(benchmark::State& state, std::string_view text) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(text);
        benchmark::DoNotOptimize(TextToNumber(text));
    }
}

// The baseline: from_chars on the plain digits of the same number.
void BM_FromChars(benchmark::State& state, std::string_view digits) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(digits);
        double value = 0;
        std::from_chars(digits.data(), digits.data() + digits.size(), value);
        benchmark::DoNotOptimize(value);
    }
}

BENCHMARK_CAPTURE(BM_TextToNumber, Hundred, "100");
BENCHMARK_CAPTURE(BM_FromChars, Hundred, "100");
BENCHMARK_CAPTURE(BM_TextToNumber, Fraction, "250.9");
BENCHMARK_CAPTURE(BM_FromChars, Fraction, "250.9");
BENCHMARK_CAPTURE(BM_TextToNumber, SpacesThenLetters, "  12abc");
BENCHMARK_CAPTURE(BM_FromChars, SpacesThenLetters, "12");
BENCHMARK_CAPTURE(BM_TextToNumber, FullWidthDigits, "\xA3\xB1\xA3\xB0\xA3\xB0");  // "１００"
BENCHMARK_CAPTURE(BM_FromChars, FullWidthDigits, "100");

// --- TextBetween ---

// A version-service page of `size` bytes: filler, then the three fields the version check reads near the end.
std::string ServicePage(size_t size) {
    const std::string fields =
        "<!--ver-->1.2.0<!--verend-->"
        "<!--url-->http://www.vornex.invalid/download/vornex-1.2.0.exe<!--urlend-->"
        "<!--msg-->\xD0\xC2\xB0\xE6\xB1\xBE<!--msgend-->";  // "新版本"
    std::string page = MostlyAsciiPage(size > fields.size() + 64 ? size - fields.size() - 64 : 64);
    page += fields;
    page.append(size > page.size() ? size - page.size() : 0, '\n');
    return page;
}

void ExtractThreeFields(const std::string& page) {
    benchmark::DoNotOptimize(TextBetween(page, "<!--ver-->", "<!--verend-->", 0, false));
    benchmark::DoNotOptimize(TextBetween(page, "<!--url-->", "<!--urlend-->", 0, false));
    benchmark::DoNotOptimize(TextBetween(page, "<!--msg-->", "<!--msgend-->", 0, false));
}

void BM_TextBetweenThreeFields(benchmark::State& state) {
    const std::string page = ServicePage(static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        ExtractThreeFields(page);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
    state.SetComplexityN(state.range(0));
}

BENCHMARK(BM_TextBetweenThreeFields)->Name("TextBetween/ThreeFields/100KiB")->Arg(100 << 10);
BENCHMARK(BM_TextBetweenThreeFields)
    ->Name("TextBetween/ThreeFields/Scaling")
    ->RangeMultiplier(4)
    ->Range(1 << 10, 1 << 20)
    ->Complexity(benchmark::oN);

}  // namespace
