#include "text/conversions.h"

#include <algorithm>
#include <cstdlib>
#include <string>

// utf8ToAnsi on arbitrary bytes: a text without zero bytes, and ASCII passes unchanged.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string input(reinterpret_cast<const char *>(data), size);
    const std::string text = input.substr(0, input.find('\0'));
    const std::string out = ftq::utf8ToAnsi(input);
    if (out.find('\0') != std::string::npos)
        std::abort();
    if (std::all_of(text.begin(), text.end(), [](unsigned char c) { return c < 0x80; }) && out != text)
        std::abort();
    return 0;
}
