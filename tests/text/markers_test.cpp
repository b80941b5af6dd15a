#include "text/markers.h"

#include "tests/text/reference_search.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>

using namespace std::string_literals;

namespace ftq {
namespace {

// Two-byte characters in code page 936 used below.
#define ZHONG "\xD6\xD0"       // 中
#define FULLWIDTH_A "\xA3\xC1" // Ａ
#define FULLWIDTH_a "\xA3\xE1" // ａ
#define YINHAO "\xD2\xFD\xBA\xC5" // 引号

struct FindCase
{
    const char *what;
    std::string haystack;
    std::string needle;
    int start;
    bool ignoreCase;
    int expected;
};

TEST(FindText, followsTheSearchRule)
{
    const std::string longRun(40, 'a');
    const FindCase cases[] = {
        {"plain match", "abcabc", "ca", 1, false, 3},
        {"from a later start", "abcabc", "bc", 3, false, 5},
        {"start 0 counts as 1", "abc", "a", 0, false, 1},
        {"negative start counts as 1", "abc", "a", -7, false, 1},
        {"lowest start counts as 1", "abc", "a", INT_MIN, false, 1},
        {"start beyond the end", "abc", "c", 4, false, -1},
        {"needle longer than what is left", "abc", "bcd", 2, false, -1},
        {"needle at the very end", "abcd", "cd", 1, false, 3},
        {"empty needle is at 1, whatever the start", "abc", "", 3, false, 1},
        {"empty needle past the end", "abc", "", 4, false, -1},
        {"empty haystack", "", "", 1, false, -1},
        {"second byte of a character is skipped", "\x81" "A" "A", "A", 1, false, 3},
        {"boundaries in a run of high bytes count from the start", "\xB0\xB0\xB0\xB0", "\xB0\xB0", 2, false, 2},
        {"only a misaligned match", "\xB0\xA1\xA1\xB0", "\xA1\xA1", 1, false, -1},
        {"aligned match after high bytes", "\xB0\xA1\xA1\xB0", "\xA1\xB0", 1, false, 3},
        {"boundaries count from the start", "x\xB0\xA1", "\xA1", 3, false, 3},
        {"a low byte after a lead byte is still its second byte", "\xB0" "ab", "a", 1, false, -1},
        {"a lone lead byte at the end", "ab\xB0", "\xB0", 1, false, 3},
        {"case differs", "aXb", "x", 1, false, -1},
        {"case ignored", "aXb", "x", 1, true, 2},
        {"case ignored in the needle too", "axb", "X", 1, true, 2},
        {"full-width letters are not folded", FULLWIDTH_A, FULLWIDTH_a, 1, true, -1},
        {"@ is not `", "@", "`", 1, true, -1},
        {"[ is not {", "{", "[", 1, true, -1},
        {"high bytes are not folded", "\xC1\xC1", "\xE1\xE1", 1, true, -1},
        {"Chinese needle in Chinese text", "a" ZHONG ZHONG "b", ZHONG "b", 1, false, 4},
        {"match far into the text, ignoring case", longRun + "User-AGENT:" + longRun, "user-agent:", 1, true, 41},
        {"only a misaligned match far into the text", longRun + "\xB0\xD6\xD0" + longRun, ZHONG, 1, false, -1},
        {"aligned match after a long high run", std::string(41, '\xB0') + "a" ZHONG, ZHONG, 1, false, 43},
        {"misaligned match after a long high run", std::string(41, '\xB0') + ZHONG, ZHONG, 1, false, -1},
        {"zero bytes are ordinary bytes", "a\0b\0c"s, "\0c"s, 1, false, 4},
    };
    for (const FindCase &c : cases)
        EXPECT_EQ(findText(c.haystack, c.needle, c.start, c.ignoreCase), c.expected) << c.what;
}

// Random texts over a small alphabet of letters, look-alikes of letters and bytes of two-byte
// characters, so that matches, misaligned matches and case questions come up often.
TEST(FindText, agreesWithTheRuleOnRandomTexts)
{
    static constexpr char alphabet[] = {'a', 'A', 'b', 'B', '@', '`', '[', '{', ';', '\0',
                                        '\x81', '\xA1', '\xB0', '\xC1', '\xE1', '\xFE'};
    std::mt19937 random(20261211);
    const auto pick = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n)(random); };
    const auto randomText = [&](size_t length) {
        std::string s;
        for (size_t i = 0; i < length; ++i)
            s += alphabet[pick(sizeof alphabet - 1)];
        return s;
    };
    for (int round = 0; round < 30000; ++round) {
        const std::string haystack = randomText(pick(round % 10 == 0 ? 300 : 60));
        std::string needle;
        if (pick(1) && !haystack.empty()) {
            needle = haystack.substr(pick(haystack.size() - 1), pick(6));
            for (char &c : needle)
                if (pick(3) == 0 && ((c >= 'a' && c <= 'b') || (c >= 'A' && c <= 'B')))
                    c ^= 0x20;
        } else {
            needle = randomText(pick(4));
        }
        const int start = static_cast<int>(pick(haystack.size() + 4)) - 2;
        const bool ignoreCase = pick(1);
        ASSERT_EQ(findText(haystack, needle, start, ignoreCase),
                  reference::findText(haystack, needle, start, ignoreCase))
            << "round " << round << ", start " << start << ", ignoreCase " << ignoreCase;
    }
}

