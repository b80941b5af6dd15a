#include "text/markers.h"

#include <gtest/gtest.h>

namespace ftq {
namespace {

TEST(TextBetween, cutsBetweenMarkers)
{
    EXPECT_EQ(textBetween("ab[cd]ef", "[", "]"), "cd");
    EXPECT_EQ(textBefore("sid=42; path=/", ";"), "sid=42");
}

} // namespace
} // namespace ftq
