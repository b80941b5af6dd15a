#include "text/conversions.h"

#include <cstdlib>
#include <string>

// unescapeUnicode on arbitrary bytes: a text without zero bytes and never longer than the
// reply (every escape is longer than what it stands for), and no reply of a character or more
// comes back empty unless it decodes a zero character or is a lone CR.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string input(reinterpret_cast<const char *>(data), size);
    const std::string text = input.substr(0, input.find('\0'));
    const std::string out = ftq::unescapeUnicode(input);
    if (out.find('\0') != std::string::npos || out.size() > text.size())
        std::abort();
    const bool mayEndAtOnce = text.empty() || text == "\r" || text[0] == '\\' || text[0] == '%'
                              || (text[0] == '\r' && (text[1] == '\\' || text[1] == '%'));
    if (out.empty() && !mayEndAtOnce)
        std::abort();
    return 0;
}
