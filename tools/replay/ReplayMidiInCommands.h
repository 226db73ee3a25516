// The commands that hand a MIDI keyboard's messages to the staff and the round, as the
// program does: midiin and midiecho. A malformed message is reported on stderr under the
// number of the script line being run, and sets `failed`.
#pragma once

#include <vector>

#include "tools/replay/ReplayCommand.h"

std::vector<ReplayCommandDefinition> MidiInCommands(bool& failed, const long& lineNumber);
