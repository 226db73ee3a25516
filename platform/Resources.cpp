// Windows reads the resources linked into the executable (platform/win32/).
#ifndef _WIN32
#include "platform/Resources.h"

#include <map>
#include <memory>

#include "platform/Icon.h"
#include "platform/ResourceLanguage.h"
#include "platform/Surface.h"
#include "platform/res/DialogTemplateReader.h"
#include "platform/res/DibReader.h"
#include "platform/res/IconGroupReader.h"
#include "platform/res/IconImageReader.h"
#include "platform/res/ResourceFile.h"
#include "platform/res/StringTable.h"

namespace {

// The resources the program handed in, parsed; empty until then, or if they are malformed.
ResourceFile& Embedded() {
    static ResourceFile file;
    return file;
}

const ResourceEntry* FindEmbedded(std::uint16_t type, UINT id) {
    if (id > 0xFFFF) {
        return nullptr;
    }
    const auto number = static_cast<std::uint16_t>(id);
    const ResourceLanguages& languages = CurrentResourceLanguages();
    const ResourceEntry* entry = Embedded().Find(type, number, languages.chosen);
    return entry != nullptr ? entry : Embedded().Find(type, number, languages.fallback);
}

}  // namespace

void SetResourceBytes(std::span<const std::uint8_t> bytes) {
    Embedded() = ResourceFile::Parse(bytes).value_or(ResourceFile{});
}

bool LoadStringResource(UINT id, std::string& out) {
    if (id > 0xFFFF) {
        return false;
    }
    const auto stringId = static_cast<std::uint16_t>(id);
    const ResourceEntry* block = FindEmbedded(kRtString, StringBlockId(stringId));
    if (block == nullptr) {
        return false;
    }
    auto text = ReadStringFromBlock(block->data, stringId);
    if (!text) {
        return false;
    }
    out = std::move(*text);
    return true;
}

bool LoadBitmapResource(UINT id, Surface& out) {
    const ResourceEntry* entry = FindEmbedded(kRtBitmap, id);
    if (entry == nullptr) {
        return false;
    }
    auto surface = DecodeDib24(entry->data);
    if (!surface) {
        return false;
    }
    out = std::move(*surface);
    return true;
}

std::optional<DialogTemplate> LoadDialogTemplateResource(UINT id) {
    const ResourceEntry* entry = FindEmbedded(kRtDialog, id);
    if (entry == nullptr) {
        return std::nullopt;
    }
    return ReadDialogTemplate(entry->data);
}

HICON LoadIconResource(UINT id) {
    // Shared icons: one object per id for the program's lifetime, as the window system
    // gives them. Loads happen on the user-interface thread only.
    static std::map<UINT, std::unique_ptr<HICON__>> loaded;
    if (const auto found = loaded.find(id); found != loaded.end()) {
        return found->second.get();
    }
    const ResourceEntry* group = FindEmbedded(kRtGroupIcon, id);
    const auto entries = group != nullptr ? ReadIconGroup(group->data) : std::nullopt;
    if (!entries || entries->empty()) {
        return nullptr;
    }
    auto icon = std::make_unique<HICON__>();
    for (const IconGroupEntry& entry : *entries) {
        const ResourceEntry* image = FindEmbedded(kRtIcon, entry.iconId);
        auto decoded = image != nullptr ? DecodeIconImage(image->data) : std::nullopt;
        if (!decoded) {
            return nullptr;
        }
        icon->images.push_back({std::move(decoded->color), std::move(decoded->transparent)});
    }
    return loaded.emplace(id, std::move(icon)).first->second.get();
}
#endif
