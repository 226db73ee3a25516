#include "midi/fluidsynth/FluidSynthEngine.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cstring>

#include "midi/LibraryLog.h"
#include "midi/fluidsynth/AudioFailure.h"
#include "midi/fluidsynth/AudioSettings.h"
#include "midi/fluidsynth/Loudness.h"

namespace {

void Configure(fluid_settings_t* settings) {
    fluid_settings_setnum(settings, "synth.sample-rate", audio_settings::kSampleRate);
    fluid_settings_setint(settings, "audio.period-size", audio_settings::kPeriodSize);
    fluid_settings_setint(settings, "audio.periods", audio_settings::kPeriods);
    // Only the presets in use get their samples read: quicker to start, less memory.
    fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
    // Under JACK the synth's outputs must be wired to the speakers, or it plays into nothing.
    fluid_settings_setint(settings, "audio.jack.autoconnect", 1);
    // Chorus wobbles the pitch, which blurs the one thing the user listens for.
    fluid_settings_setint(settings, "synth.chorus.active", 0);
}

}  // namespace

std::unique_ptr<FluidSynthEngine> FluidSynthEngine::Load(const std::string& soundfontPath) {
    std::unique_ptr<FluidSynthEngine> engine(new FluidSynthEngine);
    engine->m_settings = new_fluid_settings();
    if (engine->m_settings == nullptr) {
        return nullptr;
    }
    Configure(engine->m_settings);
    engine->m_synth = new_fluid_synth(engine->m_settings);
    if (engine->m_synth == nullptr ||
        fluid_synth_sfload(engine->m_synth, soundfontPath.c_str(), 1) == FLUID_FAILED) {
        return nullptr;
    }
    loudness::MatchOneNotePeak(engine->m_synth);
    return engine;
}

FluidSynthEngine::~FluidSynthEngine() {
    // The driver renders from the synth, so it goes first.
    if (m_audio != nullptr) {
        delete_fluid_audio_driver(m_audio);
    }
    if (m_synth != nullptr) {
        delete_fluid_synth(m_synth);
    }
    if (m_settings != nullptr) {
        delete_fluid_settings(m_settings);
    }
}

int FluidSynthEngine::Render(void* data, int frames, int nfx, float* fx[], int nout, float* out[]) {
    auto* engine = static_cast<FluidSynthEngine*>(data);
    engine->m_lastRender = std::chrono::steady_clock::now().time_since_epoch().count();
    if (engine->m_renders < 2) {
        ++engine->m_renders;
    }
    // fluid_synth_process adds to what the buffers hold.
    for (int i = 0; i < nout; ++i) {
        std::memset(out[i], 0, static_cast<size_t>(frames) * sizeof(float));
    }
    int result = FLUID_OK;
    if (nfx == 0 && nout >= 2) {
        // The drivers but JACK's give no effect buffers: reverb and chorus go into the dry
        // ones, as they do when FluidSynth renders by itself.
        float* mixed[] = {out[0], out[1], out[0], out[1]};
        result = fluid_synth_process(engine->m_synth, frames, 4, mixed, nout, out);
    } else {
        result = fluid_synth_process(engine->m_synth, frames, nfx, fx, nout, out);
    }
    for (int i = 0; i < nout; ++i) {
        loudness::KeepBelowFullScale(out[i], frames);
    }
    return result;
}

bool FluidSynthEngine::StartAudio(const std::string& driver, std::string* whyNot) {
    library_log::Listener listener;
    fluid_settings_setstr(m_settings, "audio.driver", driver.c_str());
    m_lastRender = std::chrono::steady_clock::now().time_since_epoch().count();
    m_renders = 0;
    // Only the desktop's drivers render through a callback of ours; the others (a file)
    // are never watched.
    const std::vector<std::string> watchable = audio_settings::DefaultAudioDrivers();
    m_bWatched = std::find(watchable.begin(), watchable.end(), driver) != watchable.end();
    // The output starts silent: whatever was sent while nothing rendered (before the
    // server was found gone) would sound now, all at once, long after it was played.
    fluid_synth_all_sounds_off(m_synth, -1);
    m_audio = m_bWatched ? new_fluid_audio_driver2(m_settings, Render, this)
                         : new_fluid_audio_driver(m_settings, m_synth);
    if (m_audio != nullptr) {
        m_audioTitle = AudioDriverTitle(driver);
        return true;
    }
    if (whyNot != nullptr) {
        *whyNot = AudioDriverTitle(driver) + ": " + ExplainAudioFailure(listener.Take());
    }
    return false;
}

void FluidSynthEngine::StopAudio() {
    if (m_audio != nullptr) {
        delete_fluid_audio_driver(m_audio);
        m_audio = nullptr;
    }
    fluid_synth_all_sounds_off(m_synth, -1);
}

bool FluidSynthEngine::AudioFlowing(std::chrono::milliseconds within) const {
    const std::chrono::steady_clock::time_point last{
        std::chrono::steady_clock::duration(m_lastRender.load())};
    // A server that has just started may take a second or two before it takes the stream's
    // second buffer.
    const std::chrono::milliseconds allowed = m_renders < 2 ? kStartingFor : within;
    return m_audio != nullptr && (!m_bWatched || std::chrono::steady_clock::now() - last < allowed);
}

std::vector<std::string> BuiltAudioDrivers() {
    std::vector<std::string> built;
    if (fluid_settings_t* settings = new_fluid_settings()) {
        fluid_settings_foreach_option(
            settings, "audio.driver", &built, [](void* data, const char*, const char* option) {
                static_cast<std::vector<std::string>*>(data)->push_back(option);
            });
        delete_fluid_settings(settings);
    }
    return built;
}

std::vector<std::string> AvailableAudioDrivers() {
    const std::vector<std::string> built = BuiltAudioDrivers();
    std::vector<std::string> available;
    for (const std::string& driver : audio_settings::AskableAudioDrivers()) {
        if (std::find(built.begin(), built.end(), driver) != built.end()) {
            available.push_back(driver);
        }
    }
    return available;
}

void FluidSynthEngine::Send(DWORD message) {
    if (const auto decoded = DecodeShortMessage(message)) {
        Play(*decoded);
    }
}

void FluidSynthEngine::Play(const ChannelMessage& message) {
    const int channel = message.channel;
    switch (message.kind) {
        case ChannelMessageKind::NoteOff:
            fluid_synth_noteoff(m_synth, channel, message.data1);
            break;
        case ChannelMessageKind::NoteOn:
            // Velocity 0 is a note-off; FluidSynth treats it so.
            fluid_synth_noteon(m_synth, channel, message.data1, message.data2);
            break;
        case ChannelMessageKind::KeyPressure:
            fluid_synth_key_pressure(m_synth, channel, message.data1, message.data2);
            break;
        case ChannelMessageKind::ControlChange:
            fluid_synth_cc(m_synth, channel, message.data1, message.data2);
            break;
        case ChannelMessageKind::ProgramChange:
            fluid_synth_program_change(m_synth, channel, message.data1);
            break;
        case ChannelMessageKind::ChannelPressure:
            fluid_synth_channel_pressure(m_synth, channel, message.data1);
            break;
        case ChannelMessageKind::PitchBend:
            fluid_synth_pitch_bend(m_synth, channel, message.PitchBendValue());
            break;
    }
}
