// The radio's character set and the bounds of the image's byte fields (where each field sits:
// Gx5MemoryMapTest).
#include "radios/gx5/Gx5Bytes.h"

#include <gtest/gtest.h>

#include <vector>

namespace vd::gx5 {
namespace {

TEST(Gx5RadioText, OneByteForEveryCharacter) {
    const std::pair<const char*, const char*> cases[] = {
        {"CH-01 #*", "CH-01 #*"}, {"\u00E9t\u00E9", "?t?"}, // été
        {"\u4FE1\u90531", "??1"},                           // two CJK characters
        {"\U0001F4FB!", "?!"},                              // a four-byte one
        {"a\200\277b", "a??b"},                             // stray continuation bytes
        {"\xE4\xBF", "?"},                                  // a sequence cut short
        {"\303A", "?A"},                                    // a lead byte without its continuation
    };
    for (const auto& [text, radio] : cases) {
        EXPECT_EQ(ToRadioCharacters(text), radio) << text;
    }
    const std::vector<uint8_t> high = {'a', 0xE9, 'b', 0, 'c'};
    EXPECT_EQ(GetText(high, 0, 5), "a?b") << "read back up to the terminator";
}

TEST(Gx5Bytes, FieldsBeyondTheEndAreRefused) {
    std::vector<uint8_t> bytes(6, 0);
    EXPECT_THROW(PutU16(bytes, 5, 1), std::out_of_range);
    EXPECT_THROW(GetU32(bytes, 3), std::out_of_range);
    EXPECT_THROW(PutText(bytes, 4, 3, "x"), std::out_of_range);
}

} // namespace
} // namespace vd::gx5
