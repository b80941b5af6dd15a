#pragma once

#include "regex/engine.h"

#include <string>
#include <string_view>
#include <vector>

namespace ftq::regex {

// `subject` with each of `matches` replaced by `replacement` in ECMAScript's replacement syntax:
// $$, $&, $`, $', and $1..$99 (two digits when that group exists, else one; a group that took no
// part gives nothing; anything else after $ stays as written).
std::u16string replaceMatches(std::u16string_view subject, const std::vector<Match> &matches,
                              std::u16string_view replacement);

} // namespace ftq::regex
