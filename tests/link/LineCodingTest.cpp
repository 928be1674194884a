#include <gtest/gtest.h>

#include <tuple>

#include "link/LineCoding.h"

namespace velnar::link {
namespace {

TEST(LineCodingTest, DecodesThePublishedCodesAndNoOthers)
{
    const auto sign = DecodeLineCoding(12, 3);
    ASSERT_TRUE(sign.has_value());
    EXPECT_EQ(std::make_tuple(sign->bitsPerSecond, sign->dataBits, sign->stopBits, sign->parity),
              std::make_tuple(9600, 8, 1, Parity::None));
    const auto other = DecodeLineCoding(16, 0x02 | 0x04 | 0x18);
    ASSERT_TRUE(other.has_value());
    EXPECT_EQ(std::make_tuple(other->bitsPerSecond, other->dataBits, other->stopBits, other->parity),
              std::make_tuple(115200, 7, 2, Parity::Even));
    // Speeds and modes outside the coding, 0x10 a parity value it lacks.
    const std::pair<int, int> refused[] = {{-1, 3}, {20, 3}, {12, 0x40}, {12, 0x10}, {12, -1}};
    for (const auto& [speed, mode] : refused)
        EXPECT_FALSE(DecodeLineCoding(speed, mode)) << speed << " " << mode;
}

}  // namespace
}  // namespace velnar::link
