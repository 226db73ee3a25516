// The program's version, as its embedded version block gives it.
#pragma once

#include <string>

// "MAJOR.MINOR.PATCH.BUILD" from the fixed part's product version; empty if the block is
// missing or malformed.
std::string ProgramVersion();
