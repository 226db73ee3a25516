// The program's embedded resources, as the platform layer's classes load them.
// Each returns false when the resource is missing or malformed, leaving `out` as it was.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "platform/WinTypes.h"
#include "platform/res/DialogTemplate.h"

class Surface;

// The language the program reads its resources in. A resource of a type and id that this
// language lacks is read in the fallback language, as the Windows loader falls back.
void SetResourceLanguage(WORD language, WORD fallback);

#ifndef _WIN32
// The program's compiled resources (a .res file's bytes), which must outlive their use.
// On Windows the resources are the executable's own.
void SetResourceBytes(std::span<const std::uint8_t> bytes);
#endif

// A string-table entry, converted from UTF-16 to UTF-8.
bool LoadStringResource(UINT id, std::string& out);

// A bitmap resource, decoded into 0x00RRGGBB pixels.
bool LoadBitmapResource(UINT id, Surface& out);

// A dialog template, for a backend that builds dialogs itself; nullopt if absent or
// malformed. (On Windows the window system reads its templates directly.)
std::optional<DialogTemplate> LoadDialogTemplateResource(UINT id);
