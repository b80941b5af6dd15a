#pragma once

#include <string_view>

// The search rule read word for word, one candidate at a time: the yardstick for the fast search
// in the property test and the fuzz targets.
namespace ftq::reference {

inline int findText(std::string_view haystack, std::string_view needle, int start, bool ignoreCase)
{
    const auto fold = [ignoreCase](char c) {
        return ignoreCase && c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    size_t at = start < 1 ? 0 : static_cast<size_t>(start) - 1;
    if (at >= haystack.size())
        return -1;
    if (needle.empty())
        return 1;
    while (at < haystack.size() && haystack.size() - at >= needle.size()) {
        size_t i = 0;
        while (i < needle.size() && fold(haystack[at + i]) == fold(needle[i]))
            ++i;
        if (i == needle.size())
            return static_cast<int>(at + 1);
        at += static_cast<unsigned char>(haystack[at]) >= 0x80 ? 2 : 1;
    }
    return -1;
}

} // namespace ftq::reference
