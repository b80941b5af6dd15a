#include "text/conversions.h"

#include <algorithm>
#include <cstdlib>
#include <string>

// percentDecode on arbitrary bytes: a text without zero bytes, never longer than its input
// (an escape of three bytes gives at most one byte, and every character of 936 is at most two
// bytes long, as is every UTF-8 sequence that decodes to one), and plain ASCII passes unchanged.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string input(reinterpret_cast<const char *>(data), size);
    const std::string text = input.substr(0, input.find('\0'));
    const std::string out = ftq::percentDecode(input);
    if (out.find('\0') != std::string::npos || out.size() > text.size())
        std::abort();
    const bool plainAscii = text.find('%') == std::string::npos
                            && std::all_of(text.begin(), text.end(), [](unsigned char c) { return c < 0x80; });
    if (plainAscii && out != text)
        std::abort();
    return 0;
}
