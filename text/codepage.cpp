#include "text/codepage.h"

#include <unicode/ucnv.h>

#include <memory>

namespace ftq {
namespace {

struct ConverterCloser {
    void operator()(UConverter *c) const { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

const char *icuName(int codePage)
{
    switch (codePage) {
    case codepage::utf8: return "UTF-8";
    case codepage::gbk: return "windows-936-2000";
    case codepage::big5: return "windows-950-2000";
    default: return nullptr;
    }
}

// Opening a converter costs far more than a short conversion, and a converter is not
// thread-safe: keep one per thread and code page.
UConverter *converterFor(int codePage)
{
    thread_local Converter utf8, gbk, big5;
    Converter *slot = codePage == codepage::utf8  ? &utf8
                      : codePage == codepage::gbk ? &gbk
                      : codePage == codepage::big5 ? &big5
                                                   : nullptr;
    if (!slot)
        return nullptr;
    if (!*slot) {
        UErrorCode status = U_ZERO_ERROR;
        slot->reset(ucnv_open(icuName(codePage), &status));
        if (U_FAILURE(status)) {
            slot->reset();
            return nullptr;
        }
        status = U_ZERO_ERROR;
        ucnv_setSubstChars(slot->get(), "?", 1, &status);
    }
    ucnv_reset(slot->get());
    return slot->get();
}

} // namespace

std::u16string toUtf16(std::string_view bytes, int codePage)
{
    UConverter *conv = converterFor(codePage);
    if (!conv || bytes.empty())
        return {};
    // No code page here turns one byte into more than two UTF-16 units.
    std::u16string out(bytes.size() * 2 + 2, u'\0');
    UErrorCode status = U_ZERO_ERROR;
    const int32_t n = ucnv_toUChars(conv, out.data(), static_cast<int32_t>(out.size()), bytes.data(),
                                    static_cast<int32_t>(bytes.size()), &status);
    if (U_FAILURE(status))
        return {};
    out.resize(static_cast<size_t>(n));
    return out;
}

std::string fromUtf16(std::u16string_view text, int codePage)
{
    UConverter *conv = converterFor(codePage);
    if (!conv || text.empty())
        return {};
    std::string out(text.size() * 4 + 4, '\0');
    UErrorCode status = U_ZERO_ERROR;
    const int32_t n = ucnv_fromUChars(conv, out.data(), static_cast<int32_t>(out.size()), text.data(),
                                      static_cast<int32_t>(text.size()), &status);
    if (U_FAILURE(status))
        return {};
    out.resize(static_cast<size_t>(n));
    return out;
}

} // namespace ftq
