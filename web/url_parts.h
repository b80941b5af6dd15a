#pragma once

#include <string>
#include <string_view>

// The parts of a request address that the exchange needs for itself (curl parses the address it
// fetches on its own). Addresses are code page 936 texts that begin with "http://" or "https://".
namespace ftq {

// The host in lower case, without scheme, path and port.
std::string hostOf(std::string_view url);
// From the first "/" after the host to the end (query included), or "/" when there is none.
std::string pathOf(std::string_view url);
// The port written after the host of a plain address, 80 when none is written, 0 when the text
// after ":" does not begin with a digit.
int portOf(std::string_view url);

// Whether the address asks for TLS: its scheme alone decides, never an "https://" further on.
bool isSecureUrl(std::string_view url);

} // namespace ftq
