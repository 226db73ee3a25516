#include "app/desktop/ProgramVersion.h"

#include <cstdint>
#include <optional>

#include "app/Language.h"
#include "platform/res/ResourceFile.h"
#include "platform/res/VersionInfoReader.h"
#include "res/EmbeddedResources.h"

std::string ProgramVersion() {
    // Read straight from the bytes: --version answers before any backend is set up.
    const std::optional<ResourceFile> resources = ResourceFile::Parse(EmbeddedResourceBytes());
    if (!resources) {
        return {};
    }
    const ResourceEntry* entry = resources->Find(kRtVersion, 1, kChineseResources);
    const std::optional<VersionInfo> info =
        entry == nullptr ? std::nullopt : ReadVersionInfo(entry->data);
    if (!info) {
        return {};
    }
    const auto part = [](std::uint32_t word, int shift) {
        return std::to_string((word >> shift) & 0xFFFF);
    };
    const FixedFileInfo& fixed = info->fixed;
    return part(fixed.productVersionMs, 16) + "." + part(fixed.productVersionMs, 0) + "." +
           part(fixed.productVersionLs, 16) + "." + part(fixed.productVersionLs, 0);
}
