#include "midi/fluidsynth/FluidSynthDevice.h"

#include <cstring>
#include <utility>

#include "midi/fluidsynth/BoundedCall.h"
#include "midi/fluidsynth/FluidSynthEngine.h"
#include "midi/fluidsynth/SoundfontFile.h"

FluidSynthDevice::FluidSynthDevice(std::string soundfontPath, std::vector<std::string> audioDrivers,
                                   std::chrono::milliseconds bound)
    : m_soundfontPath(std::move(soundfontPath)),
      m_audioDrivers(std::move(audioDrivers)),
      m_bound(bound) {}

FluidSynthDevice::~FluidSynthDevice() {
    ReleaseWithin(m_bound, std::move(m_engine));
}

MMRESULT FluidSynthDevice::GetCaps(MIDIOUTCAPSA& caps) {
    if (!LooksLikeSoundfont(m_soundfontPath)) {
        return MMSYSERR_NODRIVER;
    }
    caps = MIDIOUTCAPSA{};
    std::strncpy(caps.szPname, "FluidSynth", sizeof caps.szPname - 1);
    caps.wVoices = 256;
    caps.wNotes = 256;
    caps.wChannelMask = 0xFFFF;
    return MMSYSERR_NOERROR;
}

MMRESULT FluidSynthDevice::Open() {
    if (m_engine != nullptr) {
        return MMSYSERR_ALLOCATED;
    }
    if (!LooksLikeSoundfont(m_soundfontPath)) {
        return MMSYSERR_NODRIVER;
    }
    m_engine = RunWithin<FluidSynthEngine>(
        m_bound,
        [path = m_soundfontPath, drivers = m_audioDrivers]() -> std::unique_ptr<FluidSynthEngine> {
            auto engine = FluidSynthEngine::Load(path);
            if (engine == nullptr || !engine->StartAudio(drivers)) {
                return nullptr;  // a synth nobody can hear is no open device
            }
            return engine;
        });
    return m_engine != nullptr ? MMSYSERR_NOERROR : MMSYSERR_ERROR;
}

MMRESULT FluidSynthDevice::ShortMsg(DWORD message) {
    if (m_engine == nullptr) {
        return MMSYSERR_INVALHANDLE;
    }
    m_engine->Send(message);
    return MMSYSERR_NOERROR;
}

MMRESULT FluidSynthDevice::Close() {
    if (m_engine == nullptr) {
        return MMSYSERR_INVALHANDLE;
    }
    ReleaseWithin(m_bound, std::move(m_engine));
    return MMSYSERR_NOERROR;
}
