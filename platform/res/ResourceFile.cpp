#include "platform/res/ResourceFile.h"

#include "platform/res/ByteReader.h"

namespace {

// The fixed fields before and after the type and name.
constexpr std::uint32_t kSizesBytes = 8;
constexpr std::uint32_t kTrailerBytes = 16;

ResourceName ReadName(ByteReader& in) {
    ResourceName name;
    const std::size_t start = in.Offset();
    if (in.U16() == 0xFFFF) {
        name.number = in.U16();
        return name;
    }
    in.Seek(start);
    name.isNumber = false;
    name.text = in.Utf16z();
    return name;
}

}  // namespace

std::optional<ResourceFile> ResourceFile::Parse(std::span<const std::uint8_t> bytes) {
    ResourceFile file;
    ByteReader in(bytes);
    while (in.Ok() && in.Remaining() > 0) {
        const std::size_t start = in.Offset();
        const std::uint32_t dataSize = in.U32();
        const std::uint32_t headerSize = in.U32();
        if (!in.Ok() || headerSize < kSizesBytes + 4 + 4 + kTrailerBytes ||
            headerSize > bytes.size() - start) {
            return std::nullopt;
        }
        // The header's own fields must stay within the header size it declares.
        ByteReader header(bytes.subspan(start, headerSize));
        header.Skip(kSizesBytes);
        ResourceEntry entry;
        entry.type = ReadName(header);
        entry.name = ReadName(header);
        header.Align(4);
        entry.dataVersion = header.U32();
        entry.memoryFlags = header.U16();
        entry.language = header.U16();
        entry.version = header.U32();
        entry.characteristics = header.U32();
        if (!header.Ok()) {
            return std::nullopt;
        }
        in.Seek(start + headerSize);
        entry.data = in.Bytes(dataSize);
        in.Align(4);
        if (!in.Ok()) {
            return std::nullopt;
        }
        // The leading empty entry marks the file as 32-bit; it names no resource.
        if (!(entry.type.Is(0) && entry.name.Is(0) && dataSize == 0)) {
            file.m_entries.push_back(std::move(entry));
        }
    }
    if (!in.Ok()) {
        return std::nullopt;
    }
    return file;
}

const ResourceEntry* ResourceFile::Find(std::uint16_t type, std::uint16_t id,
                                        std::uint16_t language) const {
    for (const ResourceEntry& entry : m_entries) {
        if (entry.type.Is(type) && entry.name.Is(id) && entry.language == language) {
            return &entry;
        }
    }
    return nullptr;
}
