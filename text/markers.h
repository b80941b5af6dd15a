#pragma once

#include "text/search.h"

#include <string>
#include <string_view>

// Cutting fields out of loosely structured code page 936 text by the texts around them.
//
// Positions are byte positions from 1; -1 means "not found". A byte >= 0x80 starts a two-byte
// character and no match starts on its second byte. Ignoring case folds ASCII letters only.
namespace ftq {

// What stands between the first `leftMarker` at or after `startPosition` and the first
// `rightMarker` after it. In both markers "#引号" stands for a double quote.
std::string textBetween(std::string_view text, std::string_view leftMarker,
                        std::string_view rightMarker, int startPosition = 1,
                        bool caseSensitive = false);

// What stands before the first `marker` at or after `startPosition`.
std::string textBefore(std::string_view text, std::string_view marker, int startPosition = 1,
                       bool ignoreCase = false);

} // namespace ftq
