#pragma once

#include <string>
#include <string_view>
#include <vector>

// The request headers as the exchange sends them: the caller's lines with the defaults added in a
// fixed order. Texts are code page 936; every header line ends in "\r\n".
namespace ftq {

inline constexpr std::string_view defaultUserAgent =
    "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1; SV1; .NET CLR 2.0.50727; "
    ".NET CLR 3.0.04506.648; .NET CLR 3.5.21022)";

// The value of the caller's "User-Agent:" line, trimmed, or the default agent when there is none.
std::string userAgentOf(std::string_view headers);

// The caller's `headers` followed by the default Accept, Referer (or the "RefererNo" marker taken
// out) and Accept-Language lines, and then by method: for a "POST" with a body Content-Type and
// Content-Length, and for "GET" and "POST" the Cookie line when `cookieText` is not empty.
std::string buildRequestHeaders(std::string_view url, std::string_view method,
                                std::string_view headers, size_t bodySize,
                                std::string_view cookieText);

// The built headers as curl's header list: one entry a line, empty lines dropped, and curl's own
// defaults that the built headers do not give (Accept, Content-Type, Expect) switched off.
std::vector<std::string> curlHeaderLines(std::string_view builtHeaders);

} // namespace ftq
