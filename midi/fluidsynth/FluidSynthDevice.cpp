#include "midi/fluidsynth/FluidSynthDevice.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <limits>
#include <utility>

#include "midi/LibraryLog.h"
#include "midi/fluidsynth/AudioFailure.h"
#include "midi/fluidsynth/AudioKeeper.h"
#include "midi/fluidsynth/BoundedCall.h"
#include "midi/fluidsynth/FluidSynthEngine.h"
#include "midi/fluidsynth/SoundfontFile.h"

namespace {

// What the device says of itself, all in one place.
constexpr const char* kNoAudioRemedy = "start the desktop's sound server";
constexpr const char* kNoSoundfontRemedy = "install a General MIDI soundfont (fluid-soundfont-gm)";
constexpr const char* kLostAudio = "the audio output (%s) went away; trying again every second";

std::string SoundfontProblem(const std::string& path, const SoundfontVerdict& verdict) {
    switch (verdict.check) {
        case SoundfontCheck::Whole:
            break;
        case SoundfontCheck::Missing:
            return "no soundfont at " + path;
        case SoundfontCheck::NotAFile:
            return path + " is not a file";
        case SoundfontCheck::Unreadable:
            return "cannot read " + path + " (" + verdict.reason + ")";
        case SoundfontCheck::NotASoundfont:
            return path + " is not a soundfont";
        case SoundfontCheck::NotWhole:
            return path + " is not a whole soundfont";
    }
    return {};
}

std::string LostAudio(const std::string& title) {
    char text[128];
    std::snprintf(text, sizeof text, kLostAudio, title.c_str());
    return text;
}

std::string FileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

std::string Milliseconds(int microseconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f ms", microseconds / 1000.0);
    return text;
}

std::string Seconds(std::chrono::milliseconds duration) {
    char text[32];
    std::snprintf(text, sizeof text, "%g s", static_cast<double>(duration.count()) / 1000.0);
    return text;
}

}  // namespace

// What the worker hands back from an open: the engine, or why there is none.
struct FluidSynthDevice::Opening {
    std::unique_ptr<FluidSynthEngine> engine;
    std::string whyNot;
    bool soundfontFault = false;
};

FluidSynthDevice::FluidSynthDevice(std::string soundfontPath, std::vector<std::string> audioDrivers,
                                   std::chrono::milliseconds bound, bool soundfontChosen)
    : m_soundfontPath(std::move(soundfontPath)),
      m_audioDrivers(std::move(audioDrivers)),
      m_bound(bound),
      m_bSoundfontChosen(soundfontChosen) {}

FluidSynthDevice::~FluidSynthDevice() {
    if (m_keeper != nullptr) {
        Close();
    }
}

bool FluidSynthDevice::CheckSoundfont() {
    const SoundfontVerdict verdict = CheckSoundfontFile(m_soundfontPath);
    if (verdict.check == SoundfontCheck::Whole) {
        return true;
    }
    m_status = SoundfontProblem(m_soundfontPath, verdict);
    // Only the soundfont the program looks for by itself comes in a package; one the user
    // named is theirs to mend.
    const bool packaged = verdict.check == SoundfontCheck::Missing && !m_bSoundfontChosen;
    m_remedy = packaged ? kNoSoundfontRemedy : "";
    return false;
}

std::string FluidSynthDevice::Remedy() const {
    return m_keeper != nullptr && !Heard() ? kNoAudioRemedy : m_remedy;
}

bool FluidSynthDevice::Heard() const {
    return m_keeper != nullptr && m_keeper->Now().heard;
}

void FluidSynthDevice::SetStatusListener(std::function<void()> listener) {
    m_listener = std::move(listener);
}

std::string FluidSynthDevice::Status() const {
    if (m_keeper == nullptr) {
        return m_status;
    }
    const AudioKeeper::Output output = m_keeper->Now();
    if (output.heard) {
        return "built-in synth (" + FileName(m_soundfontPath) + ") on " + output.title + ", " +
               Milliseconds(audio_settings::ConfiguredLatencyMicroseconds()) + " buffer";
    }
    return output.lost ? LostAudio(output.title) : "no audio output (" + output.whyNot + ")";
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
    if (m_keeper != nullptr) {
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
            // A server may come later, but a driver this FluidSynth lacks never will.
            const std::vector<std::string> available = BuiltAudioDrivers();
            if (std::none_of(drivers.begin(), drivers.end(), [&](const std::string& driver) {
                    return std::find(available.begin(), available.end(), driver) != available.end();
                })) {
                opened->engine.reset();
                opened->whyNot = "no audio output (" + opened->whyNot + ")";
            }
            return opened;
        });
    m_remedy = kNoAudioRemedy;
    if (opening == nullptr && *trying == kLoadingSoundfont) {
        m_status = m_soundfontPath + " did not load within " + Seconds(m_bound);
        m_remedy.clear();
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
        m_remedy = opening->soundfontFault ? "" : kNoAudioRemedy;
        return MMSYSERR_ERROR;
    }
    m_keeper =
        std::make_unique<AudioKeeper>(std::move(opening->engine), m_audioDrivers, opening->whyNot);
    m_keeper->SetListener(m_listener);
    m_remedy.clear();
    return MMSYSERR_NOERROR;
}

MMRESULT FluidSynthDevice::ShortMsg(DWORD message) {
    if (m_keeper == nullptr) {
        return MMSYSERR_INVALHANDLE;
    }
    m_keeper->Engine().Send(message);
    return MMSYSERR_NOERROR;
}

MMRESULT FluidSynthDevice::Close() {
    if (m_keeper == nullptr) {
        return MMSYSERR_INVALHANDLE;
    }
    m_keeper->Stop();
    ReleaseWithin(m_bound, std::move(m_keeper));
    return MMSYSERR_NOERROR;
}
