#pragma once

#include <string>
#include <string_view>

// How a caller's address becomes the one that is fetched.
namespace ftq {

// `text` without blanks at either end: the ASCII space and the full-width space of code page 936.
std::string_view trimBlanks(std::string_view text);

// "http://" put in front unless the address begins with exactly "http://" or "https://"; the
// comparison is case-sensitive and blanks are kept.
std::string normaliseUrl(std::string_view url);

} // namespace ftq
