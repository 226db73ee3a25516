// Writes a file the way a user expects of a command-line tool: a regular file (or a new
// one) is replaced whole or not at all; a device, a FIFO or an open descriptor such as
// /dev/stdout is written through; a symbolic link is followed to what it names.
#pragma once

#include <cstdint>
#include <span>
#include <string>

// On failure returns false, says why in `error` and leaves an existing file as it was.
bool WriteOutputFile(const std::string& path, std::span<const std::uint8_t> bytes,
                     std::string& error);
