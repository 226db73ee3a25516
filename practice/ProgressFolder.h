// Where the learner's progress lives: $XDG_DATA_HOME/canzet (~/.local/share/canzet when
// unset) on Linux, %APPDATA%\Canzet on Windows.
#pragma once

#include <filesystem>

namespace practice {

// Empty when the system names no such folder (no HOME, no APPDATA).
std::filesystem::path ProgressFolder();
// ProgressFolder()/practice.jsonl.
std::filesystem::path DefaultProgressFile();
// The file of the last choices, beside the progress file: practice-choices.json.
std::filesystem::path ChoicesFileBeside(const std::filesystem::path& progressFile);

}  // namespace practice
