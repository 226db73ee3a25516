#include "tools/replay/OutputFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::error_code LastError() {
    return {errno, std::generic_category()};
}

// Opens `path` with fopen's `mode`, writes the bytes and closes it.
std::error_code Write(const fs::path& path, const char* mode, std::span<const std::uint8_t> bytes) {
    std::FILE* file = std::fopen(path.c_str(), mode);
    if (file == nullptr) {
        return LastError();
    }
    std::error_code ec;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
        ec = LastError();
    }
    if (std::fclose(file) != 0 && !ec) {
        ec = LastError();
    }
    return ec;
}

// A temporary file beside the target, renamed over it once complete. It is created as any
// new file is, under the user's umask, and exclusively: the name is this process's alone.
// An existing file keeps its permissions, and one the user may not write stays as it is.
std::error_code ReplaceWhole(const fs::path& target, const fs::file_status& existing,
                             std::span<const std::uint8_t> bytes) {
    if (fs::exists(existing) && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
        return LastError();
    }
    const std::string temporary = target.string() + ".partial-" + std::to_string(::getpid());
    std::error_code ec = Write(temporary, "wbxe", bytes);
    if (!ec && fs::exists(existing)) {
        fs::permissions(temporary, existing.permissions(), ec);
    }
    if (!ec) {
        fs::rename(temporary, target, ec);
    }
    if (ec) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
    }
    return ec;
}

}  // namespace

bool WriteOutputFile(const std::string& path, std::span<const std::uint8_t> bytes,
                     std::string& error) {
    // Through every link at once, so that a loop of links, or a folder on the way that may
    // not be entered, is refused with its reason.
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec && status.type() != fs::file_type::not_found) {
        error = ec.message();
        return false;
    }
    // Then link by link, to find what to replace, stopping at an open descriptor (an entry
    // of /proc/PID/fd, as /dev/stdout is): its link text may not be a path ("pipe:[1]").
    fs::path target = path;
    bool descriptor = false;
    while (fs::is_symlink(target, ec)) {
        const std::string folder = fs::canonical(target.parent_path(), ec).string();
        if (folder.starts_with("/proc/") && folder.ends_with("/fd")) {
            descriptor = true;
            break;
        }
        target = target.parent_path() / fs::read_symlink(target, ec);
    }
    // A device, FIFO or descriptor is appended to where it is, so that a redirected
    // standard output keeps what was written before.
    ec = descriptor || (fs::exists(status) && !fs::is_regular_file(status))
             ? Write(target, "abe", bytes)
             : ReplaceWhole(target, status, bytes);
    error = ec.message();
    return !ec;
}
