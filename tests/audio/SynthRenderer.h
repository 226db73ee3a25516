// Plays short messages into the built-in synthesizer the way the device does and renders
// what it sounds into a buffer, with no audio driver.
#pragma once

#include <memory>
#include <vector>

#include "midi/fluidsynth/FluidSynthEngine.h"
#include "platform/WinTypes.h"

class SynthRenderer {
  public:
    // Loads the soundfont the device uses; check Loaded() before use.
    SynthRenderer();

    bool Loaded() const { return m_engine != nullptr; }
    // The same path the device gives what the program sends.
    void Send(DWORD message);
    // The left channel of the next `frames` frames.
    std::vector<float> Render(int frames);

  private:
    std::unique_ptr<FluidSynthEngine> m_engine;
};
