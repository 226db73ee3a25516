// The rendered test set and how a run over it is scored: every heard note is matched to
// the played note whose sounding it began in, and anything else heard counts against.
#pragma once

#include <string>
#include <vector>

#include "input/pitch/HeardNote.h"
#include "input/pitch/ListenSettings.h"
#include "input/wav/WavFile.h"

struct PlayedNote {
    int key = 0;
    double onsetMs = 0;
};

struct SetFile {
    std::string name;
    input::WavSound sound;
    std::vector<PlayedNote> notes;
};

struct SetScore {
    int notes = 0;
    int right = 0;
    int octaveWrong = 0;  // heard 12, 24... semitones off
    int otherWrong = 0;
    int missed = 0;
    int extra = 0;                    // a second answer to a note, or one in silence, noise or hum
    std::vector<double> latenciesMs;  // onset to acceptance, right notes only

    void Add(const SetScore& other);
};

// Every NAME.wav with its NAME.notes in `folder`, by name; empty when none can be read.
std::vector<SetFile> LoadTestSet(const std::string& folder);
SetScore ScoreFile(const SetFile& file, const std::vector<input::HeardNote>& heard);
// What Canzet's listener hears in a whole recording.
std::vector<input::HeardNote> HeardByCanzet(const input::WavSound& sound,
                                            const input::ListenSettings& settings);
// The value below which `share` (0 to 1) of the values lie.
double Percentile(std::vector<double> values, double share);
