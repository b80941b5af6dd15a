// The cookie pass over any reply header block.
#include "web/cookie_pass.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view block(reinterpret_cast<const char *>(data), size);
    const ftq::CookiePass pass = ftq::cookiePass(block);
    for (const ftq::ReceivedCookie &cookie : pass.cookies) {
        if (cookie.name.size() + cookie.data.size() > size)
            __builtin_trap();
    }
    return 0;
}
