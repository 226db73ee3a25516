#include "platform/res/StringTable.h"

#include "platform/res/ByteReader.h"

std::uint16_t StringBlockId(std::uint16_t stringId) {
    return static_cast<std::uint16_t>(stringId / 16 + 1);
}

std::optional<std::string> ReadStringFromBlock(std::span<const std::uint8_t> block,
                                               std::uint16_t stringId) {
    ByteReader in(block);
    for (unsigned entry = 0; entry < stringId % 16u; ++entry) {
        in.Skip(static_cast<std::size_t>(in.U16()) * 2);
    }
    const std::uint16_t units = in.U16();
    const auto text = in.Bytes(static_cast<std::size_t>(units) * 2);
    if (!in.Ok() || units == 0) {
        return std::nullopt;
    }
    return Utf16ToUtf8(text);
}
