// A cheap look at a file before handing it to the synthesizer: a SoundFont 2 file is a RIFF
// file of form "sfbk", and the RIFF header states its full length, which tells a truncated
// copy from a whole one without reading the samples.
#pragma once

#include <string>

bool LooksLikeSoundfont(const std::string& path);