struct BetweenCase
{
    const char *what;
    std::string text;
    std::string left;
    std::string right;
    int start;
    bool caseSensitive;
    std::string expected;
};

TEST(TextBetween, cutsBetweenTheMarkers)
{
    const BetweenCase cases[] = {
        {"plain", "ab[cd]ef", "[", "]", 1, false, "cd"},
        {"nothing between", "ab[]ef", "[", "]", 1, false, ""},
        {"left marker missing", "abcd]ef", "[", "]", 1, false, ""},
        {"right marker missing", "ab[cdef", "[", "]", 1, false, ""},
        {"left marker ends the text", "abc[", "[", "]", 1, false, ""},
        {"right marker only before the left", "a]b[cd", "[", "]", 1, false, ""},
        {"first right marker after the left", "[a]b]", "[", "]", 1, false, "a"},
        {"first left marker", "[a][b]", "[", "]", 1, false, "a"},
        {"first left marker at the start position", "[a][b]", "[", "]", 2, false, "b"},
        {"start 0", "[a][b]", "[", "]", 0, false, "a"},
        {"negative start", "[a][b]", "[", "]", -3, false, "a"},
        {"start beyond the end", "[a][b]", "[", "]", 7, false, ""},
        {"markers ignore case by default", "A<BR  />xyz</P>", "<br  />", "</p>", 1, false, "xyz"},
        {"case-sensitive markers", "A<BR  />xyz</P>", "<br  />", "</p>", 1, true, ""},
        {"case-sensitive right marker", "<br  />x</P>y</p>", "<br  />", "</p>", 1, true, "x</P>y"},
        {"empty left marker is at 1", "abc;d", "", ";", 1, false, "abc"},
        {"empty left marker ignores the start", "ab;c;d", "", ";", 4, false, "ab"},
        {"empty right marker", "ab[cd]", "[", "", 1, false, ""},
        {"empty text", "", "[", "]", 1, false, ""},
        {"quote placeholder in the left marker", "a=\"v\";", "a=#" YINHAO, "\"", 1, false, "v"},
        {"quote placeholder in both markers", "x\"1\"y", "x#" YINHAO, "#" YINHAO "y", 1, false, "1"},
        {"placeholder text in the text is not a quote", "a=#" YINHAO "v;", "a=\"", ";", 1, false, ""},
        {"placeholder inside a character is left alone", "\xB0#" YINHAO "v;", "\xB0#" YINHAO, ";", 1, false, "v"},
        {"right marker inside a character is not found", "[" ZHONG "]", "[", "\xD0]", 1, false, ""},
        {"right marker's boundaries count from the remainder", "[\xB0\xA1\xA1x]", "[\xB0", "x", 1, false, "\xA1\xA1"},
        {"header value", "Accept: */*\r\nuser-agent: Probe/1.0\r\nX: y\r\n", "User-Agent:", "\r\n", 1, false, " Probe/1.0"},
    };
    for (const BetweenCase &c : cases)
        EXPECT_EQ(textBetween(c.text, c.left, c.right, c.start, c.caseSensitive), c.expected) << c.what;
}

TEST(TextBetween, flagsLeftOut_ignoresCase)
{
    EXPECT_EQ(textBetween("x<Td>1</tD>", "<tD>", "</Td>"), "1");
}

