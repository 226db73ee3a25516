// Scratch files and folders for one test, removed when it ends.
#pragma once

#include <filesystem>
#include <string>

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::filesystem::path Path(const std::string& name) const { return m_path / name; }
    // Writes the first `length` bytes of `source` (all of it when longer) to a new file.
    std::string CopyPrefix(const std::string& source, std::size_t length,
                           const std::string& name) const;
    std::string Write(const std::string& bytes, const std::string& name) const;

  private:
    std::filesystem::path m_path;
};
