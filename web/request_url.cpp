#include "web/request_url.h"

namespace ftq {

namespace {

constexpr std::string_view asciiBlank = " ";
constexpr std::string_view wideBlank = "\xA1\xA1";

} // namespace

std::string_view trimBlanks(std::string_view text)
{
    for (;;) {
        if (text.starts_with(asciiBlank))
            text.remove_prefix(asciiBlank.size());
        else if (text.starts_with(wideBlank))
            text.remove_prefix(wideBlank.size());
        else
            break;
    }
    for (;;) {
        if (text.ends_with(asciiBlank))
            text.remove_suffix(asciiBlank.size());
        else if (text.ends_with(wideBlank))
            text.remove_suffix(wideBlank.size());
        else
            break;
    }
    return text;
}

std::string normaliseUrl(std::string_view url)
{
    if (url.starts_with("http://") || url.starts_with("https://"))
        return std::string(url);
    return "http://" + std::string(url);
}

} // namespace ftq
