#pragma once

#include <string>
#include <string_view>

// Duktape keeps strings as CESU-8: every UTF-16 unit, surrogates included, as its own one- to
// three-byte sequence. Handing it text in that form makes its string indexes UTF-16 indexes and
// lets lone surrogates through unchanged.
namespace ftq::regex {

std::string toCesu8(std::u16string_view text);

// The inverse of toCesu8; a four-byte sequence becomes a surrogate pair and a byte that starts
// no sequence becomes U+FFFD.
std::u16string fromCesu8(std::string_view bytes);

} // namespace ftq::regex
