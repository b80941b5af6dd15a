#include "text/conversions.h"

#include "text/codepage.h"

#include <unicode/translit.h>
#include <unicode/unistr.h>

#include <memory>

namespace ftq {
namespace {

std::string_view upToZero(std::string_view text)
{
    const size_t zero = text.find('\0');
    return zero == std::string_view::npos ? text : text.substr(0, zero);
}

std::u16string_view upToZero(std::u16string_view text)
{
    const size_t zero = text.find(u'\0');
    return zero == std::u16string_view::npos ? text : text.substr(0, zero);
}

} // namespace

std::string multiByteToWide(std::string_view text, std::optional<int> codePage)
{
    const std::u16string wide = toUtf16(upToZero(text), codePage.value_or(codepage::utf8));
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
    for (size_t i = 0; i + 1 < wide.size(); i += 2)
        units += static_cast<char16_t>(static_cast<unsigned char>(wide[i])
                                       | static_cast<unsigned char>(wide[i + 1]) << 8);
    // The program's own texts are code page 936, which stands in for the system's code page.
    return std::string(upToZero(fromUtf16(upToZero(units), codePage.value_or(codepage::gbk))));
}

std::string utf8ToAnsi(std::string_view text)
{
    return wideToMultiByte(multiByteToWide(text), codepage::gbk);
}

std::string big5ToGbk(std::string_view text)
{
    // Traditional characters are folded to simplified ones on the Unicode side, where the
    // mapping is defined; 936 then holds all of them, and "?" stands for what it lacks.
    std::u16string wide = toUtf16(upToZero(text), codepage::big5);
    // A transliterator is not safe to share between threads; building one costs milliseconds.
    thread_local const std::unique_ptr<icu::Transliterator> toSimplified = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Transliterator> t(icu::Transliterator::createInstance(
            "Traditional-Simplified", UTRANS_FORWARD, status));
        return U_SUCCESS(status) ? std::move(t) : nullptr;
    }();
    if (toSimplified) {
        icu::UnicodeString u(wide.data(), static_cast<int32_t>(wide.size()));
        toSimplified->transliterate(u);
        wide.assign(u.getBuffer(), static_cast<size_t>(u.length()));
    }
    return std::string(upToZero(fromUtf16(wide, codepage::gbk)));
}

} // namespace ftq
