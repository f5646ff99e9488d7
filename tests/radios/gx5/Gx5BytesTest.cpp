// Byte fields and the radio's character set.
#include "radios/gx5/Gx5Bytes.h"

#include <gtest/gtest.h>

#include <vector>

namespace vd::gx5 {
namespace {

TEST(Gx5RadioText, OneByteForEveryCharacter) {
    EXPECT_EQ(ToRadioCharacters("CH-01 #*"), "CH-01 #*");
    EXPECT_EQ(ToRadioCharacters("\xC3\xA9t\xC3\xA9"), "?t?"); // été
    EXPECT_EQ(ToRadioCharacters("\xE4\xBF\xA1\xE9\x81\x93"
                                "1"),
              "??1");                                        // two CJK characters
    EXPECT_EQ(ToRadioCharacters("\xF0\x9F\x93\xBB!"), "?!"); // a four-byte one
    EXPECT_EQ(ToRadioCharacters("a\x80\xBF"
                                "b"),
              "a??b")
        << "stray continuation bytes";
    EXPECT_EQ(ToRadioCharacters("\xE4\xBF"), "?") << "a sequence cut short";
    EXPECT_EQ(ToRadioCharacters("\xC3"
                                "A"),
              "?A")
        << "a lead byte without its continuation";
}

TEST(Gx5RadioText, FieldIsCutPaddedAndReadBack) {
    std::vector<uint8_t> bytes(12, 0xEE);
    PutText(bytes, 1, 4, "ABCDEFG");
    EXPECT_EQ(bytes, (std::vector<uint8_t>{0xEE, 'A', 'B', 'C', 'D', 0xEE, 0xEE, 0xEE, 0xEE, 0xEE,
                                           0xEE, 0xEE}));
    PutText(bytes, 5, 6, "xy");
    EXPECT_EQ(GetText(bytes, 5, 6), "xy");
    EXPECT_EQ(bytes[7], 0);
    EXPECT_EQ(bytes[10], 0);
    EXPECT_EQ(GetText(bytes, 1, 4), "ABCD") << "a full field has no terminator";
    const std::vector<uint8_t> high = {'a', 0xE9, 'b', 0, 'c'};
    EXPECT_EQ(GetText(high, 0, 5), "a?b");
}

TEST(Gx5Bytes, BitFieldsKeepTheirNeighbours) {
    std::vector<uint8_t> bytes(2, 0);
    PutBits(bytes, 0, 4, 2, 7); // 7 does not fit two bits
    EXPECT_EQ(bytes[0], 0x30);
    PutBits(bytes, 0, 0, 4, 0xA);
    EXPECT_EQ(bytes[0], 0x3A);
    PutBits(bytes, 0, 4, 2, 0);
    EXPECT_EQ(bytes[0], 0x0A);
    EXPECT_EQ(GetBits(bytes, 0, 1, 3), 5u);
}

TEST(Gx5Bytes, ByteOrderAndBounds) {
    std::vector<uint8_t> bytes(6, 0);
    PutU32(bytes, 0, 467562500);
    EXPECT_EQ(GetU32(bytes, 0), 467562500u);
    EXPECT_EQ(bytes[0], 467562500 & 0xFF);
    PutU16Be(bytes, 4, 0x1234);
    EXPECT_EQ(bytes[4], 0x12);
    EXPECT_EQ(GetU16(bytes, 4), 0x3412u);
    EXPECT_THROW(PutU16(bytes, 5, 1), std::out_of_range);
    EXPECT_THROW(GetU32(bytes, 3), std::out_of_range);
    EXPECT_THROW(PutText(bytes, 4, 3, "x"), std::out_of_range);
}

} // namespace
} // namespace vd::gx5
