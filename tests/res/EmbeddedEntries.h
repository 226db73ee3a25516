// The program's compiled resources as the tests reach them: the raw embedded entries.
#pragma once

#include <cstdint>
#include <span>

#include "app/Language.h"
#include "platform/res/ResourceFile.h"

const ResourceFile& EmbeddedFile();
// The data of the entry of that type, id and language; fails the test if absent.
std::span<const std::uint8_t> EmbeddedData(std::uint16_t type, std::uint16_t id,
                                           std::uint16_t language = kChineseResources);
