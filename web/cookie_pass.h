#pragma once

#include <string>
#include <string_view>
#include <vector>

// What the cookies of a reply header block come to: the text handed back to the caller and the
// cookies for the shared store.
namespace ftq {

struct ReceivedCookie
{
    std::string name; // before the first "=" (empty when there is none)
    std::string data; // after it: the value with its attributes
};

struct CookiePass
{
    std::string received; // for each cookie the part before its first ";", then ";"
    std::vector<ReceivedCookie> cookies;
};

// Every line (ending at a line feed; a carriage return before it dropped) that contains
// "Set-Cookie: " in any letter case, with the line's first 12 bytes taken as that prefix.
CookiePass cookiePass(std::string_view headerBlock);

} // namespace ftq
