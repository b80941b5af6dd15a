#include "text/markers.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <string>

// A field near the end of a 10 MB page, cut with the markers the update check uses, against
// memmem looking for the same left marker in the same buffer.
namespace {

constexpr size_t pageSize = 10 << 20;
const std::string leftMarker = "\xC6\xA5\xC5\xE4\xA1\xBE";  // 匹配【
const std::string rightMarker = "\xA1\xBF\xCE\xC4\xB1\xBE"; // 】文本
const std::string field = leftMarker + "(.*?)<br>" + rightMarker;

std::string randomChinese(std::mt19937 &random, size_t characters)
{
    std::uniform_int_distribution<int> lead(0xB0, 0xD7), trail(0xA1, 0xFE);
    std::string s;
    for (size_t i = 0; i < characters; ++i) {
        s += static_cast<char>(lead(random));
        s += static_cast<char>(trail(random));
    }
    return s;
}

// Blog markup with a few Chinese words per paragraph, about 5% of the bytes above 0x7F.
std::string makeAsciiHeavyPage()
{
    std::mt19937 random(1);
    std::string page = "<!DOCTYPE html><html><head><title>blog</title></head><body>\n";
    while (page.size() < pageSize - 4096) {
        page += "<div class=\"post-body entry-content\"><p style=\"margin:0 0 1em\">The quick brown fox "
                "jumps over the lazy dog; <a href=\"https://example.com/2026/12/post.html\">read more</a> ";
        page += randomChinese(random, 4);
        page += " and <span class=\"tag\">notes</span>.</p><BR  /></div>\n";
    }
    return page + "<p>" + field + "</p></body></html>\n";
}

// Running Chinese prose: two-byte characters, full-width punctuation, a line break now and then.
std::string makeDenseChinesePage()
{
    std::mt19937 random(2);
    std::string page;
    while (page.size() < pageSize - 4096) {
        page += randomChinese(random, 40);
        page += "\xA3\xAC"; // ，
        page += randomChinese(random, 30);
        page += "\xA1\xA3\n"; // 。
    }
    return page + field + "\n";
}

const std::string &asciiHeavyPage()
{
    static const std::string page = makeAsciiHeavyPage();
    return page;
}

const std::string &denseChinesePage()
{
    static const std::string page = makeDenseChinesePage();
    return page;
}

void runTextBetween(benchmark::State &state, const std::string &page)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ftq::textBetween(page, leftMarker, rightMarker));
    if (ftq::textBetween(page, leftMarker, rightMarker) != "(.*?)<br>")
        state.SkipWithError("field not found");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
}

void runMemmem(benchmark::State &state, const std::string &page)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(memmem(page.data(), page.size(), leftMarker.data(), leftMarker.size()));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
}

void textBetweenAsciiHeavy(benchmark::State &state) { runTextBetween(state, asciiHeavyPage()); }
void memmemAsciiHeavy(benchmark::State &state) { runMemmem(state, asciiHeavyPage()); }
void textBetweenDenseChinese(benchmark::State &state) { runTextBetween(state, denseChinesePage()); }
void memmemDenseChinese(benchmark::State &state) { runMemmem(state, denseChinesePage()); }

// Markers with letters under the default case folding, on a page full of near misses.
void textBetweenAsciiMarkersIgnoringCase(benchmark::State &state)
{
    const std::string page = asciiHeavyPage() + "<div class=\"REPORT\">x</div>";
    const std::string left = "<div class=#\xD2\xFD\xBA\xC5report"; // <div class="report
    for (auto _ : state)
        benchmark::DoNotOptimize(ftq::textBetween(page, left, "</div>"));
    if (ftq::textBetween(page, left, "</div>") != "\">x")
        state.SkipWithError("field not found");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
}

} // namespace

BENCHMARK(textBetweenAsciiHeavy)->Unit(benchmark::kMillisecond);
BENCHMARK(memmemAsciiHeavy)->Unit(benchmark::kMillisecond);
BENCHMARK(textBetweenDenseChinese)->Unit(benchmark::kMillisecond);
BENCHMARK(memmemDenseChinese)->Unit(benchmark::kMillisecond);
BENCHMARK(textBetweenAsciiMarkersIgnoringCase)->Unit(benchmark::kMillisecond);
