// The built-in synthesizer with its soundfont loaded but no audio driver: the note-on path
// of the real device (decode, then FluidSynth) on a machine that has no audio output. The
// benchmark renders its audio itself, between the timed calls, as the driver would.
#pragma once

#include <memory>

#include "midi/MidiDevice.h"
#include "midi/fluidsynth/FluidSynthEngine.h"

namespace bench {

class UnheardSynth : public MidiDevice {
  public:
    MMRESULT GetCaps(MIDIOUTCAPSA& caps) override;
    MMRESULT Open() override;
    MMRESULT ShortMsg(DWORD message) override;
    MMRESULT Close() override;

    // Renders one audio period, letting finished voices go as the audio thread would.
    void RenderPeriod();
    // Releases every sounding voice, so that a long benchmark keeps the voice count of a
    // real drag instead of running into the polyphony limit.
    void Silence();

  private:
    std::unique_ptr<FluidSynthEngine> m_engine;
};

}  // namespace bench
