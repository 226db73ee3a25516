#include "midi/fluidsynth/FluidSynthDevice.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <limits>
#include <utility>

#include "midi/LibraryLog.h"
#include "midi/ShortMessage.h"
#include "midi/fluidsynth/AudioFailure.h"
#include "midi/fluidsynth/AudioKeeper.h"
#include "midi/fluidsynth/BoundedCall.h"
#include "midi/fluidsynth/FluidSynthEngine.h"
#include "midi/fluidsynth/SoundfontFile.h"

namespace {

std::string SoundfontProblem(const std::string& path, const SoundfontVerdict& verdict,
                             const SoundWords& words) {
    switch (verdict.check) {
        case SoundfontCheck::Whole:
            break;
        case SoundfontCheck::Missing:
            return SayWith(words.noSoundfont, {path});
        case SoundfontCheck::NotAFile:
            return SayWith(words.notAFile, {path});
        case SoundfontCheck::Unreadable:
            return SayWith(words.unreadable, {path, verdict.reason});
        case SoundfontCheck::NotASoundfont:
            return SayWith(words.notASoundfont, {path});
        case SoundfontCheck::NotWhole:
            return SayWith(words.notWhole, {path});
    }
    return {};
}

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
                                   std::chrono::milliseconds bound, bool soundfontChosen,
                                   SoundWords words)
    : m_soundfontPath(std::move(soundfontPath)),
      m_audioDrivers(std::move(audioDrivers)),
      m_bound(bound),
      m_bSoundfontChosen(soundfontChosen),
      m_words(std::move(words)) {}

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
    m_status = SoundfontProblem(m_soundfontPath, verdict, m_words);
    // Only the soundfont the program looks for by itself comes in a package; one the user
    // named is theirs to mend.
    const bool packaged = verdict.check == SoundfontCheck::Missing && !m_bSoundfontChosen;
    m_remedy = packaged ? m_words.noSoundfontRemedy : "";
    return false;
}

std::string FluidSynthDevice::Remedy() const {
    return m_keeper != nullptr && !Heard() ? m_words.noAudioRemedy : m_remedy;
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
        return SayWith(m_words.synthOn,
                       {FileName(m_soundfontPath), output.title,
                        Milliseconds(audio_settings::ConfiguredLatencyMicroseconds())});
    }
    return SayWith(output.lost ? m_words.lostAudio : m_words.noAudio,
                   {output.lost ? output.title : output.whyNot});
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
    std::unique_ptr<Opening> opening = RunWithin<Opening>(
        m_bound, [path = m_soundfontPath, drivers = m_audioDrivers, trying, words = m_words] {
            auto opened = std::make_unique<Opening>();
            library_log::Listener listener;
            opened->engine = FluidSynthEngine::Load(path);
            if (opened->engine == nullptr) {
                const auto said = listener.Take();
                opened->whyNot = said.empty()
                                     ? SayWith(words.doesNotLoad, {path})
                                     : SayWith(words.doesNotLoadBecause, {path, said.back().text});
                opened->soundfontFault = true;
                return opened;
            }
            std::string whyNot;
            for (size_t i = 0; i < drivers.size(); ++i) {
                *trying = i;
                if (opened->engine->StartAudio(drivers[i], &whyNot)) {
                    return opened;
                }
                opened->whyNot += (opened->whyNot.empty() ? "" : words.then) + whyNot;
            }
            // A server may come later, but a driver this FluidSynth lacks never will.
            const std::vector<std::string> available = BuiltAudioDrivers();
            if (std::none_of(drivers.begin(), drivers.end(), [&](const std::string& driver) {
                    return std::find(available.begin(), available.end(), driver) != available.end();
                })) {
                opened->engine.reset();
                opened->whyNot = SayWith(words.noAudio, {opened->whyNot});
            }
            return opened;
        });
    m_remedy = m_words.noAudioRemedy;
    if (opening == nullptr && *trying == kLoadingSoundfont) {
        m_status = SayWith(m_words.loadTooLong, {m_soundfontPath, Seconds(m_bound)});
        m_remedy.clear();
        return MMSYSERR_ERROR;
    }
    if (opening == nullptr) {
        const size_t hung = *trying;
        const std::string noAnswer = SayWith(m_words.noAnswer, {Seconds(m_bound)});
        m_status =
            SayWith(m_words.noAudio, {hung < m_audioDrivers.size()
                                          ? AudioDriverTitle(m_audioDrivers[hung]) + ": " + noAnswer
                                          : noAnswer});
        return MMSYSERR_ERROR;
    }
    if (opening->engine == nullptr) {
        m_status = opening->whyNot;
        m_remedy = opening->soundfontFault ? "" : m_words.noAudioRemedy;
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
    // A note played while no output renders is not kept: it would sound when the output
    // comes, long after, with every other note played meanwhile.
    const auto decoded = DecodeShortMessage(message);
    if (decoded && decoded->kind == ChannelMessageKind::NoteOn && !m_keeper->Heard()) {
        return MMSYSERR_NOERROR;
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
