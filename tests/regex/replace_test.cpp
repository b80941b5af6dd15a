#include "regex/regex_object.h"

#include "tests/regex/gbk_samples.h"

#include <gtest/gtest.h>

#include <string>

namespace ftq {
namespace {

struct ReplaceCase
{
    const char *what;
    std::string pattern;
    std::string subject;
    std::string replacement;
    bool global;
    std::string expected;
};

// Expectations checked against String.prototype.replace of another ECMAScript engine.
TEST(RegexReplace, followsEcmaScriptReplacementSyntax)
{
    const ReplaceCase cases[] = {
        {"every match when global", "(\\d)", "a1b2", "<$1>", true, "a<1>b<2>"},
        {"the first match only when not global", "(\\d)", "a1b2", "<$1>", false, "a<1>b2"},
        {"match, before and after", "b", "abc", "[$&|$`|$']", true, "a[b|a|c]c"},
        {"dollar escape", "b", "abc", "$$", true, "a$c"},
        {"$10 with one group is $1 then 0", "(b)", "abc", "$10", true, "ab0c"},
        {"$01 is group 1", "(b)", "abc", "$01", true, "abc"},
        {"$0 stays", "(b)", "abc", "$0", true, "a$0c"},
        {"group beyond the pattern's stays", "(b)", "abc", "$2", true, "a$2c"},
        {"lone dollar", "(b)", "abc", "x$", true, "ax$c"},
        {"no named groups", "(b)", "abc", "$<n>", true, "a$<n>c"},
        {"group that took no part is empty", "(a)|(b)", "ab", "[$2]", true, "[][b]"},
        {"two-digit groups", "(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)", "abcdefghijk", "$11$10$1", false,
         "kja"},
        {"empty matches", "x*", "ab", "-", true, "-a-b-"},
        {"no match leaves the subject", "z", "abc", "-", true, "abc"},
        {"Chinese around the match", WEN, ZHONG WEN ZHONG, "$`$'", true, ZHONG ZHONG ZHONG ZHONG},
        {"case ignored", "KEY", "key Key", "k", true, "k k"},
    };
    for (const ReplaceCase &c : cases) {
        RegexObject regex;
        ASSERT_TRUE(regex.create(c.pattern, c.subject, false, true, c.global)) << c.what;
        EXPECT_EQ(regex.replace(c.replacement), c.expected) << c.what;
    }
}

} // namespace
} // namespace ftq
