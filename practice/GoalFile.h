// The learner's daily goal, kept beside the progress file in practice-goal.json, replaced
// whole as the last choices are.
#pragma once

#include <filesystem>

#include "practice/DailyGoal.h"

namespace practice {

std::filesystem::path GoalFileBeside(const std::filesystem::path& progressFile);
// The default goal (5 minutes) when the file is missing or not a goal.
DailyGoal LoadDailyGoal(const std::filesystem::path& file);
bool SaveDailyGoal(const std::filesystem::path& file, const DailyGoal& goal);

}  // namespace practice
