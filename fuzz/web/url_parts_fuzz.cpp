// The address parts and the address normalisation over any text.
#include "web/request_url.h"
#include "web/url_parts.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view url(reinterpret_cast<const char *>(data), size);
    const std::string normalised = ftq::normaliseUrl(url);
    const std::string host = ftq::hostOf(normalised);
    const std::string path = ftq::pathOf(normalised);
    if (host.size() > normalised.size() || path.empty() || ftq::portOf(normalised) < 0)
        __builtin_trap();
    ftq::isSecureUrl(normalised);
    ftq::trimBlanks(url);
    ftq::hostOf(url);
    ftq::pathOf(url);
    ftq::portOf(url);
    return 0;
}
