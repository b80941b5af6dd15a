#pragma once

#include <optional>
#include <string>
#include <string_view>

// Bringing the service's replies into code page 936. Each takes a text and returns a new one;
// nothing is reported, a character that cannot be carried over is written as "?".
namespace ftq {

std::string utf8ToAnsi(std::string_view text);
std::string big5ToGbk(std::string_view text);
std::string percentDecode(std::string_view text);
std::string unescapeUnicode(std::string_view text);

// `text` in `codePage` (UTF-8 when not given) to UTF-16LE code units followed by one zero unit.
std::string multiByteToWide(std::string_view text, std::optional<int> codePage = std::nullopt);
// UTF-16LE code units (up to a zero unit) to a text in `codePage` (936 when not given).
std::string wideToMultiByte(std::string_view wide, std::optional<int> codePage = std::nullopt);

} // namespace ftq
