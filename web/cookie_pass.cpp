#include "web/cookie_pass.h"

#include "text/markers.h"

namespace ftq {

namespace {

constexpr std::string_view setCookie = "Set-Cookie: ";

} // namespace

CookiePass cookiePass(std::string_view headerBlock)
{
    CookiePass pass;
    while (!headerBlock.empty()) {
        const size_t end = headerBlock.find('\n');
        std::string_view line = headerBlock.substr(0, end);
        headerBlock.remove_prefix(end == std::string_view::npos ? headerBlock.size() : end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (findText(line, setCookie, 1, true) < 1)
            continue;

        const std::string_view cookie = line.substr(setCookie.size());
        pass.received += textBefore(cookie, ";");
        pass.received += ';';

        const size_t equals = cookie.find('=');
        if (equals == std::string_view::npos)
            pass.cookies.push_back({{}, std::string(cookie)});
        else
            pass.cookies.push_back(
                {std::string(cookie.substr(0, equals)), std::string(cookie.substr(equals + 1))});
    }
    return pass;
}

} // namespace ftq
