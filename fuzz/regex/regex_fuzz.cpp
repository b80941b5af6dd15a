#include "regex/regex_object.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace std::chrono_literals;

namespace {

// Every position handed out lies inside the subject, or is -1 for "nothing there".
void checkPosition(int position, std::string_view subject)
{
    if (position < -1 || position > static_cast<int>(subject.size()))
        std::abort();
}

} // namespace

// Input: one byte of options, then the pattern, a NUL, the subject, a NUL, the replacement.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const unsigned options = data[0];
    std::string_view rest(reinterpret_cast<const char *>(data + 1), size - 1);
    const std::string_view pattern = rest.substr(0, rest.find('\0'));
    rest.remove_prefix(std::min(rest.size(), pattern.size() + 1));
    const std::string_view subject = rest.substr(0, rest.find('\0'));
    rest.remove_prefix(std::min(rest.size(), subject.size() + 1));
    const std::string_view replacement = rest;

    // A short bound keeps runaway patterns from stalling the run; their workers end on their own.
    ftq::RegexObject regex(200ms);
    if (!regex.create(pattern, subject, options & 1, options & 2, options & 4)) {
        if (regex.matchCount() != 0 || !regex.getPattern().empty() || !regex.replace("x").empty())
            std::abort();
        return 0;
    }
    if (regex.getPattern() != pattern)
        std::abort();
    (void)regex.replace(replacement);
    const int matches = regex.matchCount();
    if (!(options & 4) && matches > 1)
        std::abort();
    const int groups = regex.subMatchCount();
    for (int m = 0; m <= std::min(matches, 3) + 1; ++m) {
        int position = 0;
        (void)regex.matchText(m, &position);
        checkPosition(position, subject);
        for (int g = 0; g <= std::min(groups, 3) + 1; ++g) {
            (void)regex.subMatchText(m, g, &position);
            checkPosition(position, subject);
        }
    }
    ftq::RegexObject copy = regex.copy();
    regex.destroy();
    if (copy.matchCount() != matches)
        std::abort();
    return 0;
}
