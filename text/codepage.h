#pragma once

#include <string>
#include <string_view>

// The code pages the program meets, converted through ICU.
namespace ftq {

namespace codepage {
inline constexpr int utf8 = 65001;
inline constexpr int gbk = 936;  // every text inside the program
inline constexpr int big5 = 950;
} // namespace codepage

// Whether the code page is one of the above and its converter can be opened.
bool isSupportedCodePage(int codePage);

// Decodes bytes of `codePage` to UTF-16; malformed input becomes U+FFFD. Unknown code page: empty.
std::u16string toUtf16(std::string_view bytes, int codePage);

// Encodes UTF-16 into `codePage`; a character the code page lacks becomes "?".
std::string fromUtf16(std::u16string_view text, int codePage);

} // namespace ftq
