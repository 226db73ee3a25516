#include "bench/SoundTarget.h"

#include <fluidsynth.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "midi/MidiMapper.h"
#include "midi/fluidsynth/AudioSettings.h"
#include "midi/fluidsynth/FluidSynthDevice.h"
#include "midi/fluidsynth/FluidSynthEngine.h"
#include "tools/nullsink/SinkRecorder.h"

namespace bench {

namespace {

// A drag sounds a handful of notes while earlier ones still ring.
constexpr int kNotesPerSilence = 16;
// A fast drag crosses a line every few milliseconds, not every few microseconds: notes sent
// faster than the audio thread takes them overflow the synth's event queue, and each one
// then costs a warning written to stderr instead of a note-on.
constexpr std::chrono::microseconds kAudioPeriod(1000000LL * audio_settings::kPeriodSize /
                                                 audio_settings::kSampleRate);
constexpr DWORD kAllSoundOffChannel1 = 0x000078B0;
constexpr DWORD kNoteOn = 0x504790;  // key 71, velocity 80, channel 1
constexpr float kHeard = 0.01F;      // -40 dBFS
constexpr auto kHeardWithin = std::chrono::seconds(10);

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

bool SoundTarget::WaitUntilHeard() {
    if (!HasAudioOutput()) {
        return true;
    }
    const SinkRecorder recorder(NullSinkServer::kMonitor);
    m_device->ShortMsg(kNoteOn);
    const auto giveUp = std::chrono::steady_clock::now() + kHeardWithin;
    bool heard = false;
    while (!heard && std::chrono::steady_clock::now() < giveUp) {
        std::this_thread::sleep_for(kAudioPeriod);
        heard = recorder.FirstAbove(0, kHeard).has_value();
    }
    m_device->ShortMsg(kAllSoundOffChannel1);
    if (!heard) {
        std::fprintf(stderr,
                     "the null sink never took the synth's output: the sound figures "
                     "time notes that are not rendered\n");
    }
    return heard;
}

void SoundTarget::AfterNote() {
    if (m_unheard != nullptr) {
        m_unheard->RenderPeriod();
    } else {
        std::this_thread::sleep_for(kAudioPeriod);
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
