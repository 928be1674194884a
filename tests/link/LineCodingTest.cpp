#include <gtest/gtest.h>

#include "link/LineCoding.h"

namespace velnar::link {
namespace {

TEST(LineCodingTest, DecodesThePublishedCodes)
{
    const auto sign = DecodeLineCoding(12, 3);
    ASSERT_TRUE(sign.has_value());
    EXPECT_EQ(sign->bitsPerSecond, 9600);
    EXPECT_EQ(sign->dataBits, 8);
    EXPECT_EQ(sign->stopBits, 1);
    EXPECT_EQ(sign->parity, Parity::None);

    const auto other = DecodeLineCoding(16, 0x02 | 0x04 | 0x18);
    ASSERT_TRUE(other.has_value());
    EXPECT_EQ(other->bitsPerSecond, 115200);
    EXPECT_EQ(other->dataBits, 7);
    EXPECT_EQ(other->stopBits, 2);
    EXPECT_EQ(other->parity, Parity::Even);
}

TEST(LineCodingTest, RefusesCodesOutsideTheCoding)
{
    EXPECT_FALSE(DecodeLineCoding(-1, 3));
    EXPECT_FALSE(DecodeLineCoding(20, 3));
    EXPECT_FALSE(DecodeLineCoding(12, 0x40));
    EXPECT_FALSE(DecodeLineCoding(12, 0x10));  // a parity value the coding lacks
    EXPECT_FALSE(DecodeLineCoding(12, -1));
}

}  // namespace
}  // namespace velnar::link
