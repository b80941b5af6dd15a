#include "text/markers.h"

#include "tests/text/reference_search.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

// textBefore on arbitrary texts, markers, start positions and flags, against the plain rule.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const bool ignoreCase = input.ConsumeBool();
    const int start = input.ConsumeIntegral<int>();
    const std::string marker = input.ConsumeRandomLengthString(64);
    const std::string text = input.ConsumeRemainingBytesAsString();

    const int p = ftq::reference::findText(text, marker, start, ignoreCase);
    const std::string expected = p > 0 ? text.substr(0, static_cast<size_t>(p - 1)) : std::string();
    if (ftq::textBefore(text, marker, start, ignoreCase) != expected)
        std::abort();
    return 0;
}
