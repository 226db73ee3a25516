#include "tests/res/EmbeddedEntries.h"

#include <gtest/gtest.h>

#include "res/EmbeddedResources.h"

const ResourceFile& EmbeddedFile() {
    static const ResourceFile file = [] {
        auto parsed = ResourceFile::Parse(EmbeddedResourceBytes());
        EXPECT_TRUE(parsed.has_value());
        return parsed.value_or(ResourceFile{});
    }();
    return file;
}

std::span<const std::uint8_t> EmbeddedData(std::uint16_t type, std::uint16_t id,
                                           std::uint16_t language) {
    const ResourceEntry* entry = EmbeddedFile().Find(type, id, language);
    EXPECT_NE(entry, nullptr) << "type " << type << " id " << id << " language " << language;
    return entry != nullptr ? entry->data : std::span<const std::uint8_t>{};
}
