// Windows loads icons itself (platform/win32/).
#ifndef _WIN32
#include "platform/Icon.h"

#include <map>
#include <memory>

#include "platform/ResourceLookup.h"
#include "platform/res/IconGroupReader.h"
#include "platform/res/IconImageReader.h"

HICON LoadIconResource(UINT id) {
    // Shared icons: one object per id for the program's lifetime, as the window system
    // gives them. Loads happen on the user-interface thread only.
    static std::map<UINT, std::unique_ptr<HICON__>> loaded;
    if (const auto found = loaded.find(id); found != loaded.end()) {
        return found->second.get();
    }
    const ResourceEntry* group = FindProgramResource(kRtGroupIcon, id);
    const auto entries = group != nullptr ? ReadIconGroup(group->data) : std::nullopt;
    if (!entries || entries->empty()) {
        return nullptr;
    }
    auto icon = std::make_unique<HICON__>();
    for (const IconGroupEntry& entry : *entries) {
        const ResourceEntry* image = FindProgramResource(kRtIcon, entry.iconId);
        auto decoded = image != nullptr ? DecodeIconImage(image->data) : std::nullopt;
        if (!decoded) {
            return nullptr;
        }
        icon->images.push_back({std::move(decoded->color), std::move(decoded->transparent)});
    }
    return loaded.emplace(id, std::move(icon)).first->second.get();
}
#endif
