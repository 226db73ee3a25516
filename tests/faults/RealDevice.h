// Tests of the real devices with a scratch folder of their own, made before each test and
// removed after it however the test ends.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>

#include "WithSoundfont.h"

class ScratchFolder {
  public:
    ScratchFolder()
        : m_path(std::filesystem::temp_directory_path() /
                 ("canzet-faults-" + std::to_string(getpid()))) {
        std::filesystem::create_directories(m_path);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

  private:
    std::filesystem::path m_path;
};

class RealDevice : public WithSoundfont {
  protected:
    ScratchFolder scratch;
};
