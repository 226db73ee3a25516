// The words of the sound device's lines, from the string table of the language resources
// are read in.
#pragma once

#include "midi/SoundWords.h"

SoundWords SoundLineWords();
