// The detector and the acceptance rules together: what the microphone and canzet-replay
// both run, so that a recording is judged exactly as live sound is.
#pragma once

#include <cstddef>
#include <functional>

#include "input/pitch/HeardNote.h"
#include "input/pitch/ListenSettings.h"
#include "input/pitch/NoteAcceptor.h"
#include "input/pitch/PitchDetector.h"

namespace input {

class NoteListener {
  public:
    NoteListener(int sampleRate, const ListenSettings& settings);

    int HopSamples() const { return m_detector.HopSamples(); }
    // Calls `heard` for each note accepted within these samples; `frame` (if given) with
    // every hop's pitch, for drawing.
    void Feed(const float* samples, std::size_t count,
              const std::function<void(const HeardNote&)>& heard,
              const std::function<void(const PitchFrame&)>& frame = {});

  private:
    PitchDetector m_detector;
    NoteAcceptor m_acceptor;
};

}  // namespace input
