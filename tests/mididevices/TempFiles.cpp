#include "TempFiles.h"

#include <unistd.h>

#include <fstream>
#include <iterator>
#include <vector>

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "canzet-test-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    m_path = mkdtemp(buffer.data());
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string TempFolder::CopyPrefix(const std::string& source, std::size_t length,
                                   const std::string& name) const {
    std::ifstream in(source, std::ios::binary);
    std::string bytes(length, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(length));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return Write(bytes, name);
}

std::string TempFolder::Write(const std::string& bytes, const std::string& name) const {
    const std::filesystem::path path = Path(name);
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path.string();
}
