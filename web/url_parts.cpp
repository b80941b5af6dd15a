#include "web/url_parts.h"

#include "text/markers.h"

#include <climits>

namespace ftq {

namespace {

void removeEvery(std::string &text, std::string_view what)
{
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at))
        text.erase(at, what.size());
}

void cutAtFirst(std::string &text, char mark)
{
    const size_t at = text.find(mark);
    if (at != std::string::npos)
        text.resize(at);
}

void toLowerAscii(std::string &text)
{
    for (char &c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
}

bool startsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i])
            return false;
    }
    return true;
}

} // namespace

std::string hostOf(std::string_view url)
{
    std::string host(url);
    removeEvery(host, "https://");
    removeEvery(host, "http://");
    cutAtFirst(host, '/');
    cutAtFirst(host, ':');
    toLowerAscii(host);
    return host;
}

std::string pathOf(std::string_view url)
{
    const int hostAt = findText(url, hostOf(url), 1, true);
    const int slashAt = hostAt > 0 ? findText(url, "/", hostAt, false) : -1;
    return slashAt > 0 ? std::string(url.substr(static_cast<size_t>(slashAt - 1)))
                       : std::string("/");
}

int portOf(std::string_view url)
{
    std::string_view authority;
    if (startsWithNoCase(url, "http://")) {
        const size_t slash = url.find('/', 7);
        authority = slash == std::string_view::npos ? url.substr(7) : url.substr(7, slash - 7);
    } else {
        authority = url.substr(0, url.find('/'));
    }
    const size_t colon = authority.find(':');
    const std::string_view portText =
        colon == std::string_view::npos ? "80" : authority.substr(colon + 1);

    long long port = 0;
    for (const char c : portText) {
        if (c < '0' || c > '9')
            break;
        port = port * 10 + (c - '0');
        if (port > INT_MAX)
            return INT_MAX; // no real port: curl is never asked for it
    }
    return static_cast<int>(port);
}

bool isSecureUrl(std::string_view url)
{
    return startsWithNoCase(url, "https://");
}

} // namespace ftq
