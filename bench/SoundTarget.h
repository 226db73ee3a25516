// The synthesizer the sound benchmarks play into, put behind the MIDI mapper: the
// program's own FluidSynth device rendering into a PulseAudio null sink of its own, as it
// renders on a real output; where no null sink can be started, the same synthesizer
// without an audio driver, rendered between the timed calls.
#pragma once

#include <memory>
#include <string>

#include "bench/UnheardSynth.h"
#include "midi/MidiDevice.h"
#include "tools/nullsink/NullSinkServer.h"

namespace bench {

class SoundTarget {
  public:
    SoundTarget();
    ~SoundTarget();

    bool HasAudioOutput() const { return m_unheard == nullptr; }
    std::string Describe() const;

    // Once the device is open: a server just started takes a second or two before it takes
    // the stream's second buffer, and notes timed before then fill a queue nobody empties.
    // Waits until a note is heard at the sink (at once without one); false if it never is.
    bool WaitUntilHeard();

    // Untimed upkeep after each timed note: give the audio thread its period (without a
    // driver, render it here); every few notes let the voices go, as a real drag's notes fade.
    void AfterNote();

  private:
    NullSinkServer m_sink;
    std::unique_ptr<MidiDevice> m_device;
    UnheardSynth* m_unheard = nullptr;
    int m_notesSinceSilence = 0;
};

// The configured output latency of the built-in synthesizer, read back from FluidSynth's
// settings: period size × periods ÷ sample rate.
double ConfiguredAudioLatencyMs();

// Timed notes per repetition: each waits an audio period after it, so the benchmark's own
// choice of thousands would take minutes. bench/run reads the figures under this count.
inline constexpr int kTimedNotes = 200;

}  // namespace bench
