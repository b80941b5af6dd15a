#pragma once

#include <optional>
#include <string>
#include <string_view>

// The one blocking routine through which every web exchange of the program goes.
namespace ftq {

// Optional parameters: a field left empty is "not given". A given limit of 0 seconds is 0, not
// the default; an out-text is written only when given, and only after a finished exchange.
struct WebRequestOptions
{
    std::optional<int> method;                 // 1 = POST, anything else GET
    std::optional<std::string> proxy;          // plain HTTP only; empty = direct
    std::optional<std::string> requestHeaders; // extra lines, each ending in "\r\n"
    std::optional<std::string> body;           // sent with POST
    std::optional<std::string> requestCookies; // sent as "Cookie: "; replaces the cookie store
    std::optional<int> timeoutSeconds;         // 60 when not given
    std::string *replyHeaders = nullptr;       // receives the raw reply header block
    std::optional<int> conversion;             // 1 = utf8ToAnsi, 2 = big5ToGbk, else as received
    std::string *replyCookies = nullptr;       // receives "name=value;" per cookie set
    std::optional<bool> allowRedirect;         // true when not given
};

// What a call that ran out of time returns in place of the reply (code page 936).
inline constexpr std::string_view timeoutMessage =
    "\xB3\xAC\xCA\xB1\xB7\xB5\xBB\xD8\xA3\xAC\xD6\xB8\xB6\xA8\xCD\xF8\xD5\xBE\xB2\xBB\xC4\xDC"
    "\xB7\xC3\xCE\xCA\xA3\xAC\xBB\xF2\xD5\xDF\xC4\xE3\xB5\xC4\xCD\xF8\xC2\xE7\xB3\xF6\xCF\xD6"
    "\xCE\xCA\xCC\xE2\xA3\xAC\xC4\xE3\xBF\xC9\xD2\xD4\xB0\xD1\xB2\xCE\xCA\xFD\xD6\xD0\xB5\xC4"
    "\xA3\xA2\xB3\xAC\xCA\xB1\xB7\xB5\xBB\xD8\xA3\xA2\xB5\xC4\xD6\xB5\xC9\xE8\xD6\xC3\xB3\xA4"
    "\xD2\xBB\xD0\xA9\xA1\xA3";

// Fetches `url` (normalised in place: "http://" put in front when it has no scheme) on a worker
// thread and waits for it, processing the calling thread's events meanwhile, until the reply is
// in or the limit has passed. An address of blanks only returns an empty reply and sends nothing;
// a failed exchange returns an empty reply.
std::string webRequest(std::string &url, const WebRequestOptions &options = {});

} // namespace ftq
