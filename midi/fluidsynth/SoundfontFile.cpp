#include "midi/fluidsynth/SoundfontFile.h"

#include <fcntl.h>
#include <fluidsynth.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <system_error>

namespace {

std::uint64_t LittleEndian32(const char* bytes) {
    std::uint64_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = value << 8 | static_cast<unsigned char>(bytes[i]);
    }
    return value;
}

SoundfontVerdict Unreadable(int error) {
    return {SoundfontCheck::Unreadable, std::system_category().message(error)};
}

}  // namespace

SoundfontVerdict CheckSoundfontFile(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        return errno == ENOENT || errno == ENOTDIR ? SoundfontVerdict{SoundfontCheck::Missing, {}}
                                                   : Unreadable(errno);
    }
    if (!S_ISREG(info.st_mode)) {
        return {SoundfontCheck::NotAFile, {}};
    }
    // Non-blocking, in case a FIFO took the file's place since the look above.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return Unreadable(errno);
    }
    std::array<char, 12> header{};
    const bool regular = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    const ssize_t got = regular ? read(fd, header.data(), header.size()) : 0;
    const int readError = errno;
    close(fd);
    if (!regular) {
        return {SoundfontCheck::NotAFile, {}};
    }
    if (got < 0) {
        return Unreadable(readError);
    }
    if (!fluid_is_soundfont(path.c_str())) {
        return {SoundfontCheck::NotASoundfont, {}};
    }
    const std::uint64_t riffSize = LittleEndian32(header.data() + 4);
    if (static_cast<std::uint64_t>(info.st_size) < riffSize + 8) {
        return {SoundfontCheck::NotWhole, {}};
    }
    return {};
}
