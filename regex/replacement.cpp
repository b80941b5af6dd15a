#include "regex/replacement.h"

namespace ftq::regex {
namespace {

int digitAt(std::u16string_view text, size_t at)
{
    if (at >= text.size() || text[at] < u'0' || text[at] > u'9')
        return -1;
    return text[at] - u'0';
}

void appendGroup(std::u16string &out, const Match &match, int group)
{
    if (const auto &text = match.groups[static_cast<size_t>(group - 1)])
        out += *text;
}

void appendSubstitution(std::u16string &out, std::u16string_view subject, const Match &match,
                        std::u16string_view replacement)
{
    const auto start = static_cast<size_t>(match.start);
    const auto end = start + static_cast<size_t>(match.length);
    const int groups = static_cast<int>(match.groups.size());
    size_t i = 0;
    while (i < replacement.size()) {
        const char16_t c = replacement[i];
        const char16_t next = i + 1 < replacement.size() ? replacement[i + 1] : u'\0';
        if (c != u'$' || i + 1 >= replacement.size()) {
            out += c;
            ++i;
        } else if (next == u'$') {
            out += u'$';
            i += 2;
        } else if (next == u'&') {
            out += subject.substr(start, end - start);
            i += 2;
        } else if (next == u'`') {
            out += subject.substr(0, start);
            i += 2;
        } else if (next == u'\'') {
            out += subject.substr(end);
            i += 2;
        } else {
            const int first = digitAt(replacement, i + 1);
            const int second = digitAt(replacement, i + 2);
            const int both = second >= 0 ? first * 10 + second : -1;
            if (both >= 1 && both <= groups) {
                appendGroup(out, match, both);
                i += 3;
            } else if (first >= 1 && first <= groups) {
                appendGroup(out, match, first);
                i += 2;
            } else {
                out += c;
                ++i;
            }
        }
    }
}

} // namespace

std::u16string replaceMatches(std::u16string_view subject, const std::vector<Match> &matches,
                              std::u16string_view replacement)
{
    std::u16string out;
    size_t done = 0;
    for (const Match &match : matches) {
        const auto start = static_cast<size_t>(match.start);
        out += subject.substr(done, start - done);
        appendSubstitution(out, subject, match, replacement);
        done = start + static_cast<size_t>(match.length);
    }
    out += subject.substr(done);
    return out;
}

} // namespace ftq::regex
