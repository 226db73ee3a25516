// A small file holding one JSON object, such as the learner's last choices: read whole, and
// replaced whole or not at all.
#pragma once

#include <filesystem>
#include <nlohmann/json.hpp>

namespace practice {

// The file's object; empty when it is missing or holds none.
nlohmann::ordered_json ReadJsonObject(const std::filesystem::path& file);
// Through a temporary file and a rename, so a crash leaves the old file or the new one.
bool WriteJsonObject(const std::filesystem::path& file, const nlohmann::ordered_json& object);

}  // namespace practice
