#include "midi/fluidsynth/FluidSynthDevice.h"

#include <atomic>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <limits>
#include <utility>

#include "midi/LibraryLog.h"
#include "midi/fluidsynth/AudioFailure.h"
#include "midi/fluidsynth/BoundedCall.h"
#include "midi/fluidsynth/FluidSynthEngine.h"
#include "midi/fluidsynth/SoundfontFile.h"

namespace {

constexpr const char* kNoAudioRemedy = "start the desktop's sound server";
constexpr const char* kNoSoundfontRemedy = "install a General MIDI soundfont (fluid-soundfont-gm)";

std::string FileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

// Numbers in the line are written with a dot whatever LC_NUMERIC says: to_chars, unlike
// printf, does not read the locale.
std::string Milliseconds(int microseconds) {
    char text[32];
    const auto written =
        std::to_chars(text, text + sizeof text, microseconds / 1000.0, std::chars_format::fixed, 1);
    return std::string(text, written.ptr) + " ms";
}

std::string Seconds(std::chrono::milliseconds duration) {
    char text[32];
    const auto written =
        std::to_chars(text, text + sizeof text, static_cast<double>(duration.count()) / 1000.0);
    return std::string(text, written.ptr) + " s";
}

}  // namespace

// What the worker hands back from an open: the engine, or why there is none.
struct FluidSynthDevice::Opening {
    std::unique_ptr<FluidSynthEngine> engine;
    std::string whyNot;
    bool soundfontFault = false;
};

FluidSynthDevice::FluidSynthDevice(std::string soundfontPath, std::vector<std::string> audioDrivers,
                                   std::chrono::milliseconds bound)
    : m_soundfontPath(std::move(soundfontPath)),
      m_audioDrivers(std::move(audioDrivers)),
      m_bound(bound) {}

FluidSynthDevice::~FluidSynthDevice() {
    ReleaseWithin(m_bound, std::move(m_engine));
}

bool FluidSynthDevice::CheckSoundfont() {
    if (LooksLikeSoundfont(m_soundfontPath)) {
        return true;
    }
    std::error_code ignored;
    m_status = std::filesystem::exists(m_soundfontPath, ignored)
                   ? m_soundfontPath + " is not a whole soundfont"
                   : "no soundfont at " + m_soundfontPath;
    m_remedy = kNoSoundfontRemedy;
    return false;
}

MMRESULT FluidSynthDevice::GetCaps(MIDIOUTCAPSA& caps) {
    if (!CheckSoundfont()) {
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
    if (!CheckSoundfont()) {
        return MMSYSERR_NODRIVER;
    }
    // The driver being tried, so that an open given up on can name what did not answer;
    // none while the soundfont still loads.
    constexpr size_t kLoadingSoundfont = std::numeric_limits<size_t>::max();
    auto trying = std::make_shared<std::atomic<size_t>>(kLoadingSoundfont);
    std::unique_ptr<Opening> opening =
        RunWithin<Opening>(m_bound, [path = m_soundfontPath, drivers = m_audioDrivers, trying] {
            auto opened = std::make_unique<Opening>();
            library_log::Listener listener;
            opened->engine = FluidSynthEngine::Load(path);
            if (opened->engine == nullptr) {
                const auto said = listener.Take();
                opened->whyNot =
                    path + " does not load" + (said.empty() ? "" : " (" + said.back().text + ")");
                opened->soundfontFault = true;
                return opened;
            }
            std::string whyNot;
            for (size_t i = 0; i < drivers.size(); ++i) {
                *trying = i;
                if (opened->engine->StartAudio(drivers[i], &whyNot)) {
                    return opened;
                }
                opened->whyNot += (opened->whyNot.empty() ? "" : "; ") + whyNot;
            }
            opened->engine.reset();  // a synth nobody can hear is no open device
            opened->whyNot = "no audio output (" + opened->whyNot + ")";
            return opened;
        });
    m_remedy = kNoAudioRemedy;
    if (opening == nullptr && *trying == kLoadingSoundfont) {
        m_status = m_soundfontPath + " did not load within " + Seconds(m_bound);
        m_remedy = kNoSoundfontRemedy;
        return MMSYSERR_ERROR;
    }
    if (opening == nullptr) {
        const size_t hung = *trying;
        m_status = "no audio output (" +
                   (hung < m_audioDrivers.size() ? AudioDriverTitle(m_audioDrivers[hung]) + ": "
                                                 : std::string()) +
                   "no answer within " + Seconds(m_bound) + ")";
        return MMSYSERR_ERROR;
    }
    if (opening->engine == nullptr) {
        m_status = opening->whyNot;
        m_remedy = opening->soundfontFault ? kNoSoundfontRemedy : kNoAudioRemedy;
        return MMSYSERR_ERROR;
    }
    m_engine = std::move(opening->engine);
    m_status = "built-in synth (" + FileName(m_soundfontPath) + ") on " + m_engine->AudioTitle() +
               ", " + Milliseconds(audio_settings::ConfiguredLatencyMicroseconds()) + " buffer";
    m_remedy.clear();
    return MMSYSERR_NOERROR;
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
