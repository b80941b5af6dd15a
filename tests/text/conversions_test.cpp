#include "text/conversions.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

// Expected bytes were checked against Python's 'gbk'/'cp950' codecs and, for unescapeUnicode, a
// JavaScript engine running the same literal and unescape() (windows-936-2000 differs from
// Python's table at 0x80, which Windows maps to the euro sign).
namespace ftq {
namespace {

using namespace std::string_literals;

struct Case {
    const char *name;
    std::string input;
    std::string expected;
};

void expectAll(std::string (*convert)(std::string_view), std::initializer_list<Case> cases)
{
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(convert(c.input), c.expected);
    }
}

// "中文" in UTF-8 and in code page 936.
const std::string zhongwenUtf8 = "\xE4\xB8\xAD\xE6\x96\x87";
const std::string zhongwen936 = "\xD6\xD0\xCE\xC4";

TEST(Utf8ToAnsi, convertsToCodePage936WithQuestionMarks)
{
    expectAll(utf8ToAnsi, {
        {"empty", "", ""},
        {"ascii", "Key=ABC", "Key=ABC"},
        {"chinese", zhongwenUtf8, zhongwen936},
        {"pinyin letter 936 holds", "\xC3\xA9", "\xA8\xA6"},
        {"euro sign at 0x80", "\xE2\x82\xAC", "\x80"},
        {"character 936 lacks", "a\xF0\x9F\x98\x80" "b", "a?b"},
        {"invisible character 936 lacks", "a\xC2\xAD" "b", "a?b"},
        {"stray byte", "a\xFF" "b", "a?b"},
        {"truncated sequence at the end", "a\xE4\xB8", "a?"},
        {"encoded surrogate, one ? per byte", "a\xED\xA0\x80" "b", "a???b"},
        {"ends at a zero byte", "AB\0CD"s, "AB"},
    });
}

TEST(MultiByteToWide, givesLittleEndianUnitsWithOneZeroUnit)
{
    const struct {
        const char *name;
        std::string text;
        std::optional<int> codePage;
        std::string expected;
    } cases[] = {
        {"utf-8 by default", "\xE4\xB8\xAD" "A", std::nullopt, "\x2D\x4E" "A\0\0\0"s},
        {"code page 936", "\xD6\xD0", 936, "\x2D\x4E\0\0"s},
        {"code page 950", "\xA4\xA4", 950, "\x2D\x4E\0\0"s},
        {"malformed 936 gives U+FFFD", "\xA1 ", 936, "\xFD\xFF \0\0\0"s},
        {"empty text is the zero unit alone", "", std::nullopt, "\0\0"s},
        {"ends at a zero byte", "A\0B"s, std::nullopt, "A\0\0\0"s},
        {"unsupported code page", "A", 1252, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(multiByteToWide(c.text, c.codePage), c.expected);
    }
}

TEST(WideToMultiByte, encodesUnitsUpToTheZeroUnit)
{
    const struct {
        const char *name;
        std::string wide;
        std::optional<int> codePage;
        std::string expected;
    } cases[] = {
        {"code page 936 by default", "\x2D\x4E" "A\0\0\0"s, std::nullopt, "\xD6\xD0" "A"},
        {"utf-8", "\x2D\x4E\0\0"s, 65001, "\xE4\xB8\xAD"},
        {"code page 950", "\x2D\x4E\0\0"s, 950, "\xA4\xA4"},
        {"stops at the zero unit", "A\0\0\0B\0\0\0"s, std::nullopt, "A"},
        {"missing zero unit", "A\0B\0"s, std::nullopt, "AB"},
        {"odd final byte ignored", "A\0B"s, std::nullopt, "A"},
        {"lone surrogate", "\x00\xD8\0\0"s, std::nullopt, "?"},
        {"empty", "", std::nullopt, ""},
        {"unsupported code page", "A\0\0\0"s, 1252, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(wideToMultiByte(c.wide, c.codePage), c.expected);
    }
}

TEST(Big5ToGbk, convertsAndSimplifies)
{
    expectAll(big5ToGbk, {
        {"empty", "", ""},
        {"ascii", "OK 123", "OK 123"},
        // 中華民國 -> 中华民国
        {"traditional to simplified", "\xA4\xA4\xB5\xD8\xA5\xC1\xB0\xEA", "\xD6\xD0\xBB\xAA\xC3\xF1\xB9\xFA"},
        // 髮 and 發 both become 发.
        {"two traditional forms, one simplified", "\xBE\x76\xB5\x6F", "\xB7\xA2\xB7\xA2"},
        {"malformed byte", "\xFF" "A", "?A"},
        {"lead byte at the end", "A\xA4", "A?"},
        {"ends at a zero byte", "\xA4\xA4\0\xA4\xA4"s, "\xD6\xD0"},
    });
}

// A character 936 lacks used to end the text (the replacement written was a zero byte).
TEST(Big5ToGbk, characterMissingFrom936BecomesQuestionMarkAndTextGoesOn)
{
    // 中 ‧ 華: U+2027 HYPHENATION POINT is in 950 only.
    EXPECT_EQ(big5ToGbk("\xA4\xA4\xA1\x45\xB5\xD8"), "\xD6\xD0?\xBB\xAA");
}

TEST(PercentDecode, decodesUtf8EscapesInto936)
{
    expectAll(percentDecode, {
        {"empty", "", ""},
        {"chinese", "%E4%B8%AD%E6%96%87", zhongwen936},
        {"lower-case hex", "%e4%b8%ad", "\xD6\xD0"},
        {"space", "ABC%20D", "ABC D"},
        {"plus stays plus", "a+b", "a+b"},
        {"plain utf-8 bytes", zhongwenUtf8, zhongwen936},
        {"mixed plain and escaped", "\xE4\xB8%AD", "\xD6\xD0"},
        {"zero byte dropped", "A%00B", "AB"},
        {"ends at a zero byte in the input", "A\0%41"s, "A"},
        {"plain 936 bytes are not utf-8", zhongwen936, "????"},
        {"character 936 lacks", "%F0%9F%98%80", "?"},
        {"euro sign", "%E2%82%AC", "\x80"},
        {"no unescape of %u", "%u4e2d", "?e2d"},
    });
}

TEST(PercentDecode, malformedEscapesFollowTheDigitRules)
{
    // A missing digit counts 0, a non-digit -2; the low eight bits are kept, a zero dropped.
    expectAll(percentDecode, {
        {"lone percent at the end vanishes", "AB%", "AB"},
        {"one digit at the end", "A%4", "A@"},
        {"second digit not hex", "%4G", ">"},              // 64 - 2 = 0x3E
        {"first digit not hex", "%G1", "?"},               // -32 + 1 -> 0xE1, a lone utf-8 lead
        {"percent as a digit", "%%41", "?1"},              // -32 + 4 -> 0xE4, then "1"
        {"escape swallows a multibyte lead", "%\xD6\xD0" "A", "?A"}, // both -2 -> 0xDE
    });
}

TEST(PercentDecode, joinsCombiningMarksWithTheirBase)
{
    expectAll(percentDecode, {
        {"e with acute", "e%CC%81", "\xA8\xA6"},
        {"u with diaeresis and acute", "u%CC%88%CC%81", "\xA8\xB6"},
        {"kana with voicing mark", "%E3%81%8B%E3%82%99", "\xA4\xAC"},
        {"no precomposed form", "x%CC%81", "x?"},
        // Full NFC would turn this compatibility ideograph, which 936 holds, into another one.
        {"compatibility ideograph kept", "%EF%A4%AC", "\xFD\x9C"},
    });
}

TEST(UnescapeUnicode, decodesLiteralAndUnescapeEscapes)
{
    expectAll(unescapeUnicode, {
        {"empty", "", ""},
        {"u escapes", "\\u4e2d\\u6587", zhongwen936},
        {"upper-case hex", "\\u4E2D", "\xD6\xD0"},
        {"936 text passes", zhongwen936 + "OK", zhongwen936 + "OK"},
        {"percent escape", "%41", "A"},
        {"percent-u escape", "%u4e2d", "\xD6\xD0"},
        {"latin-1 percent escape 936 lacks", "%E4", "?"},
        {"percent without digits stays", "%zz%u12%", "%zz%u12%"},
        {"slash", "\\/", "/"},
        {"double quote", "\\\"", "\""},
        {"doubled backslash before u", "\\\\u4e2d", "\xD6\xD0"},
        {"capital U is no escape", "\\U4e2d", "U4e2d"},
        {"control escapes", "\\b\\t\\n\\v\\f\\r", "\b\t\n\v\f\r"},
        {"hex escape", "\\x41", "A"},
        {"hex escape makes a percent escape", "\\x2541", "A"},
        {"unescape runs once", "%5Cu4e2d", "\\u4e2d"},
        {"octal escapes", "\\101\\60\\7", "A0\a"},
        {"octal stops at three digits", "\\1018", "A8"},
        {"octal from 4 takes two digits", "\\477", "'7"},
        {"surrogate pair 936 lacks", "%uD83D%uDE00|", "?|"},
        {"lone surrogate", "%uD800|", "?|"},
        {"ends at a decoded zero", "ab%00cd", "ab"},
        {"ends at an octal zero", "ab\\0cd", "ab"},
        {"ends at a zero byte in the input", "ab\0\\u4e2d"s, "ab"},
    });
}

TEST(UnescapeUnicode, lineBreaksAndQuotesSurvive)
{
    expectAll(unescapeUnicode, {
        {"cr lf", "a\r\nb\r\n", "a\r\nb\r\n"},
        {"literal stand-in becomes cr lf", "a{$}b", "a\r\nb"},
        {"escaped stand-in too", "a%7B$}b", "a\r\nb"},
        {"apostrophe", "it's", "it's"},
        {"escaped apostrophe", "\\'", "'"},
        {"right single quotation mark", "\xA1\xAF", "'"},
        {"right single quotation mark escaped", "%u2019", "'"},
        {"leading lone cr dropped", "\rabc", "abc"},
        {"leading cr lf kept", "\r\nabc", "\r\nabc"},
        {"backslash before cr lf", "a\\\r\nb", "a\r\nb"},
    });
}

// These used to be script syntax errors that emptied the whole reply.
TEST(UnescapeUnicode, malformedLiteralKeepsTheReply)
{
    expectAll(unescapeUnicode, {
        {"lone line feed", "\\u4e2d\nOK", "\xD6\xD0\nOK"},
        {"reply ending in a newline", "OK\n", "OK\n"},
        {"lone cr further on", "a\rb", "a\rb"},
        {"final backslash", "OK\\", "OK\\"},
        {"backslash before a line feed", "a\\\nb", "a\nb"},
        {"short hex escape", "\\x4g", "x4g"},
        {"eight and nine", "\\8\\9", "89"},
        {"unknown escape", "\\q", "q"},
    });
}

// Converters and the transliterator keep per-thread state; callers run on the GUI thread and on
// web request threads at once.
TEST(Conversions, giveTheSameResultsOnSeveralThreadsAtOnce)
{
    std::array<bool, 4> allEqual{};
    std::array<std::thread, 4> threads;
    for (size_t t = 0; t < threads.size(); ++t) {
        threads[t] = std::thread([&allEqual, t] {
            bool equal = true;
            for (int i = 0; i < 200; ++i) {
                equal = equal && big5ToGbk("\xA4\xA4\xB5\xD8") == "\xD6\xD0\xBB\xAA"
                        && utf8ToAnsi(zhongwenUtf8) == zhongwen936
                        && percentDecode("%E4%B8%AD%E6%96%87") == zhongwen936
                        && unescapeUnicode("\\u4e2d\\u6587") == zhongwen936;
            }
            allEqual[t] = equal;
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    EXPECT_EQ(allEqual, (std::array<bool, 4>{true, true, true, true}));
}

} // namespace
} // namespace ftq
