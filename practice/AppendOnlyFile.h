// A file opened for appending only, where each Append is one system write of the whole
// buffer at the end of the file, flushed to the disk before it returns. One implementation
// per system (SystemFilesPosix.cpp, SystemFilesWindows.cpp).
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>

#include "practice/SaveFailure.h"

namespace practice {

class AppendOnlyFile {
  public:
    // Opens `path`, creating it when missing; nullptr and `failure` set when it cannot.
    static std::unique_ptr<AppendOnlyFile> Open(const std::filesystem::path& path,
                                                SaveFailure& failure);
    ~AppendOnlyFile();
    AppendOnlyFile(const AppendOnlyFile&) = delete;
    AppendOnlyFile& operator=(const AppendOnlyFile&) = delete;

    // A failure may leave part of `bytes` written.
    std::optional<SaveFailure> Append(std::string_view bytes);

  private:
    AppendOnlyFile(std::filesystem::path path, std::intptr_t handle)
        : m_path(std::move(path)), m_handle(handle) {}

    std::filesystem::path m_path;
    std::intptr_t m_handle;  // a descriptor, or a HANDLE
};

}  // namespace practice
