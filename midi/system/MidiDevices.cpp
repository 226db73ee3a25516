#include "midi/system/MidiDevices.h"

#include <stdlib.h>

#include <array>
#include <cstddef>

#include "midi/LibraryLog.h"
#include "midi/alsa/AlsaMessages.h"
#include "midi/alsa/AlsaSequencerDevice.h"
#include "midi/fluidsynth/FluidSynthDevice.h"
#include "midi/fluidsynth/FluidSynthMessages.h"
#include "midi/system/NullMidiDevice.h"
#include "midi/system/SoundLine.h"
#include "midi/system/SystemMidiDevice.h"

namespace {

struct DeviceEntry {
    std::string_view name;
    std::unique_ptr<MidiDevice> (*create)();
};

constexpr std::array<DeviceEntry, 4> kDevices{{
    {"system",
     []() -> std::unique_ptr<MidiDevice> {
         return std::make_unique<SystemMidiDevice>(std::make_unique<FluidSynthDevice>(),
                                                   std::make_unique<AlsaSequencerDevice>());
     }},
    {"fluidsynth",
     []() -> std::unique_ptr<MidiDevice> { return std::make_unique<FluidSynthDevice>(); }},
    {"alsa",
     []() -> std::unique_ptr<MidiDevice> { return std::make_unique<AlsaSequencerDevice>(); }},
    {"null", []() -> std::unique_ptr<MidiDevice> { return std::make_unique<NullMidiDevice>(); }},
}};

constexpr std::array<std::string_view, kDevices.size()> kNames = [] {
    std::array<std::string_view, kDevices.size()> names{};
    for (std::size_t i = 0; i < kDevices.size(); ++i) {
        names[i] = kDevices[i].name;
    }
    return names;
}();

}  // namespace

std::span<const std::string_view> MidiDeviceNames() {
    return kNames;
}

std::unique_ptr<MidiDevice> CreateMidiDevice(std::string_view name) {
    for (const DeviceEntry& entry : kDevices) {
        if (entry.name == name) {
            return entry.create();
        }
    }
    return nullptr;
}

void PrepareSoundEnvironment(const SoundSettings& settings) {
    if (!settings.libraryMessages) {
        // The PulseAudio client library has no hook of its own; it is told to write to the
        // system log instead of the terminal.
        setenv("PULSE_LOG_SYSLOG", "1", 0);
    }
    // A JACK client would otherwise start a JACK server of its own, each time the audio
    // output is looked for, and hold the sound card while it runs.
    setenv("JACK_NO_START_SERVER", "1", 0);
}

std::unique_ptr<MidiDevice> CreateSystemMidiDevice(
    const SoundSettings& settings, std::function<void(const std::string& line)> report) {
    library_log::SetPassThrough(settings.libraryMessages);
    CatchAlsaMessages();
    CatchFluidSynthMessages();
    using Route = SoundSettings::Route;
    if (settings.route == Route::None) {
        if (report) {
            report(SoundLine({}, {}));
        }
        return std::make_unique<NullMidiDevice>();
    }
    std::unique_ptr<MidiDevice> synth;
    if (settings.route != Route::Port) {
        synth = std::make_unique<FluidSynthDevice>(
            settings.soundfont,
            settings.audioDriver.empty() ? audio_settings::DefaultAudioDrivers()
                                         : std::vector<std::string>{settings.audioDriver},
            FluidSynthDevice::kDefaultBound, settings.soundfontChosen);
    }
    std::unique_ptr<MidiPort> port;
    if (settings.route != Route::Synth) {
        port = std::make_unique<AlsaSequencerDevice>();
    }
    return std::make_unique<SystemMidiDevice>(std::move(synth), std::move(port), std::move(report),
                                              settings.instrument - 1);
}
