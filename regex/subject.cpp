#include "regex/subject.h"

#include <unicode/ucnv.h>

#include <memory>

namespace ftq::regex {
namespace {

struct ConverterCloser
{
    void operator()(UConverter *c) const { ucnv_close(c); }
};

} // namespace

DecodedText decodeGbk(std::string_view bytes)
{
    DecodedText out;
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<UConverter, ConverterCloser> conv(ucnv_open("windows-936-2000", &status));
    if (U_FAILURE(status) || bytes.empty()) {
        out.byteOffsets.push_back(0);
        return out;
    }
    // ucnv_toUnicode reports for every unit the offset of the bytes it came from, malformed
    // sequences included, which a per-character walk would have to guess.
    out.units.resize(bytes.size() * 2 + 2);
    out.byteOffsets.resize(out.units.size());
    UChar *target = reinterpret_cast<UChar *>(out.units.data());
    const char *source = bytes.data();
    ucnv_toUnicode(conv.get(), &target, target + out.units.size(), &source,
                   bytes.data() + bytes.size(), out.byteOffsets.data(), true, &status);
    if (U_FAILURE(status)) {
        out = {};
        out.byteOffsets.push_back(0);
        return out;
    }
    const size_t n = static_cast<size_t>(target - reinterpret_cast<UChar *>(out.units.data()));
    out.units.resize(n);
    out.byteOffsets.resize(n);
    out.byteOffsets.push_back(static_cast<int>(bytes.size()));
    return out;
}

} // namespace ftq::regex
