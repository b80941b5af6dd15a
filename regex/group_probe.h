#pragma once

#include <string>
#include <string_view>

// Where capturing groups start. exec() tells only a group's text, so the pattern is rewritten
// to tell more: right after each capturing "(" a lookahead captures the rest of the subject,
// whose length gives the place the group began, and the group's alternatives follow it inside
// "(?:...)". Lookaheads are atomic and always succeed here,
// so the rewritten pattern finds the same matches with the same groups.
namespace ftq::regex {

// The rewritten pattern: group k of `pattern` becomes group 2k-1, and group 2k holds the rest
// of the subject from the place group k started. Back references are renumbered.
std::u16string groupProbePattern(std::u16string_view pattern);

} // namespace ftq::regex
