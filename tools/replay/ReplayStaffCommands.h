// The commands that drive the staff control: owner operations, mouse messages, and the
// two reports of its notes.
#pragma once

#include <vector>

#include "tools/replay/ReplayCommand.h"

std::vector<ReplayCommandDefinition> StaffCommands();
