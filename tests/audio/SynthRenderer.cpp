#include "SynthRenderer.h"

#include <fluidsynth.h>

#include "midi/fluidsynth/AudioSettings.h"

SynthRenderer::SynthRenderer()
    : m_engine(FluidSynthEngine::Load(audio_settings::kDefaultSoundfont)) {}

void SynthRenderer::Send(DWORD message) {
    m_engine->Send(message);
}

std::vector<float> SynthRenderer::Render(int frames) {
    std::vector<float> left(frames);
    std::vector<float> right(frames);
    fluid_synth_write_float(m_engine->Synth(), frames, left.data(), 0, 1, right.data(), 0, 1);
    return left;
}
