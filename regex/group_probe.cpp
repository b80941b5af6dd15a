#include "regex/group_probe.h"

#include <vector>

namespace ftq::regex {
namespace {

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

std::u16string groupProbePattern(std::u16string_view pattern)
{
    std::u16string out;
    out.reserve(pattern.size() * 2);
    std::vector<bool> openCapturing; // one entry per "(" not yet closed
    bool inClass = false;
    size_t i = 0;
    while (i < pattern.size()) {
        const char16_t c = pattern[i];
        if (c == u'\\') {
            // Duktape reads every digit after the backslash, and only accepts a number that names
            // an existing group; \0 is the NUL character and stays.
            if (!inClass && i + 1 < pattern.size() && isDigit(pattern[i + 1]) &&
                pattern[i + 1] != u'0') {
                size_t end = i + 1;
                unsigned long group = 0;
                while (end < pattern.size() && isDigit(pattern[end])) {
                    group = group * 10 + static_cast<unsigned long>(pattern[end] - u'0');
                    if (group > 100000) // far beyond any pattern Duktape compiles
                        group = 100000;
                    ++end;
                }
                out += u'\\';
                for (const char digit : std::to_string(2 * group - 1))
                    out += static_cast<char16_t>(digit);
                i = end;
                continue;
            }
            out += pattern.substr(i, 2);
            i += 2;
            continue;
        }
        if (!inClass && c == u')' && !openCapturing.empty()) {
            if (openCapturing.back())
                out += u')';
            openCapturing.pop_back();
        }
        out += c;
        ++i;
        if (inClass) {
            inClass = c != u']'; // in ECMAScript the first ] closes, so [] and [^] are whole
        } else if (c == u'[') {
            inClass = true;
        } else if (c == u'(') {
            const bool capturing = i >= pattern.size() || pattern[i] != u'?';
            openCapturing.push_back(capturing);
            // The body goes into (?:...) so that the lookahead runs whichever alternative of
            // the group matches.
            if (capturing)
                out += u"(?=([\\s\\S]*))(?:";
        }
    }
    return out;
}

} // namespace ftq::regex
