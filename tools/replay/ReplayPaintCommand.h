// The `paint FILE` command: a whole repaint of the control (all of it invalidated, then
// WM_PAINT), written as the 600 x 160 picture the screen shows, a 24-bit BMP.
#pragma once

#include "tools/replay/ReplayCommand.h"

// `failed` is set when a picture cannot be written; the reason goes to stderr, under the
// number of the script line being run, which `lineNumber` holds.
ReplayCommandDefinition PaintCommand(bool& failed, const long& lineNumber);
