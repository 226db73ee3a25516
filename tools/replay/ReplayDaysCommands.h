// The commands of practice across days: today, goal, due, streak, days and review.
#pragma once

#include <vector>

#include "tools/replay/ReplayCommand.h"

std::vector<ReplayCommandDefinition> DaysCommands(bool& failed, const long& lineNumber);
