// The progress file's system calls and the data folder on Windows.
#include <windows.h>

#include <cstdlib>

#include "practice/AppendOnlyFile.h"
#include "practice/ProgressFolder.h"

namespace practice {
namespace {

constexpr SystemError kKnownErrors[] = {{ERROR_ACCESS_DENIED, SaveProblem::NoPermission},
                                        {ERROR_WRITE_PROTECT, SaveProblem::NoPermission},
                                        {ERROR_SHARING_VIOLATION, SaveProblem::NoPermission},
                                        {ERROR_DISK_FULL, SaveProblem::DiskFull},
                                        {ERROR_HANDLE_DISK_FULL, SaveProblem::DiskFull},
                                        {ERROR_DIRECTORY, SaveProblem::NotAFile},
                                        {ERROR_PATH_NOT_FOUND, SaveProblem::NotAFile}};

SaveFailure FailureOf(const std::filesystem::path& path, DWORD error) {
    const SaveProblem problem = ProblemOf(error, kKnownErrors);
    char text[256] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                   MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), text, sizeof(text), nullptr);
    std::string detail = text;
    while (!detail.empty() &&
           (detail.back() == '\n' || detail.back() == '\r' || detail.back() == '.')) {
        detail.pop_back();
    }
    return {path, problem, detail.empty() ? "error " + std::to_string(error) : detail};
}

}  // namespace

std::unique_ptr<AppendOnlyFile> AppendOnlyFile::Open(const std::filesystem::path& path,
                                                     SaveFailure& failure) {
    // Append access alone: every write lands at the end of the file as one piece, whoever
    // else appends; others may read, write and rename it meanwhile.
    const HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA | SYNCHRONIZE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        failure = FailureOf(path, GetLastError());
        return nullptr;
    }
    return std::unique_ptr<AppendOnlyFile>(
        new AppendOnlyFile(path, reinterpret_cast<std::intptr_t>(file)));
}

AppendOnlyFile::~AppendOnlyFile() {
    CloseHandle(reinterpret_cast<HANDLE>(m_handle));
}

std::optional<SaveFailure> AppendOnlyFile::Append(std::string_view bytes) {
    const HANDLE file = reinterpret_cast<HANDLE>(m_handle);
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) {
        return FailureOf(m_path, GetLastError());
    }
    if (written != bytes.size()) {
        return FailureOf(m_path, ERROR_DISK_FULL);
    }
    if (!FlushFileBuffers(file)) {
        return FailureOf(m_path, GetLastError());
    }
    return std::nullopt;
}

std::filesystem::path ProgressFolder() {
    const wchar_t* appData = _wgetenv(L"APPDATA");
    if (appData == nullptr || appData[0] == L'\0') {
        return {};
    }
    return std::filesystem::path(appData) / L"Canzet";
}

}  // namespace practice
