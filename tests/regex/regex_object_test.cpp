#include "regex/regex_object.h"

#include "tests/regex/gbk_samples.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using namespace std::string_literals;

namespace ftq {
namespace {

struct Options
{
    bool caseSensitive = false;
    bool multiline = true;
    bool global = true;
};

struct ExpectedMatch
{
    std::string text;
    int position;
    std::vector<std::optional<std::string>> groups;
};

struct MatchCase
{
    const char *what;
    std::string pattern;
    std::string subject;
    Options options;
    std::vector<ExpectedMatch> matches;
};

void expectMatches(const MatchCase &c)
{
    SCOPED_TRACE(c.what);
    RegexObject regex;
    ASSERT_TRUE(regex.create(c.pattern, c.subject, c.options.caseSensitive, c.options.multiline,
                             c.options.global));
    ASSERT_EQ(regex.matchCount(), static_cast<int>(c.matches.size()));
    const int groupCount = c.matches.empty() ? 0 : static_cast<int>(c.matches[0].groups.size());
    EXPECT_EQ(regex.subMatchCount(), groupCount);
    for (int m = 1; m <= regex.matchCount(); ++m) {
        const ExpectedMatch &expected = c.matches[static_cast<size_t>(m - 1)];
        SCOPED_TRACE("match " + std::to_string(m));
        int position = -9;
        EXPECT_EQ(regex.matchText(m, &position), expected.text);
        EXPECT_EQ(position, expected.position);
        for (int g = 1; g <= groupCount; ++g)
            EXPECT_EQ(regex.subMatchText(m, g),
                      expected.groups[static_cast<size_t>(g - 1)].value_or(""))
                << "group " << g;
        EXPECT_EQ(regex.subMatchText(m, groupCount + 1), "");
    }
}

// Expectations checked against another ECMAScript engine (exec in a loop, stepping past empty
// matches); positions are byte offsets into the 936 subject.
TEST(RegexObject, followsEcmaScriptSemantics)
{
    const std::nullopt_t absent = std::nullopt;
    const Options notGlobal{false, true, false};
    const Options notMultiline{false, false, true};
    const MatchCase cases[] = {
        {"greedy", "<.+>", "<a><b>", {}, {{"<a><b>", 0, {}}}},
        {"lazy", "<.+?>", "<a><b>", {}, {{"<a>", 0, {}}, {"<b>", 3, {}}}},
        {"lazy plus, one at a time", "a+?", "aaa", {}, {{"a", 0, {}}, {"a", 1, {}}, {"a", 2, {}}}},
        {"lazy with bounds", "a{2,3}?", "aaaaa", {}, {{"aa", 0, {}}, {"aa", 2, {}}}},
        {"lookahead", "q(?=u)", "qi qu", {}, {{"q", 3, {}}}},
        {"negative lookahead", "q(?!u)\\w", "qu qi", {}, {{"qi", 3, {}}}},
        {"group inside a lookahead", "(?=(\\w+))a", "bab", {}, {{"a", 1, {"ab"}}}},
        {"back reference", "(\\w)\\1", "abccd", {}, {{"cc", 2, {"c"}}}},
        {"back reference to a group that took no part is empty",
         "(a)?b\\1",
         "b",
         {},
         {{"b", 0, {absent}}}},
        {"back reference before its group is empty",
         "\\2(a)(b)",
         "ab",
         {},
         {{"ab", 0, {"a", "b"}}}},
        {"captures reset on each iteration",
         "(z)((a+)?(b+)?(c))*",
         "zaacbbbcac",
         {},
         {{"zaacbbbcac", 0, {"z", "ac", "a", absent, "c"}}}},
        {"nested group of an earlier iteration is dropped",
         "((a)|b)+",
         "ab",
         {},
         {{"ab", 0, {"b", absent}}}},
        {"untaken alternative", "(a)|(b)", "b", {}, {{"b", 0, {absent, "b"}}}},
        {"[^] matches a line break", "a[^]b", "a\nb", {}, {{"a\nb", 0, {}}}},
        {"[] matches nothing", "a[]|b", "ab", {}, {{"b", 1, {}}}},
        {"dot stops at CR and LF only", "a.b", "a\nb a\rb a\tb", {}, {{"a\tb", 8, {}}}},
        {"\\u escape and dot on Chinese", "\\u4e2d(.)", ZHONG WEN, {}, {{ZHONG WEN, 0, {WEN}}}},
        {"\\s takes the ideographic space",
         "\\s+",
         "a" IDEO_SPACE " b",
         {},
         {{IDEO_SPACE " ", 1, {}}}},
        {"\\S stops at it", "\\S+", "a" IDEO_SPACE "b", {}, {{"a", 0, {}}, {"b", 3, {}}}},
        {"^ and $ at every line",
         "^\\w+$",
         "one\ntwo\r\nthree",
         {},
         {{"one", 0, {}}, {"two", 4, {}}, {"three", 9, {}}}},
        {"^ and $ at the ends only", "^\\w+$", "one\ntwo", notMultiline, {}},
        {"$ at the very end only", "\\w+$", "one\ntwo", notMultiline, {{"two", 4, {}}}},
        {"ASCII case ignored by default",
         "key",
         "KEY Key key",
         {},
         {{"KEY", 0, {}}, {"Key", 4, {}}, {"key", 8, {}}}},
        {"exact case", "key", "KEY Key key", {true, true, true}, {{"key", 8, {}}}},
        {"Latin-1 letters fold", "\\u00c9", E_ACUTE, {}, {{E_ACUTE, 0, {}}}},
        {"Greek letters fold",
         GREEK_alpha "+",
         GREEK_ALPHA GREEK_alpha,
         {},
         {{GREEK_ALPHA GREEK_alpha, 0, {}}}},
        {"Cyrillic range folds",
         "[" CYRILLIC_a "-" CYRILLIC_ya "]+",
         CYRILLIC_A CYRILLIC_be,
         {},
         {{CYRILLIC_A CYRILLIC_be, 0, {}}}},
        {"Chinese range", "[" YI "-" YU "]+", "ab" ZHONG WEN "cd", {}, {{ZHONG WEN, 2, {}}}},
        {"dot takes a whole Chinese character", "^.$", ZHONG, {}, {{ZHONG, 0, {}}}},
        {"global steps past empty matches",
         "a*",
         "baaa",
         {},
         {{"", 0, {}}, {"aaa", 1, {}}, {"", 4, {}}}},
        {"empty match at every place", "x*", "ab", {}, {{"", 0, {}}, {"", 1, {}}, {"", 2, {}}}},
        {"not global: the first match only", "\\d", "a1b2", notGlobal, {{"1", 1, {}}}},
        {"word boundary", "\\bab\\b", "ab cab ab", {}, {{"ab", 0, {}}, {"ab", 7, {}}}},
        {"hex and control escapes", "\\x41\\cJ", "A\n", {}, {{"A\n", 0, {}}}},
        {"no match at all", "z", "abc", {}, {}},
    };
    for (const MatchCase &c : cases)
        expectMatches(c);
}

TEST(RegexObject, replyPattern_cutsTheSixFields_inTheOrderTheQueryAsks)
{
    RegexObject regex;
    ASSERT_TRUE(regex.create(REPLY_PATTERN, REPLY));
    ASSERT_EQ(regex.matchCount(), 1);
    EXPECT_EQ(regex.subMatchCount(), 6);
    EXPECT_EQ(regex.subMatchText(1, 4), REPLY_MODEL);
    EXPECT_EQ(regex.subMatchText(1, 1), "F2LXK0ABHG7F");
    EXPECT_EQ(regex.subMatchText(1, 2), "2023-05-01 10:22:31");
    EXPECT_EQ(regex.subMatchText(1, 3), "2024-01-15 08:00:00");
    EXPECT_EQ(regex.subMatchText(1, 5), "+86 138 0013 8000");
    EXPECT_EQ(regex.subMatchText(1, 6), "97");
}

void expectEmpty(const RegexObject &regex)
{
    int position = 5;
    EXPECT_EQ(regex.getPattern(), "");
    EXPECT_EQ(regex.replace("x"), "");
    EXPECT_EQ(regex.matchCount(), 0);
    EXPECT_EQ(regex.subMatchCount(), 0);
    EXPECT_EQ(regex.matchText(1, &position), "");
    EXPECT_EQ(position, -1);
    EXPECT_EQ(regex.subMatchText(1, 1), "");
}

TEST(RegexObject, beforeCreate_everythingIsEmpty)
{
    RegexObject regex;
    expectEmpty(regex);
}

TEST(RegexObject, rejectedExpression_returnsFalse_andForgetsTheEarlierRun)
{
    const char *rejected[] = {"(abc", "a)", "[b", "a{2,1}", "*a", "(?<=a)b", "(a)\\2", "\\c1"};
    for (const char *pattern : rejected) {
        SCOPED_TRACE(pattern);
        RegexObject regex;
        ASSERT_TRUE(regex.create("(a)", "abc"));
        EXPECT_FALSE(regex.create(pattern, "abc"));
        expectEmpty(regex);
    }
}

TEST(RegexObject, noMatch_isTrue_withNothingToAsk)
{
    RegexObject regex;
    EXPECT_TRUE(regex.create("(x)(y)", "abc"));
    EXPECT_EQ(regex.getPattern(), "(x)(y)");
    EXPECT_EQ(regex.matchCount(), 0);
    EXPECT_EQ(regex.subMatchCount(), 0);
    for (int group = 1; group <= 6; ++group)
        EXPECT_EQ(regex.subMatchText(1, group), "");
    EXPECT_EQ(regex.replace("z"), "abc");
}

TEST(RegexObject, indexesOutOfRange_areEmpty)
{
    RegexObject regex;
    ASSERT_TRUE(regex.create("(a)(b)?", "a ab"));
    ASSERT_EQ(regex.matchCount(), 2);
    const int badMatches[] = {0, -1, 3, INT32_MIN, INT32_MAX};
    for (const int m : badMatches) {
        int position = 5;
        EXPECT_EQ(regex.matchText(m, &position), "") << m;
        EXPECT_EQ(position, -1);
        EXPECT_EQ(regex.subMatchText(m, 1, &position), "") << m;
        EXPECT_EQ(position, -1);
    }
    const int badGroups[] = {0, -1, 3, INT32_MIN, INT32_MAX};
    for (const int g : badGroups)
        EXPECT_EQ(regex.subMatchText(2, g), "") << g;
    int position = 5;
    EXPECT_EQ(regex.subMatchText(1, 2, &position), "") << "group that took no part";
    EXPECT_EQ(position, -1);
}

TEST(RegexObject, textsEndAtTheirFirstZeroByte)
{
    RegexObject regex;
    ASSERT_TRUE(regex.create("b\0c"s, "abc\0b"s));
    EXPECT_EQ(regex.getPattern(), "b");
    EXPECT_EQ(regex.matchCount(), 1);
    EXPECT_EQ(regex.replace("x\0y"s), "axc");
}

TEST(RegexObject, secondCreate_replacesTheFirst)
{
    RegexObject regex;
    ASSERT_TRUE(regex.create("(a)", "aaa"));
    ASSERT_TRUE(regex.create("(b)c", "bc xbc", true, true, false));
    EXPECT_EQ(regex.getPattern(), "(b)c");
    EXPECT_EQ(regex.matchCount(), 1);
    EXPECT_EQ(regex.subMatchText(1, 1), "b");
    EXPECT_EQ(regex.replace("-"), "- xbc");
}

TEST(RegexObject, destroy_returnsToTheNewState_andTheObjectStaysUsable)
{
    RegexObject regex;
    ASSERT_TRUE(regex.create("a", "a"));
    regex.destroy();
    expectEmpty(regex);
    ASSERT_TRUE(regex.create("b", "bb"));
    EXPECT_EQ(regex.matchCount(), 2);
}

TEST(RegexObject, copy_isIndependentOfItsOriginal)
{
    auto original = std::make_unique<RegexObject>();
    ASSERT_TRUE(original->create("(\\d)", "a1b2"));
    RegexObject copy = original->copy();
    original->destroy();
    EXPECT_EQ(original->matchCount(), 0);
    ASSERT_EQ(copy.matchCount(), 2);
    ASSERT_TRUE(original->create("x", "x"));
    original.reset();
    EXPECT_EQ(copy.getPattern(), "(\\d)");
    EXPECT_EQ(copy.subMatchText(2, 1), "2");
    EXPECT_EQ(copy.replace("<$1>"), "a<1>b<2>");
    ASSERT_TRUE(copy.create("b", "bbb"));
    EXPECT_EQ(copy.matchCount(), 3);
}

} // namespace
} // namespace ftq
