// The built-in synthesizer as a MIDI device: a General MIDI soundfont played through the
// desktop's default audio output. Loading the soundfont, connecting to the sound server and
// disconnecting again happen on a worker thread and are waited for at most a bounded time,
// so a sound server that hangs can't freeze the window; sending a note never blocks.
#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "midi/MidiDevice.h"
#include "midi/fluidsynth/AudioSettings.h"

class FluidSynthEngine;

class FluidSynthDevice : public MidiDevice {
  public:
    // How long opening or closing may hold the caller.
    static constexpr std::chrono::milliseconds kDefaultBound{2000};

    explicit FluidSynthDevice(
        std::string soundfontPath = audio_settings::kDefaultSoundfont,
        std::vector<std::string> audioDrivers = audio_settings::DefaultAudioDrivers(),
        std::chrono::milliseconds bound = kDefaultBound);
    ~FluidSynthDevice() override;

    MMRESULT GetCaps(MIDIOUTCAPSA& caps) override;
    MMRESULT Open() override;
    MMRESULT ShortMsg(DWORD message) override;
    MMRESULT Close() override;
    std::string Status() const override { return m_status; }
    std::string Remedy() const override { return m_remedy; }

  private:
    struct Opening;
    // Whether the soundfont is there and whole; if not, says so in the status.
    bool CheckSoundfont();

    std::string m_soundfontPath;
    std::vector<std::string> m_audioDrivers;
    std::chrono::milliseconds m_bound;
    std::unique_ptr<FluidSynthEngine> m_engine;
    std::string m_status;
    std::string m_remedy;
};
