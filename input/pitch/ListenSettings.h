// The learner's choices for answering by ear: how long a note must be held before it counts
// and which A4 the instrument is tuned to.
#pragma once

namespace input {

struct ListenSettings {
    static constexpr int kMinHoldMs = 40;
    static constexpr int kMaxHoldMs = 300;
    static constexpr int kDefaultHoldMs = 60;
    static constexpr double kMinA4Hz = 415.0;
    static constexpr double kMaxA4Hz = 466.0;
    static constexpr double kDefaultA4Hz = 440.0;
    // The notes a learner sings or plays: E2, the bass clef's lowest, to C6.
    static constexpr int kLowestKey = 40;
    static constexpr int kHighestKey = 84;

    int holdMs = kDefaultHoldMs;
    double a4Hz = kDefaultA4Hz;

    bool Valid() const {
        return holdMs >= kMinHoldMs && holdMs <= kMaxHoldMs && a4Hz >= kMinA4Hz && a4Hz <= kMaxA4Hz;
    }
};

}  // namespace input
