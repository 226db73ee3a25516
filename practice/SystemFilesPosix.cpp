// The progress file's system calls and the data folder on Linux and other POSIX systems.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "practice/AppendOnlyFile.h"
#include "practice/ProgressFolder.h"

namespace practice {
namespace {

constexpr SystemError kKnownErrors[] = {
    {EACCES, SaveProblem::NoPermission}, {EPERM, SaveProblem::NoPermission},
    {EROFS, SaveProblem::NoPermission},  {ENOSPC, SaveProblem::DiskFull},
    {EDQUOT, SaveProblem::DiskFull},     {EISDIR, SaveProblem::NotAFile},
    {ENOTDIR, SaveProblem::NotAFile}};

SaveFailure FailureOf(const std::filesystem::path& path, int error) {
    return {path, ProblemOf(static_cast<unsigned long>(error), kKnownErrors), std::strerror(error)};
}

}  // namespace

std::unique_ptr<AppendOnlyFile> AppendOnlyFile::Open(const std::filesystem::path& path,
                                                     SaveFailure& failure) {
    // O_APPEND: the system moves to the end and writes as one step, whoever else appends.
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        failure = FailureOf(path, errno);
        return nullptr;
    }
    return std::unique_ptr<AppendOnlyFile>(new AppendOnlyFile(path, fd));
}

AppendOnlyFile::~AppendOnlyFile() {
    ::close(static_cast<int>(m_handle));
}

std::optional<SaveFailure> AppendOnlyFile::Append(std::string_view bytes) {
    const int fd = static_cast<int>(m_handle);
    ssize_t written = -1;
    do {
        written = ::write(fd, bytes.data(), bytes.size());
    } while (written < 0 && errno == EINTR);
    if (written < 0) {
        return FailureOf(m_path, errno);
    }
    // A regular file takes a whole write unless the disk is full; what is left is not
    // written separately, as another program's line could come between the two pieces.
    if (static_cast<std::size_t>(written) != bytes.size()) {
        return FailureOf(m_path, ENOSPC);
    }
    if (::fsync(fd) != 0) {
        return FailureOf(m_path, errno);
    }
    return std::nullopt;
}

std::filesystem::path ProgressFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    // An empty or relative value is to be ignored, as the base-directory rules say.
    if (data != nullptr && data[0] == '/') {
        return std::filesystem::path(data) / "canzet";
    }
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] == '\0') {
        return {};
    }
    return std::filesystem::path(home) / ".local" / "share" / "canzet";
}

}  // namespace practice
