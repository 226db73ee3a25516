#include "bench/SoundTarget.h"

#include <fluidsynth.h>

#include <string>
#include <vector>

#include "midi/MidiMapper.h"
#include "midi/fluidsynth/AudioSettings.h"
#include "midi/fluidsynth/FluidSynthDevice.h"
#include "midi/fluidsynth/FluidSynthEngine.h"

namespace bench {

namespace {

// A drag sounds a handful of notes while earlier ones still ring.
constexpr int kNotesPerSilence = 16;
constexpr DWORD kAllSoundOffChannel1 = 0x000078B0;

// Only a synth that renders counts: one waiting for an output drops its notes.
std::unique_ptr<MidiDevice> OpenRealSynth(const NullSinkServer& sink) {
    if (!sink.Running()) {
        return nullptr;
    }
    auto device = std::make_unique<FluidSynthDevice>(audio_settings::kDefaultSoundfont,
                                                     std::vector<std::string>{"pulseaudio"});
    MIDIOUTCAPSA caps{};
    if (device->GetCaps(caps) != MMSYSERR_NOERROR || device->Open() != MMSYSERR_NOERROR) {
        return nullptr;
    }
    const bool heard = device->Heard();
    device->Close();
    return heard ? std::move(device) : nullptr;
}

}  // namespace

SoundTarget::SoundTarget() : m_device(OpenRealSynth(m_sink)) {
    if (m_device == nullptr) {
        auto unheard = std::make_unique<UnheardSynth>();
        m_unheard = unheard.get();
        m_device = std::move(unheard);
    }
    SetMidiMapperDevice(m_device.get());
}

SoundTarget::~SoundTarget() {
    SetMidiMapperDevice(nullptr);
}

std::string SoundTarget::Describe() const {
    return HasAudioOutput()
               ? "FluidSynth through PulseAudio into a null sink"
               : "FluidSynth without an audio driver, rendered between notes (no null sink here)";
}

void SoundTarget::AfterNote() {
    if (m_unheard != nullptr) {
        m_unheard->RenderPeriod();
    }
    if (++m_notesSinceSilence < kNotesPerSilence) {
        return;
    }
    m_notesSinceSilence = 0;
    if (m_unheard != nullptr) {
        m_unheard->Silence();
    } else {
        m_device->ShortMsg(kAllSoundOffChannel1);
    }
}

double ConfiguredAudioLatencyMs() {
    const auto engine = FluidSynthEngine::Load(audio_settings::kDefaultSoundfont);
    if (engine == nullptr) {
        return -1.0;
    }
    fluid_settings_t* settings = fluid_synth_get_settings(engine->Synth());
    int periodSize = 0;
    int periods = 0;
    double rate = 0.0;
    fluid_settings_getint(settings, "audio.period-size", &periodSize);
    fluid_settings_getint(settings, "audio.periods", &periods);
    fluid_settings_getnum(settings, "synth.sample-rate", &rate);
    return rate > 0.0 ? 1000.0 * periodSize * periods / rate : -1.0;
}

}  // namespace bench
