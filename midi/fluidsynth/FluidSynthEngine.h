// The built-in General MIDI synthesizer: FluidSynth with a soundfont loaded, optionally
// playing through an audio driver. Without a driver it can still be rendered into a buffer.
#pragma once

#include <fluidsynth/types.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "midi/ShortMessage.h"

class FluidSynthEngine {
  public:
    // Null when the synthesizer can't be made or the soundfont doesn't load.
    static std::unique_ptr<FluidSynthEngine> Load(const std::string& soundfontPath);
    ~FluidSynthEngine();

    FluidSynthEngine(const FluidSynthEngine&) = delete;
    FluidSynthEngine& operator=(const FluidSynthEngine&) = delete;

    // Opens the audio driver, silencing first whatever was sent while nothing rendered;
    // false when it does not open, and then `whyNot` says why, e.g.
    // "PulseAudio: connection refused".
    bool StartAudio(const std::string& driver, std::string* whyNot = nullptr);
    bool HasAudio() const { return m_audio != nullptr; }
    // Closes the audio driver and silences what was sounding, so that a later StartAudio
    // does not resume old notes. Blocks while the driver's thread is stuck in its server.
    void StopAudio();
    // Whether the audio driver asked for samples within the last `within` (kStartingFor
    // while it starts): the drivers say nothing when their server goes away, they just stop
    // asking.
    static constexpr std::chrono::milliseconds kStartingFor{10000};
    bool AudioFlowing(std::chrono::milliseconds within) const;
    // The driver that opened, as its users know it ("PulseAudio").
    const std::string& AudioTitle() const { return m_audioTitle; }

    // Plays a packed short message; anything but a channel message is ignored. Safe to call
    // while the audio thread renders, and quick: FluidSynth locks internally.
    void Send(DWORD message);

    fluid_synth_t* Synth() const { return m_synth; }

  private:
    FluidSynthEngine() = default;
    void Play(const ChannelMessage& message);
    static int Render(void* data, int frames, int nfx, float* fx[], int nout, float* out[]);

    fluid_settings_t* m_settings = nullptr;
    fluid_synth_t* m_synth = nullptr;
    fluid_audio_driver_t* m_audio = nullptr;
    std::string m_audioTitle;
    bool m_bWatched = false;  // rendering through Render, which keeps m_lastRender
    std::atomic<std::chrono::steady_clock::rep> m_lastRender{0};
    std::atomic<int> m_renders{0};
};

// Every audio driver this FluidSynth was built with.
std::vector<std::string> BuiltAudioDrivers();

// The audio drivers a user may ask for that this FluidSynth was built with, in the order
// they are tried when none is asked for.
std::vector<std::string> AvailableAudioDrivers();
