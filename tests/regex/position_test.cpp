#include "regex/regex_object.h"

#include "tests/regex/gbk_samples.h"

#include <gtest/gtest.h>

#include <string>

namespace ftq {
namespace {

struct PositionCase
{
    const char *what;
    std::string pattern;
    std::string subject;
    int matchIndex;
    int groupIndex; // 0: the whole match
    std::string text;
    int position;
};

// Positions are exact byte offsets into the 936 subject, whatever the characters before; group
// offsets checked against another engine's match indices.
TEST(RegexPosition, isTheByteOffsetOfTheMatchOrGroup)
{
    const PositionCase cases[] = {
        {"after two-byte characters", "b", ZHONG WEN "b", 1, 0, "b", 4},
        {"Chinese match after ASCII", WEN, "ab" ZHONG WEN, 1, 0, WEN, 4},
        {"second match", ZHONG, ZHONG "x" ZHONG, 2, 0, ZHONG, 3},
        {"the euro sign is one byte", "x", "\x80x", 1, 0, "x", 1},
        {"a byte that starts nothing", "x", "\xFFx", 1, 0, "x", 1},
        {"a lead byte with a bad trail byte", "x", "\x81\x20x", 1, 0, "x", 2},
        {"a lead byte at the end is one unknown character", "\\ufffd", "1\x81", 1, 0, "?", 1},
        {"group after Chinese", "(\\d+)", ZHONG "12", 1, 1, "12", 2},
        {"group where its text also comes earlier", "a+(a)", "aaa", 1, 1, "a", 2},
        {"group of a later match", "(\\w)" ZHONG, "a" ZHONG "b" ZHONG, 2, 1, "b", 3},
        {"group inside a lookahead, beyond the match", "a(?=" ZHONG "(b))", "a" ZHONG "b", 1, 1,
         "b", 3},
        {"last iteration of a quantified group", "(?:(\\w)" ZHONG ")+", "a" ZHONG "b" ZHONG, 1, 1,
         "b", 3},
        {"group after a back reference", "(a)\\1(b)", "xaab", 1, 2, "b", 3},
        {"group taken through its second alternative", "(\\d|" ZHONG "(\\w))", "x" ZHONG "b", 1, 1,
         ZHONG "b", 1},
        {"quantified group, last iteration by another alternative", "(a|(b))+", "xab", 1, 1, "b",
         2},
        {"escaped and class parentheses open no group", "\\((\\w)[(](\\w)", "x(a(b", 1, 2, "b", 4},
        {"a class that closes at once", "[](c)|[^](b)", "xb", 1, 2, "b", 1},
        {"two-digit back reference", "(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)\\11(l)", "abcdefghijkkl", 1,
         12, "l", 12},
        {"group of a reply", REPLY_PATTERN, REPLY, 1, 4, REPLY_MODEL, 139},
        {"last group of a reply", REPLY_PATTERN, REPLY, 1, 6, "97", 218},
    };
    for (const PositionCase &c : cases) {
        SCOPED_TRACE(c.what);
        RegexObject regex;
        ASSERT_TRUE(regex.create(c.pattern, c.subject));
        int position = -9;
        const std::string text = c.groupIndex == 0
                                     ? regex.matchText(c.matchIndex, &position)
                                     : regex.subMatchText(c.matchIndex, c.groupIndex, &position);
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(position, c.position);
    }
}

} // namespace
} // namespace ftq
