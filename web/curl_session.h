#pragma once

#include <curl/curl.h>

#include <string_view>

// What all exchanges of the process share, as a long-lived browser would: the cookie store, the
// DNS cache and TLS sessions (one curl share, locked per kind of data), and idle easy handles that
// keep their connections open for the next request.
namespace ftq {

// Whether the handle sends and records cookies from the shared store on its own. A handle keeps
// that for good, so the two kinds are pooled apart.
enum class CookieUse { Automatic, Suppressed };

// An idle handle with its live connections, or a new one (`fresh`), attached to the share; nullptr
// when curl cannot make one. A handle is not reset between requests (curl's reset loses the
// cookie option's list), so each request sets every option it relies on.
CURL *takeHandle(CookieUse use, bool &fresh);
// Back into the pool; handles beyond the pool's size are closed.
void returnHandle(CURL *handle, CookieUse use);

// Puts a cookie that a reply set into the shared store, for every path of `host`.
void storeCookie(std::string_view host, std::string_view name, std::string_view data);

} // namespace ftq
