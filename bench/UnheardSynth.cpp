#include "bench/UnheardSynth.h"

#include <fluidsynth.h>

#include <array>

#include "midi/fluidsynth/AudioSettings.h"

namespace bench {

MMRESULT UnheardSynth::GetCaps(MIDIOUTCAPSA& caps) {
    caps = MIDIOUTCAPSA{};
    return MMSYSERR_NOERROR;
}

MMRESULT UnheardSynth::Open() {
    m_engine = FluidSynthEngine::Load(audio_settings::kDefaultSoundfont);
    return m_engine != nullptr ? MMSYSERR_NOERROR : MMSYSERR_ERROR;
}

MMRESULT UnheardSynth::ShortMsg(DWORD message) {
    if (m_engine == nullptr) {
        return MMSYSERR_INVALHANDLE;
    }
    m_engine->Send(message);
    return MMSYSERR_NOERROR;
}

MMRESULT UnheardSynth::Close() {
    m_engine.reset();
    return MMSYSERR_NOERROR;
}

void UnheardSynth::RenderPeriod() {
    std::array<float, 2 * audio_settings::kPeriodSize> frames{};
    fluid_synth_write_float(m_engine->Synth(), audio_settings::kPeriodSize, frames.data(), 0, 2,
                            frames.data(), 1, 2);
}

void UnheardSynth::Silence() {
    fluid_synth_all_sounds_off(m_engine->Synth(), -1);
    RenderPeriod();
}

}  // namespace bench
