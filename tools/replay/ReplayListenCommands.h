// The commands that answer by ear: listen FILE feeds a WAV file through the program's pitch
// detector and acceptance rules, hop by hop, moving the round's clock with the audio, and
// prints `heard KEY MS` and `accepted MS` for each note taken; listen-octave, listen-hold
// and listen-a4 set the choices. A file that cannot be listened to is reported on stderr
// under the number of the script line being run, and sets `failed`.
#pragma once

#include <vector>

#include "tools/replay/ReplayCommand.h"

std::vector<ReplayCommandDefinition> ListenCommands(bool& failed, const long& lineNumber);
