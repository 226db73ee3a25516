// How practice starts: whether the practice dialog opens over the main one at start-up,
// and where the learner's progress is kept.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include "staff/NoteNames.h"

namespace practice {
class PracticeClock;
}

struct PracticeSetup {
    // --practice.
    bool openAtStart = false;
    // --names: the dialog's choice of names, over the one remembered.
    std::optional<staff::NameSystem> names;
    // --listen: the microphone answers, heard notes judged by pitch and octave.
    bool listen = false;
    // --progress-file; empty: practice.jsonl in the user's data folder.
    std::filesystem::path progressFile;
    // The clock and the seed of the rounds; by default the system's clocks and a seed
    // taken from the time. Tests set both.
    practice::PracticeClock* clock = nullptr;
    std::optional<std::uint64_t> seed;
};
