// The entries of a compiled resource file (.res): a run of records, each a header that
// names the resource by type, name and language, followed by its data, DWORD aligned.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Resource types by number.
enum ResourceType : std::uint16_t {
    kRtBitmap = 2,
    kRtIcon = 3,
    kRtDialog = 5,
    kRtString = 6,
    kRtGroupIcon = 14,
    kRtVersion = 16,
};

// A type or name: a number, or a string (UTF-8) when the script used a name.
struct ResourceName {
    bool isNumber = true;
    std::uint16_t number = 0;
    std::string text;

    bool Is(std::uint16_t n) const { return isNumber && number == n; }
};

struct ResourceEntry {
    ResourceName type;
    ResourceName name;
    std::uint32_t dataVersion = 0;
    std::uint16_t memoryFlags = 0;
    std::uint16_t language = 0;
    std::uint32_t version = 0;
    std::uint32_t characteristics = 0;
    std::span<const std::uint8_t> data;  // points into the parsed bytes
};

class ResourceFile {
  public:
    // Reads every entry; nullopt if any header or data runs past the end or is malformed.
    // The entries point into `bytes`, which must outlive the result.
    static std::optional<ResourceFile> Parse(std::span<const std::uint8_t> bytes);

    const std::vector<ResourceEntry>& Entries() const { return m_entries; }
    // The entry of the given numeric type and id in the given language, or nullptr.
    const ResourceEntry* Find(std::uint16_t type, std::uint16_t id, std::uint16_t language) const;

  private:
    std::vector<ResourceEntry> m_entries;
};
