#include "text/conversions.h"

#include "text/codepage.h"
#include "text/text_end.h"

#include <unicode/normalizer2.h>
#include <unicode/translit.h>
#include <unicode/unistr.h>
#include <unicode/utf16.h>

#include <memory>

namespace ftq {
namespace {

// Joins a base character and a following combining mark into the precomposed character where
// Unicode defines one (NFC's pairwise composition). Unlike full NFC this leaves every other
// character alone: code page 936 holds compatibility ideographs that NFC would replace.
void composeCombiningMarks(std::u16string &text)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2 *nfc = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status))
        return;
    const size_t length = text.size();
    size_t read = 0;
    size_t write = 0;
    size_t lastStart = 0; // where the last written character begins
    bool haveLast = false;
    while (read < length) {
        UChar32 c;
        U16_NEXT(text.data(), read, length, c);
        if (haveLast && c >= 0x300 && !nfc->hasBoundaryBefore(c)) {
            size_t at = lastStart;
            UChar32 last;
            U16_NEXT(text.data(), at, write, last);
            const UChar32 composite = nfc->composePair(last, c);
            if (composite >= 0) {
                // Two characters never take fewer units than the one they compose to.
                write = lastStart;
                U16_APPEND_UNSAFE(text.data(), write, composite);
                continue;
            }
        }
        lastStart = write;
        haveLast = true;
        U16_APPEND_UNSAFE(text.data(), write, c);
    }
    text.resize(write);
}

// A hex digit of a percent escape: missing (past the end) counts as 0, anything else as -2.
int escapeDigit(std::string_view text, size_t at)
{
    static constexpr std::string_view digits = "0123456789ABCDEF";
    if (at >= text.size())
        return 0;
    char c = text[at];
    if (c >= 'a' && c <= 'z')
        c = static_cast<char>(c - 'a' + 'A');
    const size_t index = digits.find(c);
    return index == std::string_view::npos ? -2 : static_cast<int>(index);
}

} // namespace

std::string multiByteToWide(std::string_view text, std::optional<int> codePage)
{
    const int page = codePage.value_or(codepage::utf8);
    if (!isSupportedCodePage(page))
        return {};
    const std::u16string wide = toUtf16(upToZero(text), page);
    std::string out;
    out.reserve(wide.size() * 2 + 2);
    for (char16_t unit : wide) {
        out += static_cast<char>(unit & 0xFF);
        out += static_cast<char>(unit >> 8);
    }
    out.append(2, '\0');
    return out;
}

std::string wideToMultiByte(std::string_view wide, std::optional<int> codePage)
{
    std::u16string units;
    units.reserve(wide.size() / 2);
    for (size_t i = 0; i + 1 < wide.size(); i += 2) {
        const auto unit = static_cast<char16_t>(static_cast<unsigned char>(wide[i])
                                                | static_cast<unsigned char>(wide[i + 1]) << 8);
        if (unit == 0)
            break;
        units += unit;
    }
    // The program's own texts are code page 936, which stands in for the system's code page.
    return fromUtf16(units, codePage.value_or(codepage::gbk));
}

std::string utf8ToAnsi(std::string_view text)
{
    return wideToMultiByte(multiByteToWide(text), codepage::gbk);
}

std::string big5ToGbk(std::string_view text)
{
    // Traditional characters are folded to simplified ones on the Unicode side, where the
    // mapping is defined; 936 then holds nearly all of them, and "?" stands for what it lacks
    // (the rest of the text is kept).
    std::u16string wide = toUtf16(upToZero(text), codepage::big5);
    // A transliterator is not safe to share between threads; building one costs milliseconds.
    thread_local const std::unique_ptr<icu::Transliterator> toSimplified = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Transliterator> t(icu::Transliterator::createInstance(
            "Traditional-Simplified", UTRANS_FORWARD, status));
        return U_SUCCESS(status) ? std::move(t) : nullptr;
    }();
    if (!toSimplified)
        return {};
    icu::UnicodeString u(wide.data(), static_cast<int32_t>(wide.size()));
    toSimplified->transliterate(u);
    return fromUtf16(std::u16string_view(u.getBuffer(), static_cast<size_t>(u.length())),
                     codepage::gbk);
}

std::string percentDecode(std::string_view text)
{
    text = upToZero(text);
    std::string bytes;
    bytes.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] != '%') {
            bytes += text[i++];
            continue;
        }
        // Malformed escapes are taken as they come; only a zero byte is left out.
        const int value = 16 * escapeDigit(text, i + 1) + escapeDigit(text, i + 2);
        if (const auto byte = static_cast<char>(value & 0xFF); byte != 0)
            bytes += byte;
        i += 3;
    }
    std::u16string wide = toUtf16(bytes, codepage::utf8);
    composeCombiningMarks(wide);
    return fromUtf16(wide, codepage::gbk);
}

} // namespace ftq
