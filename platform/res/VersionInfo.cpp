#include "platform/res/VersionInfo.h"

const std::string* VersionInfo::Find(const std::string& tableKey, const std::string& key) const {
    for (const VersionStringTable& table : stringTables) {
        if (table.key != tableKey) {
            continue;
        }
        for (const auto& [name, value] : table.entries) {
            if (name == key) {
                return &value;
            }
        }
    }
    return nullptr;
}
