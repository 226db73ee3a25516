#include "practice/GoalFile.h"

#include <fstream>
#include <nlohmann/json.hpp>
#include <system_error>

namespace practice {

std::filesystem::path GoalFileBeside(const std::filesystem::path& progressFile) {
    return progressFile.parent_path() / "practice-goal.json";
}

DailyGoal LoadDailyGoal(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    const nlohmann::json goal = in ? nlohmann::json::parse(in, nullptr, false) : nlohmann::json();
    if (!goal.is_object() || !goal.contains("kind") || !goal["kind"].is_string() ||
        !goal.contains("amount") || !goal["amount"].is_number_integer()) {
        return {};
    }
    const auto kind = GoalKindNamed(goal["kind"].get<std::string>());
    const int amount = goal["amount"].get<int>();
    return kind && amount > 0 ? DailyGoal{*kind, amount} : DailyGoal{};
}

bool SaveDailyGoal(const std::filesystem::path& file, const DailyGoal& goal) {
    const nlohmann::ordered_json text = {{"kind", NameOf(goal.kind)}, {"amount", goal.amount}};
    std::error_code error;
    if (file.has_parent_path()) {
        std::filesystem::create_directories(file.parent_path(), error);
    }
    std::filesystem::path temporary = file;
    temporary += ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text.dump() << '\n';
        if (!out.flush()) {
            std::filesystem::remove(temporary, error);
            return false;
        }
    }
    std::filesystem::rename(temporary, file, error);
    return !error;
}

}  // namespace practice
