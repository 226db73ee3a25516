#include "tools/testset/TestSetScore.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "input/pitch/NoteListener.h"

namespace {

// A note's answer may start a little before its onset (the detector's frame reaches back)
// and no later than its end.
constexpr double kEarlyMs = 40;
constexpr double kLengthMs = 600;

}  // namespace

void SetScore::Add(const SetScore& other) {
    notes += other.notes;
    right += other.right;
    octaveWrong += other.octaveWrong;
    otherWrong += other.otherWrong;
    missed += other.missed;
    extra += other.extra;
    latenciesMs.insert(latenciesMs.end(), other.latenciesMs.begin(), other.latenciesMs.end());
}

std::vector<SetFile> LoadTestSet(const std::string& folder) {
    std::vector<SetFile> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.path().extension() != ".notes") {
            continue;
        }
        SetFile file;
        file.name = entry.path().stem().string();
        std::ifstream notes(entry.path());
        for (PlayedNote note; notes >> note.key >> note.onsetMs;) {
            file.notes.push_back(note);
        }
        std::filesystem::path wav = entry.path();
        file.sound = input::ReadWavFile(wav.replace_extension(".wav").string());
        if (!file.sound.error.empty() || file.notes.empty()) {
            return {};
        }
        files.push_back(std::move(file));
    }
    std::sort(files.begin(), files.end(),
              [](const SetFile& a, const SetFile& b) { return a.name < b.name; });
    return files;
}

SetScore ScoreFile(const SetFile& file, const std::vector<input::HeardNote>& heard) {
    SetScore score;
    score.notes = static_cast<int>(file.notes.size());
    std::vector<bool> answered(file.notes.size(), false);
    for (const input::HeardNote& h : heard) {
        const auto played = std::find_if(file.notes.begin(), file.notes.end(), [&](auto& n) {
            return h.onsetMs >= n.onsetMs - kEarlyMs && h.onsetMs < n.onsetMs + kLengthMs;
        });
        const auto index = static_cast<std::size_t>(played - file.notes.begin());
        if (played == file.notes.end() || answered[index]) {
            ++score.extra;
            continue;
        }
        answered[index] = true;
        const int off = h.key - played->key;
        if (off == 0) {
            ++score.right;
            score.latenciesMs.push_back(h.acceptedMs - played->onsetMs);
        } else if (off % 12 == 0) {
            ++score.octaveWrong;
        } else {
            ++score.otherWrong;
        }
    }
    score.missed = static_cast<int>(std::count(answered.begin(), answered.end(), false));
    return score;
}

double Percentile(std::vector<double> values, double share) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(std::ceil(share * values.size())) - 1;
    return values[std::min(at, values.size() - 1)];
}

std::vector<input::HeardNote> HeardByCanzet(const input::WavSound& sound,
                                            const input::ListenSettings& settings) {
    input::NoteListener listener(sound.sampleRate, settings);
    std::vector<input::HeardNote> heard;
    listener.Feed(sound.samples.data(), sound.samples.size(),
                  [&](const input::HeardNote& note) { heard.push_back(note); });
    return heard;
}
