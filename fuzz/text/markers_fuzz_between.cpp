#include "text/markers.h"

#include "tests/text/reference_search.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

// textBetween on arbitrary texts, markers, start positions and flags; the fast search must
// agree with the plain rule for both markers, and a cut is always a piece of the text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const bool caseSensitive = input.ConsumeBool();
    const int start = input.ConsumeIntegral<int>();
    const std::string left = input.ConsumeRandomLengthString(64);
    const std::string right = input.ConsumeRandomLengthString(64);
    const std::string text = input.ConsumeRemainingBytesAsString();

    const std::string cut = ftq::textBetween(text, left, right, start, caseSensitive);
    if (cut.size() >= text.size() && !cut.empty())
        std::abort();
    if (!cut.empty() && text.find(cut) == std::string::npos)
        std::abort();
    for (const std::string &marker : {left, right})
        if (ftq::findText(text, marker, start, !caseSensitive)
            != ftq::reference::findText(text, marker, start, !caseSensitive))
            std::abort();
    return 0;
}
