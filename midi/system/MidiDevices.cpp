#include "midi/system/MidiDevices.h"

#include <array>
#include <cstddef>

#include "midi/alsa/AlsaSequencerDevice.h"
#include "midi/fluidsynth/FluidSynthDevice.h"
#include "midi/system/NullMidiDevice.h"
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
