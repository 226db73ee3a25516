#include "practice/JsonObjectFile.h"

#include <fstream>
#include <system_error>

namespace practice {

nlohmann::ordered_json ReadJsonObject(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return nlohmann::ordered_json::object();
    }
    nlohmann::ordered_json object = nlohmann::ordered_json::parse(in, nullptr, false);
    return object.is_object() ? object : nlohmann::ordered_json::object();
}

bool WriteJsonObject(const std::filesystem::path& file, const nlohmann::ordered_json& object) {
    std::error_code error;
    if (file.has_parent_path()) {
        std::filesystem::create_directories(file.parent_path(), error);
    }
    std::filesystem::path temporary = file;
    temporary += ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << object.dump() << '\n';
        if (!out.flush()) {
            std::filesystem::remove(temporary, error);
            return false;
        }
    }
    std::filesystem::rename(temporary, file, error);
    return !error;
}

}  // namespace practice
