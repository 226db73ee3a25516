// The program's compiled resources as the tests reach them: the raw embedded entries.
#pragma once

#include <cstdint>
#include <span>

#include "platform/res/ResourceFile.h"

const ResourceFile& EmbeddedFile();
// The data of the entry of that type and id in language 0x0804; fails the test if absent.
std::span<const std::uint8_t> EmbeddedData(std::uint16_t type, std::uint16_t id);
