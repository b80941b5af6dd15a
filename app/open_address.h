#pragma once

#include <functional>
#include <string>
#include <string_view>

// Hands a web address to the user's browser; the outcome is not looked at.
namespace ftq {

void openAddress(std::string_view address);

// Receives addresses in place of the browser; empty: the browser again.
void setAddressOpener(std::function<void(const std::string &)> opener);

} // namespace ftq
