#include "regex/cesu8.h"

namespace ftq::regex {

std::string toCesu8(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size() * 3);
    for (const char16_t unit : text) {
        if (unit < 0x80) {
            out += static_cast<char>(unit);
        } else if (unit < 0x800) {
            out += static_cast<char>(0xC0 | (unit >> 6));
            out += static_cast<char>(0x80 | (unit & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (unit >> 12));
            out += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (unit & 0x3F));
        }
    }
    return out;
}

namespace {

bool isTrail(std::string_view bytes, size_t at)
{
    return at < bytes.size() && (static_cast<unsigned char>(bytes[at]) & 0xC0) == 0x80;
}

unsigned trailBits(std::string_view bytes, size_t at)
{
    return static_cast<unsigned char>(bytes[at]) & 0x3F;
}

} // namespace

std::u16string fromCesu8(std::string_view bytes)
{
    std::u16string out;
    out.reserve(bytes.size());
    size_t i = 0;
    while (i < bytes.size()) {
        const unsigned lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            out += static_cast<char16_t>(lead);
            i += 1;
        } else if ((lead & 0xE0) == 0xC0 && isTrail(bytes, i + 1)) {
            out += static_cast<char16_t>(((lead & 0x1F) << 6) | trailBits(bytes, i + 1));
            i += 2;
        } else if ((lead & 0xF0) == 0xE0 && isTrail(bytes, i + 1) && isTrail(bytes, i + 2)) {
            out += static_cast<char16_t>(((lead & 0x0F) << 12) | (trailBits(bytes, i + 1) << 6) |
                                         trailBits(bytes, i + 2));
            i += 3;
        } else if ((lead & 0xF8) == 0xF0 && isTrail(bytes, i + 1) && isTrail(bytes, i + 2) &&
                   isTrail(bytes, i + 3)) {
            const unsigned cp = ((lead & 0x07) << 18) | (trailBits(bytes, i + 1) << 12) |
                                (trailBits(bytes, i + 2) << 6) | trailBits(bytes, i + 3);
            if (cp >= 0x10000 && cp <= 0x10FFFF) {
                out += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
                out += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
            } else {
                out += u'\uFFFD';
            }
            i += 4;
        } else {
            out += u'\uFFFD';
            i += 1;
        }
    }
    return out;
}

} // namespace ftq::regex
