#include "midi/fluidsynth/SoundfontFile.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <fstream>

namespace {

std::uint64_t LittleEndian32(const char* bytes) {
    std::uint64_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = value << 8 | static_cast<unsigned char>(bytes[i]);
    }
    return value;
}

}  // namespace

bool LooksLikeSoundfont(const std::string& path) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) {
        return false;
    }
    const auto fileSize = static_cast<std::uint64_t>(file.tellg());
    std::array<char, 12> header{};
    file.seekg(0);
    if (!file.read(header.data(), header.size())) {
        return false;
    }
    const std::uint64_t riffSize = LittleEndian32(header.data() + 4);
    return std::memcmp(header.data(), "RIFF", 4) == 0 &&
           std::memcmp(header.data() + 8, "sfbk", 4) == 0 && fileSize >= riffSize + 8;
}
