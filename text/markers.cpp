#include "text/markers.h"

#include <algorithm>

namespace ftq {
namespace {

std::string replaceQuotePlaceholder(std::string_view marker)
{
    static constexpr std::string_view placeholder = "#\xD2\xFD\xBA\xC5"; // "#引号"
    std::string out;
    out.reserve(marker.size());
    size_t i = 0;
    while (i < marker.size()) {
        if (marker.compare(i, placeholder.size(), placeholder) == 0) {
            out += '"';
            i += placeholder.size();
        } else if (static_cast<unsigned char>(marker[i]) >= 0x80 && i + 1 < marker.size()) {
            out.append(marker, i, 2);
            i += 2;
        } else {
            out += marker[i++];
        }
    }
    return out;
}

} // namespace

std::string textBetween(std::string_view text, std::string_view leftMarker,
                        std::string_view rightMarker, int startPosition, bool caseSensitive)
{
    const std::string left = replaceQuotePlaceholder(leftMarker);
    const std::string right = replaceQuotePlaceholder(rightMarker);
    const int p = findText(text, left, startPosition, !caseSensitive);
    if (p < 0)
        return {};
    const size_t restStart = std::min(text.size(), static_cast<size_t>(p - 1) + left.size());
    const std::string_view rest = text.substr(restStart);
    const int q = findText(rest, right, 1, !caseSensitive);
    if (q < 0)
        return {};
    return std::string(rest.substr(0, static_cast<size_t>(q - 1)));
}

std::string textBefore(std::string_view text, std::string_view marker, int startPosition,
                       bool ignoreCase)
{
    const int p = findText(text, marker, startPosition, ignoreCase);
    if (p < 0)
        return {};
    return std::string(text.substr(0, static_cast<size_t>(p - 1)));
}

} // namespace ftq
