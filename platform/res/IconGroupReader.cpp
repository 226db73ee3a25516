#include "platform/res/IconGroupReader.h"

#include "platform/res/ByteReader.h"

std::optional<std::vector<IconGroupEntry>> ReadIconGroup(std::span<const std::uint8_t> bytes) {
    constexpr std::uint16_t kIconType = 1;
    ByteReader in(bytes);
    const std::uint16_t reserved = in.U16();
    const std::uint16_t type = in.U16();
    const std::uint16_t count = in.U16();
    if (!in.Ok() || reserved != 0 || type != kIconType) {
        return std::nullopt;
    }
    std::vector<IconGroupEntry> entries;
    for (unsigned i = 0; i < count && in.Ok(); ++i) {
        IconGroupEntry entry;
        entry.width = in.U8();
        entry.height = in.U8();
        entry.colourCount = in.U8();
        in.Skip(1);
        entry.planes = in.U16();
        entry.bitCount = in.U16();
        entry.bytes = in.U32();
        entry.iconId = in.U16();
        entries.push_back(entry);
    }
    if (!in.Ok()) {
        return std::nullopt;
    }
    return entries;
}
