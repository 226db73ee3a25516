// Reads one string from a string-table resource. Strings live in blocks of 16: string
// `id` is entry id % 16 of block id / 16 + 1; each entry is a count of UTF-16 units
// followed by the units, an empty entry being a zero count.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

std::uint16_t StringBlockId(std::uint16_t stringId);

// The entry `stringId` of its block, as UTF-8; nullopt when the block is malformed or the
// entry is empty (an empty entry means no such string).
std::optional<std::string> ReadStringFromBlock(std::span<const std::uint8_t> block,
                                               std::uint16_t stringId);
