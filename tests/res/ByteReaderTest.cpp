// Little-endian fields, bounds and UTF-16 conversion.
#include <gtest/gtest.h>

#include <vector>

#include "platform/res/ByteReader.h"

TEST(ByteReader, ReadsLittleEndianAndFailsPastTheEnd) {
    const std::vector<std::uint8_t> bytes = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07};
    ByteReader in(bytes);
    EXPECT_EQ(in.U16(), 0x0201);
    EXPECT_EQ(in.U32(), 0x06050403u);
    EXPECT_TRUE(in.Ok());
    EXPECT_EQ(in.U16(), 0);  // one byte left
    EXPECT_FALSE(in.Ok());
    EXPECT_EQ(in.U8(), 0);  // stays failed
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(ByteReader, AlignSeekAndHugeSkips) {
    const std::vector<std::uint8_t> bytes(10, 0);
    ByteReader in(bytes);
    in.Skip(1);
    in.Align(4);
    EXPECT_EQ(in.Offset(), 4u);
    in.Seek(10);
    EXPECT_TRUE(in.Ok());
    in.Seek(11);
    EXPECT_FALSE(in.Ok());
    ByteReader skipper(bytes);
    skipper.Skip(static_cast<std::size_t>(-1));
    EXPECT_FALSE(skipper.Ok());
}

TEST(ByteReader, UnterminatedUtf16Fails) {
    const std::vector<std::uint8_t> bytes = {'a', 0, 'b', 0, 'c'};
    ByteReader in(bytes);
    EXPECT_EQ(in.Utf16z(), "");
    EXPECT_FALSE(in.Ok());
}

TEST(Utf16ToUtf8, Conversions) {
    const struct {
        std::vector<std::uint8_t> utf16;
        std::string utf8;
    } cases[] = {
        {{'A', 0, '&', 0}, "A&"},
        {{0x73, 0x51, 0x8E, 0x4E}, "关于"},
        {{0x3D, 0xD8, 0x00, 0xDE}, "\xF0\x9F\x98\x80"},  // a surrogate pair
        {{0x3D, 0xD8, 'x', 0}, "\xEF\xBF\xBDx"},         // a lone high surrogate
        {{0x00, 0xDE}, "\xEF\xBF\xBD"},                  // a lone low surrogate
        {{0xE9, 0x00, 'z'}, "\xC3\xA9"},                 // an odd byte is ignored
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf16ToUtf8(c.utf16), c.utf8);
    }
}
