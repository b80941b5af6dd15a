#pragma once

#include <string>
#include <string_view>
#include <vector>

// A code page 936 text as the engine sees it, with the way back to byte offsets.
namespace ftq::regex {

struct DecodedText
{
    std::u16string units;
    // byteOffsets[i]: the offset in the 936 bytes of the character that gave unit i; one extra
    // entry holds the length of the bytes, so an end index maps too.
    std::vector<int> byteOffsets;
};

// Decodes as toUtf16(bytes, codepage::gbk) does, unit for unit, malformed bytes included.
DecodedText decodeGbk(std::string_view bytes);

} // namespace ftq::regex