// An update page as a blog would serve it, with the six marker pairs the update check uses.
TEST(TextBetween, updatePage_yieldsEachField)
{
    const std::string page =
        "<html><body><p>\xB5\xB1\xC7\xB0\xA3\xFB" "v1.0" "\xA3\xFD\xB0\xE6\xB1\xBE</p>"
        "<p>\xD7\xEE\xD0\xC2\xA3\xFB" "v1.2" "\xA3\xFD\xB0\xE6\xB1\xBE</p>"
        "<p>\xB8\xFC\xD0\xC2\xA3\xFB" "http://dl.example/v12.zip"
        "\xA3\xFD\xB5\xD8\xD6\xB7<BR  />\xC0\xFA\xCA\xB7\xA3\xFB" ZHONG
        "\xA3\xFD\xC4\xDA\xC8\xDD<br  />\xC7\xBF\xD6\xC6\xA3\xFB" "1" "\xA3\xFD\xB8\xFC\xD0\xC2</p>"
        "<p>\xC6\xA5\xC5\xE4\xA1\xBE" "(.*?)<br>" "\xA1\xBF\xCE\xC4\xB1\xBE</p></body></html>";
    const struct
    {
        const char *field;
        const char *left;
        const char *right;
        const char *expected;
    } fields[] = {
        {"pageVersion", "\xB5\xB1\xC7\xB0\xA3\xFB", "\xA3\xFD\xB0\xE6\xB1\xBE", "v1.0"},
        {"latestVersion", ">\xD7\xEE\xD0\xC2\xA3\xFB", "\xA3\xFD\xB0\xE6\xB1\xBE", "v1.2"},
        {"updateText", "\xB5\xD8\xD6\xB7<br  />\xC0\xFA\xCA\xB7\xA3\xFB",
         "\xA3\xFD\xC4\xDA\xC8\xDD<br  />\xC7\xBF\xD6\xC6", ZHONG},
        {"forceFlag", "\xC4\xDA\xC8\xDD<br  />\xC7\xBF\xD6\xC6\xA3\xFB", "\xA3\xFD\xB8\xFC\xD0\xC2", "1"},
        {"downloadAddress", "\xB8\xFC\xD0\xC2\xA3\xFB", "\xA3\xFD\xB5\xD8\xD6\xB7<br  />\xC0\xFA\xCA\xB7",
         "http://dl.example/v12.zip"},
        {"resultPattern", "\xC6\xA5\xC5\xE4\xA1\xBE", "\xA1\xBF\xCE\xC4\xB1\xBE", "(.*?)<br>"},
    };
    for (const auto &f : fields)
        EXPECT_EQ(textBetween(page, f.left, f.right), f.expected) << f.field;
}

struct BeforeCase
{
    const char *what;
    std::string text;
    std::string marker;
    int start;
    bool ignoreCase;
    std::string expected;
};

TEST(TextBefore, cutsBeforeTheMarker)
{
    const BeforeCase cases[] = {
        {"cookie value", "sid=42; path=/", ";", 1, false, "sid=42"},
        {"no marker", "sid=42", ";", 1, false, ""},
        {"marker at position 1", ";sid=42", ";", 1, false, ""},
        {"case differs", "aXb", "x", 1, false, ""},
        {"case ignored", "aXb", "x", 1, true, "a"},
        {"start skips an earlier marker, the cut still begins at 1", "a;b;c", ";", 3, false, "a;b"},
        {"start 0", "a;b", ";", 0, false, "a"},
        {"negative start", "a;b", ";", -1, false, "a"},
        {"start beyond the end", "a;b", ";", 4, false, ""},
        {"empty marker", "abc", "", 1, false, ""},
        {"empty text", "", ";", 1, false, ""},
        {"placeholder is searched literally", "a=\"b#" YINHAO "c", "#" YINHAO, 1, false, "a=\"b"},
        {"marker inside a character is not found", ZHONG "\xD0" "x", "\xD0", 1, false, ZHONG},
    };
    for (const BeforeCase &c : cases)
        EXPECT_EQ(textBefore(c.text, c.marker, c.start, c.ignoreCase), c.expected) << c.what;
}

TEST(TextBefore, flagLeftOut_matchesCaseExactly)
{
    EXPECT_EQ(textBefore("aXbx", "x"), "aXb");
}

} // namespace
} // namespace ftq
