// A note's name in words, in the language the resources are read in, with its octave told
// as its naming system tells it.
#pragma once

#include <string>

#include "staff/NoteNames.h"

namespace staff {

// `letters` is the note's letter name in the caller's words ("G4", "升F4"), which is all
// the letters system says.
// On its own: "G4", "高音sol" / "sol (high)", "中音5" / "5 (middle)".
std::string NoteWords(const NoteName& name, NameSystem system, const std::string& letters);
// With the letter name beside it, which tells the octave too: "G4", "5（G4）",
// "高音2（D5）" / "re (high, D5)".
std::string NoteWordsWithLetters(const NoteName& name, NameSystem system,
                                 const std::string& letters);

}  // namespace staff
