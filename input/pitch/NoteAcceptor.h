// The rules that make one answer of one sung or played note: the sound must open the level
// gate, and then the same semitone must be found, confidently and within E2-C6, for the
// hold time. Pitches before that (the unsettled start of an attack, a slide) only move the
// start of the hold; once a note is taken nothing more is, however long it rings, until
// the sound has fallen through the gate for longer than a moment, a new note rises sharply
// out of its tail, or another semitone rises clearly over its fading release.
#pragma once

#include <array>
#include <optional>

#include "input/pitch/HeardNote.h"
#include "input/pitch/LevelGate.h"
#include "input/pitch/ListenSettings.h"
#include "input/pitch/PitchFrame.h"

namespace input {

// The nearest key to `hz` and how far from it, in cents, for an A4 of `a4Hz`.
struct KeyPitch {
    int key = 0;
    double cents = 0;
};
KeyPitch KeyOf(double hz, double a4Hz);

class NoteAcceptor {
  public:
    // `frameMs`: how far back the detector's frames look, which bounds an onset.
    NoteAcceptor(const ListenSettings& settings, double frameMs);

    // The note this frame completes, if any.
    std::optional<HeardNote> Take(const PitchFrame& frame);
    bool GateOpen() const { return m_gate.Open(); }

  private:
    enum class State { Quiet, Listening, Taken };

    bool Confident(const PitchFrame& frame) const;
    enum class Rise { None, Sharp, OtherSemitone };
    void FollowTail(const PitchFrame& frame);
    Rise RiseOverTail(const PitchFrame& frame) const;
    double OnsetOf(const PitchFrame& frame, double loudDb) const;
    // `excludedKey`: a semitone that cannot start the hold, -1 for none.
    void Begin(double onsetMs, int excludedKey);

    struct Hop {
        double startMs = 0;
        double levelDb = -120;
        double frameLevelDb = -120;
    };

    ListenSettings m_settings;
    double m_frameMs;
    LevelGate m_gate;
    std::array<Hop, 12> m_recent{};  // the newest hops, a ring
    std::size_t m_newest = 0;
    State m_state = State::Quiet;
    double m_onsetMs = 0;
    int m_runKey = -1;  // the semitone being held, -1 when none
    int m_excludedKey = -1;
    double m_runStartMs = 0;
    int m_misses = 0;
    int m_takenKey = -1;
    double m_quietestSinceTakenDb = 0;
    double m_loudestSinceTakenDb = 0;
    double m_fadeDb = 0;    // the quietest since the loudest
    double m_closedMs = 0;  // when the gate last closed
};

}  // namespace input
