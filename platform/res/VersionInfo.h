// The version block of a program: the fixed part, the string tables and the translations.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct FixedFileInfo {
    std::uint32_t signature = 0;  // 0xFEEF04BD
    std::uint32_t structVersion = 0;
    std::uint32_t fileVersionMs = 0;  // high word major, low word minor
    std::uint32_t fileVersionLs = 0;
    std::uint32_t productVersionMs = 0;
    std::uint32_t productVersionLs = 0;
    std::uint32_t fileFlagsMask = 0;
    std::uint32_t fileFlags = 0;
    std::uint32_t fileOs = 0;
    std::uint32_t fileType = 0;
    std::uint32_t fileSubtype = 0;
    std::uint32_t fileDateMs = 0;
    std::uint32_t fileDateLs = 0;
};

struct VersionStringTable {
    std::string key;  // language and code page as eight hex digits, e.g. "080404b0"
    std::vector<std::pair<std::string, std::string>> entries;  // in stored order, UTF-8
};

struct VersionTranslation {
    std::uint16_t language = 0;
    std::uint16_t codePage = 0;
};

struct VersionInfo {
    FixedFileInfo fixed;
    std::vector<VersionStringTable> stringTables;
    std::vector<VersionTranslation> translations;

    // The value of `key` in the string table `tableKey`, or nullptr.
    const std::string* Find(const std::string& tableKey, const std::string& key) const;
};
