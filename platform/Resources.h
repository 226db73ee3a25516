// The program's embedded resources, as the platform layer's classes load them.
// Each returns false when the resource is missing or malformed, leaving `out` as it was.
#pragma once

#include <optional>
#include <string>

#include "platform/WinTypes.h"
#include "platform/res/DialogTemplate.h"

class Surface;

// Language of every resource the program carries: Chinese (PRC).
constexpr WORD kResourceLanguage = 0x0804;

// A string-table entry, converted from UTF-16 to UTF-8.
bool LoadStringResource(UINT id, std::string& out);

// A bitmap resource, decoded into 0x00RRGGBB pixels.
bool LoadBitmapResource(UINT id, Surface& out);

// A dialog template, for a backend that builds dialogs itself; nullopt if absent or
// malformed. (On Windows the window system reads its templates directly.)
std::optional<DialogTemplate> LoadDialogTemplateResource(UINT id);
