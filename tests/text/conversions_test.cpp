#include "text/conversions.h"

#include <gtest/gtest.h>

namespace ftq {
namespace {

TEST(Utf8ToAnsi, convertsToCodePage936)
{
    EXPECT_EQ(utf8ToAnsi("\xE4\xB8\xAD\xE6\x96\x87"), "\xD6\xD0\xCE\xC4");
}

} // namespace
} // namespace ftq
