// The compiled resource script, linked into the program as bytes: nothing is read from
// disk at run time.
#pragma once

#include <cstdint>
#include <span>

std::span<const std::uint8_t> EmbeddedResourceBytes();
