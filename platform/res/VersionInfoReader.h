// Reads a version resource: a tree of blocks, each a length, a value length, a type
// (text or binary), a key and a value, children following, all DWORD aligned.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "platform/res/VersionInfo.h"

// nullopt when a block runs past its parent or the end, or the root is not
// "VS_VERSION_INFO" with a valid fixed part.
std::optional<VersionInfo> ReadVersionInfo(std::span<const std::uint8_t> bytes);
