// The built-in synthesizer as a MIDI device: a General MIDI soundfont played through the
// desktop's default audio output. Loading the soundfont, connecting to the sound server and
// disconnecting again happen on a worker thread and are waited for at most a bounded time,
// so a sound server that hangs can't freeze the window; sending a note never blocks. Once
// the soundfont has loaded the device stays open while the audio output comes and goes
// (see AudioKeeper): a sound server that restarts, or starts only later, is found again.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "midi/MidiDevice.h"
#include "midi/fluidsynth/AudioSettings.h"

class AudioKeeper;

class FluidSynthDevice : public MidiDevice {
  public:
    // How long opening or closing may hold the caller.
    static constexpr std::chrono::milliseconds kDefaultBound{2000};

    explicit FluidSynthDevice(
        std::string soundfontPath = audio_settings::kDefaultSoundfont,
        std::vector<std::string> audioDrivers = audio_settings::DefaultAudioDrivers(),
        std::chrono::milliseconds bound = kDefaultBound, bool soundfontChosen = false);
    ~FluidSynthDevice() override;

    MMRESULT GetCaps(MIDIOUTCAPSA& caps) override;
    MMRESULT Open() override;
    MMRESULT ShortMsg(DWORD message) override;
    MMRESULT Close() override;
    std::string Status() const override;
    std::string Remedy() const override;
    bool Heard() const override;
    void SetStatusListener(std::function<void()> listener) override;

  private:
    struct Opening;
    // Whether the soundfont is there and whole; if not, says so in the status.
    bool CheckSoundfont();

    std::string m_soundfontPath;
    std::vector<std::string> m_audioDrivers;
    std::chrono::milliseconds m_bound;
    bool m_bSoundfontChosen;
    std::function<void()> m_listener;
    std::unique_ptr<AudioKeeper> m_keeper;
    std::string m_status;
    std::string m_remedy;
};
