#include "tools/replay/OutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// Links are followed one at a time up to this depth, as the kernel does.
constexpr int kMaxLinkDepth = 40;

// An entry of /proc/PID/fd (reached as /dev/stdout or /dev/fd/N) names an open file
// whose link text may not be a path at all ("pipe:[1234]").
bool IsDescriptorLink(const fs::path& link) {
    std::error_code ec;
    const std::string folder = fs::canonical(link.parent_path(), ec).string();
    return !ec && folder.starts_with("/proc/") && folder.ends_with("/fd");
}

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

bool Fail(std::string& error, int reason) {
    error = std::strerror(reason);
    return false;
}

// A device, FIFO or descriptor: opened as it is, appended to so that a redirected
// standard output keeps what was written before.
bool WriteInPlace(const fs::path& path, std::span<const std::uint8_t> bytes, std::string& error) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return Fail(error, errno);
    }
    const bool ok = WriteAll(fd, bytes);
    const int reason = errno;
    if (::close(fd) != 0 && ok) {
        return Fail(error, errno);
    }
    return ok || Fail(error, reason);
}

// A temporary file beside the target, renamed over it once complete. An existing file
// keeps its permissions, and one the user may not write stays as it is.
bool WriteAtomically(const fs::path& target, std::span<const std::uint8_t> bytes,
                     std::string& error) {
    struct stat existing {};
    mode_t mode = 0;
    if (::stat(target.c_str(), &existing) == 0) {
        if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
            return Fail(error, errno);
        }
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    std::string temporary = target.string() + ".partial-XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        return Fail(error, errno);
    }
    bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, bytes);
    int reason = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        reason = errno;
    }
    if (ok && ::rename(temporary.c_str(), target.c_str()) != 0) {
        ok = false;
        reason = errno;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        return Fail(error, reason);
    }
    return true;
}

}  // namespace

bool WriteOutputFile(const std::string& path, std::span<const std::uint8_t> bytes,
                     std::string& error) {
    fs::path target = path;
    for (int depth = 0;; ++depth) {
        struct stat link {};
        if (::lstat(target.c_str(), &link) != 0) {
            if (errno != ENOENT) {
                return Fail(error, errno);
            }
            return WriteAtomically(target, bytes, error);
        }
        if (S_ISREG(link.st_mode)) {
            return WriteAtomically(target, bytes, error);
        }
        if (!S_ISLNK(link.st_mode) || IsDescriptorLink(target)) {
            return WriteInPlace(target, bytes, error);
        }
        if (depth == kMaxLinkDepth) {
            return Fail(error, ELOOP);
        }
        std::error_code ec;
        const fs::path linked = fs::read_symlink(target, ec);
        if (ec) {
            error = ec.message();
            return false;
        }
        target = target.parent_path() / linked;
    }
}
