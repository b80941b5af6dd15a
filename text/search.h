#pragma once

#include <string_view>

namespace ftq {

// The search both marker cutters use: the 1-based position of `needle` in `haystack` at or after
// `start` (below 1 counts as 1), or -1. Character boundaries are counted from `start`: a byte
// >= 0x80 takes the byte after it along, and no match begins on such a second byte. An empty
// needle is found at position 1 whenever anything is left to search. `ignoreCase` folds A-Z only.
int findText(std::string_view haystack, std::string_view needle, int start, bool ignoreCase);

} // namespace ftq
