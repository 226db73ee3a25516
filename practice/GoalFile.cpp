#include "practice/GoalFile.h"

#include "practice/JsonObjectFile.h"

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
    return WriteJsonObject(file, text);
}

}  // namespace practice
