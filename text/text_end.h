#pragma once

#include <string_view>

// A text holds no zero byte: taken as a text, bytes end at their first zero.
namespace ftq {

inline std::string_view upToZero(std::string_view bytes)
{
    return bytes.substr(0, bytes.find('\0'));
}

inline std::u16string_view upToZero(std::u16string_view units)
{
    return units.substr(0, units.find(u'\0'));
}

} // namespace ftq
