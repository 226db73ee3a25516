// The choices of the learner's last round, kept beside the progress file so that the next
// round starts from them: a small JSON object, replaced whole (a temporary file, then a
// rename) so that it is either the old choices or the new ones.
#pragma once

#include <filesystem>
#include <optional>

#include "practice/RoundSettings.h"
#include "staff/NoteNames.h"

namespace practice {

// Nullopt when the file is missing or not valid choices; the seed is not kept.
std::optional<RoundSettings> LoadLastChoices(const std::filesystem::path& file);
// False when the file could not be written; the round does not depend on it. What else
// the file keeps stays.
bool SaveLastChoices(const std::filesystem::path& file, const RoundSettings& settings);
// Whether keys played on a MIDI keyboard sound through the program, kept in the same file;
// nullopt when it holds no such choice.
std::optional<bool> LoadMidiEcho(const std::filesystem::path& file);
bool SaveMidiEcho(const std::filesystem::path& file, bool echo);
// How the practice dialog names notes, kept in the same file.
std::optional<staff::NameSystem> LoadNames(const std::filesystem::path& file);
bool SaveNames(const std::filesystem::path& file, staff::NameSystem names);

}  // namespace practice
