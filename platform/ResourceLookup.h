// Where the loaders of each kind of resource find theirs among the bytes the program
// handed in (not on Windows, whose loader reads the executable's own).
#pragma once

#include <cstdint>

#include "platform/WinTypes.h"
#include "platform/res/ResourceFile.h"

// The resource of `type` and `id` in the chosen language, else in the fallback; nullptr if
// neither holds it.
const ResourceEntry* FindProgramResource(std::uint16_t type, UINT id);
