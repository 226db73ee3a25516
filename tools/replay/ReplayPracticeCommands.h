// The commands that run practice rounds: practice, history, answer, confirm, again, next,
// wait and stats. A command that comes when the round cannot take it is reported on
// stderr under the number of the script line being run, and sets `failed`.
#pragma once

#include <vector>

#include "tools/replay/ReplayCommand.h"

std::vector<ReplayCommandDefinition> PracticeCommands(bool& failed, const long& lineNumber);
// Makes `up` confirm a Place or Hear answer when it ends a drag, as the practice window does.
void ConfirmOnRelease(std::vector<ReplayCommandDefinition>& commands);
