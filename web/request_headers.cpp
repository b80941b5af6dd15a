#include "web/request_headers.h"

#include "text/markers.h"
#include "web/request_url.h"

namespace ftq {

namespace {

bool containsNoCase(std::string_view text, std::string_view what)
{
    return findText(text, what, 1, true) > 0;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() &&
           findText(text.substr(0, prefix.size()), prefix, 1, true) == 1;
}

// What curl takes for a header without a value: nothing but ASCII white space after the colon.
// A full-width blank is a value like any other and goes out as given.
bool hasNoValue(std::string_view afterColon)
{
    return afterColon.find_first_not_of(" \t\n\v\f\r") == std::string_view::npos;
}

} // namespace

std::string userAgentOf(std::string_view headers)
{
    if (!containsNoCase(headers, "User-Agent:"))
        return std::string(defaultUserAgent);
    return std::string(trimBlanks(textBetween(headers, "User-Agent:", "\r\n")));
}

std::string buildRequestHeaders(std::string_view url, std::string_view method,
                                std::string_view headers, size_t bodySize,
                                std::string_view cookieText)
{
    std::string built(headers);
    if (!containsNoCase(built, "Accept")) {
        built += "Accept: image/gif, image/bmp, image/x-xbitmap, image/jpeg, image/pjpeg, "
                 "application/x-shockwave-flash, application/vnd.ms-excel, "
                 "application/vnd.ms-powerpoint, application/msword, */*\r\n";
    }
    if (containsNoCase(built, "RefererNo")) {
        const size_t marker = built.find("RefererNo");
        if (marker != std::string::npos)
            built.erase(marker, std::string_view("RefererNo").size());
    } else if (!containsNoCase(built, "Referer")) {
        built += "Referer: ";
        built += url;
        built += "\r\n";
    }
    if (!containsNoCase(built, "Accept-Language"))
        built += "Accept-Language: zh-cn\r\n";

    const bool sendsCookies = !cookieText.empty() && (method == "GET" || method == "POST");
    if (method == "POST" && bodySize > 0) {
        if (!containsNoCase(built, "Content-Type"))
            built += "Content-Type: application/x-www-form-urlencoded\r\n";
        if (!containsNoCase(built, "Content-Length"))
            built += "Content-Length: " + std::to_string(bodySize) + "\r\n";
    }
    if (sendsCookies) {
        built += "Cookie: ";
        built += cookieText;
        built += "\r\n\r\n";
    }
    return built;
}

std::vector<std::string> curlHeaderLines(std::string_view builtHeaders)
{
    std::vector<std::string> lines;
    bool hasAccept = false;
    bool hasContentType = false;
    while (!builtHeaders.empty()) {
        const size_t end = builtHeaders.find("\r\n");
        std::string_view line = builtHeaders.substr(0, end);
        builtHeaders.remove_prefix(end == std::string_view::npos ? builtHeaders.size() : end + 2);
        if (line.empty())
            continue;
        hasAccept = hasAccept || startsWithNoCase(line, "Accept:");
        hasContentType = hasContentType || startsWithNoCase(line, "Content-Type:");

        const size_t colon = line.find(':');
        if (colon != std::string_view::npos && hasNoValue(line.substr(colon + 1))) {
            // curl takes "Name:" as "drop this header"; "Name;" sends it with no value.
            lines.push_back(std::string(line.substr(0, colon)) + ";");
        } else {
            lines.emplace_back(line);
        }
    }
    if (!hasAccept)
        lines.emplace_back("Accept:");
    if (!hasContentType)
        lines.emplace_back("Content-Type:");
    lines.emplace_back("Expect:");
    return lines;
}

} // namespace ftq
