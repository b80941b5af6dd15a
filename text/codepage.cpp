#include "text/codepage.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>

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

// ICU's own substitution skips default-ignorable characters such as U+00AD; here every
// character the code page lacks is written as "?", as the conversions promise.
void writeQuestionMark(const void *, UConverterFromUnicodeArgs *args, const UChar *, int32_t,
                       UChar32, UConverterCallbackReason reason, UErrorCode *status)
{
    if (reason > UCNV_IRREGULAR)
        return;
    *status = U_ZERO_ERROR;
    ucnv_cbFromUWriteBytes(args, "?", 1, 0, status);
}

// Opening a converter costs far more than a short conversion, and a converter is not
// thread-safe: keep one per thread and code page.
UConverter *converterFor(int codePage)
{
    thread_local Converter utf8, gbk, big5;
    Converter *slot = codePage == codepage::utf8   ? &utf8
                      : codePage == codepage::gbk  ? &gbk
                      : codePage == codepage::big5 ? &big5
                                                   : nullptr;
    if (!slot)
        return nullptr;
    if (!*slot) {
        UErrorCode status = U_ZERO_ERROR;
        Converter conv(ucnv_open(icuName(codePage), &status));
        if (U_FAILURE(status))
            return nullptr;
        ucnv_setFromUCallBack(conv.get(), writeQuestionMark, nullptr, nullptr, nullptr, &status);
        if (U_FAILURE(status))
            return nullptr;
        *slot = std::move(conv);
    }
    return slot->get();
}

} // namespace

bool isSupportedCodePage(int codePage)
{
    return converterFor(codePage) != nullptr;
}

namespace {

// Runs one ICU conversion over the whole source, growing `out` while ICU reports it full.
template <typename Out, typename In, typename Convert>
bool convertAll(Out &out, const In *source, const In *sourceEnd, Convert convert)
{
    size_t written = 0;
    for (;;) {
        auto *target = out.data() + written;
        UErrorCode status = U_ZERO_ERROR;
        convert(&target, out.data() + out.size(), &source, sourceEnd, &status);
        written = static_cast<size_t>(target - out.data());
        if (status != U_BUFFER_OVERFLOW_ERROR) {
            out.resize(written);
            return U_SUCCESS(status);
        }
        out.resize(out.size() * 2);
    }
}

} // namespace

std::u16string toUtf16(std::string_view bytes, int codePage)
{
    UConverter *conv = converterFor(codePage);
    if (!conv || bytes.empty())
        return {};
    ucnv_resetToUnicode(conv);
    // One byte never yields more than one unit in these code pages; the buffer still grows
    // should a converter ever write more.
    std::u16string out(bytes.size() + 1, u'\0');
    const bool ok = convertAll(out, bytes.data(), bytes.data() + bytes.size(),
                               [conv](UChar **target, const UChar *targetEnd, const char **source,
                                      const char *sourceEnd, UErrorCode *status) {
                                   ucnv_toUnicode(conv, target, targetEnd, source, sourceEnd,
                                                  nullptr, true, status);
                               });
    return ok ? out : std::u16string();
}

std::string fromUtf16(std::u16string_view text, int codePage)
{
    UConverter *conv = converterFor(codePage);
    if (!conv || text.empty())
        return {};
    ucnv_resetFromUnicode(conv);
    std::string out(text.size() * static_cast<size_t>(ucnv_getMaxCharSize(conv)) + 1, '\0');
    const bool ok = convertAll(out, text.data(), text.data() + text.size(),
                               [conv](char **target, const char *targetEnd, const UChar **source,
                                      const UChar *sourceEnd, UErrorCode *status) {
                                   ucnv_fromUnicode(conv, target, targetEnd, source, sourceEnd,
                                                    nullptr, true, status);
                               });
    return ok ? out : std::string();
}

} // namespace ftq
