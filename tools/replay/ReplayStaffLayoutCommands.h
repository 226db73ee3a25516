// The commands that shape the staff: its clef and how many ledger lines it makes room for.
#pragma once

#include "tools/replay/ReplayCommand.h"

// `clef treble|bass|alto|tenor`.
ReplayCommandDefinition ClefCommand();
// `ledger 1|2|3|4`: the staff and its window take the height of that many ledger lines.
ReplayCommandDefinition LedgerCommand();
