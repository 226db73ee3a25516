// Windows reads the resources linked into the executable (platform/win32/).
#ifndef _WIN32
#include "platform/Resources.h"

#include "platform/ResourceLanguage.h"
#include "platform/ResourceLookup.h"
#include "platform/Surface.h"
#include "platform/res/DialogTemplateReader.h"
#include "platform/res/DibReader.h"
#include "platform/res/StringTable.h"

namespace {

// The resources the program handed in, parsed; empty until then, or if they are malformed.
ResourceFile& Embedded() {
    static ResourceFile file;
    return file;
}

}  // namespace

const ResourceEntry* FindProgramResource(std::uint16_t type, UINT id) {
    if (id > 0xFFFF) {
        return nullptr;
    }
    const auto number = static_cast<std::uint16_t>(id);
    const ResourceLanguages& languages = CurrentResourceLanguages();
    const ResourceEntry* entry = Embedded().Find(type, number, languages.chosen);
    return entry != nullptr ? entry : Embedded().Find(type, number, languages.fallback);
}

void SetResourceBytes(std::span<const std::uint8_t> bytes) {
    Embedded() = ResourceFile::Parse(bytes).value_or(ResourceFile{});
}

bool LoadStringResource(UINT id, std::string& out) {
    if (id > 0xFFFF) {
        return false;
    }
    const auto stringId = static_cast<std::uint16_t>(id);
    const ResourceEntry* block = FindProgramResource(kRtString, StringBlockId(stringId));
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
    const ResourceEntry* entry = FindProgramResource(kRtBitmap, id);
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
    const ResourceEntry* entry = FindProgramResource(kRtDialog, id);
    if (entry == nullptr) {
        return std::nullopt;
    }
    return ReadDialogTemplate(entry->data);
}
#endif
