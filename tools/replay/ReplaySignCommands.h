// The commands of sharps, flats and key signatures: `accidental` on the current note, and
// `key` given a number of sharps (negative for flats) besides the names of keys to press.
#pragma once

#include <vector>

#include "tools/replay/ReplayCommand.h"

void AddSignCommands(std::vector<ReplayCommandDefinition>& commands);
