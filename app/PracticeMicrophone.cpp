#include "app/PracticeMicrophone.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

#include "app/PracticeAnswers.h"
#include "app/PracticeTexts.h"
#include "platform/Backend.h"
#include "res/resource.h"
#include "staff/StaffControl.h"

namespace {

// The meter: a box for every 6 dB from -54 dBFS, where a voice a metre away begins.
constexpr int kMeterBoxes = 8;
constexpr double kMeterFloorDb = -54;
constexpr double kMeterBoxDb = 6;
constexpr char kLitBox[] = "\u25A0";
constexpr char kDarkBox[] = "\u25A1";
constexpr int kA4Key = 69;

std::string Meter(double levelDb) {
    const int lit =
        std::clamp(static_cast<int>((levelDb - kMeterFloorDb) / kMeterBoxDb), 0, kMeterBoxes);
    std::string meter;
    for (int box = 0; box < kMeterBoxes; ++box) {
        meter += box < lit ? kLitBox : kDarkBox;
    }
    return meter;
}

bool SameHearing(const practice::AnswerChoices& a, const practice::AnswerChoices& b) {
    return a.holdMs == b.holdMs && a.a4Hz == b.a4Hz;
}

}  // namespace

CPracticeMicrophone::CPracticeMicrophone(CPracticeAnswers& answers, CStaffControl& staff)
    : m_answers(answers), m_staff(staff) {}

CPracticeMicrophone::~CPracticeMicrophone() = default;

void CPracticeMicrophone::Exchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_MICROPHONE, m_stcLine);
}

void CPracticeMicrophone::Choose(const practice::AnswerChoices& choices) {
    if (!choices.microphone) {
        Close();
        return;
    }
    // The octave rule judges what was heard; only the hold and the tuning need the
    // listener anew.
    const bool same = m_listening && m_listener && SameHearing(*m_listening, choices);
    m_listening = choices;
    if (same) {
        return;
    }
    m_listener.reset();
    input::MicrophoneSinks sinks{
        .post =
            [](std::function<void()> work) {
                if (Backend* backend = CurrentBackend()) {
                    backend->PostToWindowThread(std::move(work));
                }
            },
        .key = [this](const input::KeyEvent& event) { Heard(event); },
        .level = [this](const input::HeardLevel& level) { Level(level); },
        .problem = [this](const input::CaptureStatus& status) { Tell(status); }};
    const input::ListenSettings settings{.holdMs = choices.holdMs,
                                         .a4Hz = static_cast<double>(choices.a4Hz)};
    m_listener =
        std::make_unique<input::MicrophoneListener>(input::MakeSystemCapture(), settings, sinks);
    ShowLine(practice_texts::LoadText(IDS_MICROPHONE_LISTENING), Meter(kMeterFloorDb));
    m_listener->Start();
}

void CPracticeMicrophone::Close() {
    m_listener.reset();
    m_listening.reset();
    m_staff.SetHeardPitch(std::nullopt);
    ShowLine("", "");
}

void CPracticeMicrophone::Sounded() {
    using namespace std::chrono;
    // The clock heard notes are timed by.
    m_ownSound.Sounded(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void CPracticeMicrophone::Heard(const input::KeyEvent& event) {
    if (m_listening && !m_ownSound.Echoes(event.timeMs)) {
        m_answers.Heard(event, m_listening->octave);
    }
}

void CPracticeMicrophone::Level(const input::HeardLevel& level) {
    std::optional<double> key;
    std::string meter = Meter(level.levelDb);
    if (level.hz > 0 && m_listening) {
        key = kA4Key + 12 * std::log2(level.hz / m_listening->a4Hz);
    }
    m_staff.SetHeardPitch(key);
    if (const auto place = m_staff.HeardPlaceShown(); place && place->beyond != 0) {
        // Appended piece by piece: `" " + std::string` trips GCC 12's -Wrestrict at -O3.
        meter += ' ';
        meter +=
            practice_texts::LoadText(place->beyond > 0 ? IDS_HEARD_TOO_HIGH : IDS_HEARD_TOO_LOW);
    }
    ShowLine(m_told, meter);
}

void CPracticeMicrophone::Tell(const input::CaptureStatus& status) {
    const unsigned words = status.problem == input::CaptureProblem::Refused ? IDS_MICROPHONE_REFUSED
                           : status.problem == input::CaptureProblem::Lost  ? IDS_MICROPHONE_LOST
                                                                            : IDS_NO_MICROPHONE;
    std::string line = practice_texts::LoadText(words);
    const std::size_t at = line.find("%s");
    if (at != std::string::npos) {
        line.replace(at, 2, status.detail);
    }
    std::fprintf(stderr, "canzet: %s\n", line.c_str());
    // The listener has ended; the line keeps saying why until the choice is made again.
    m_listener.reset();
    m_staff.SetHeardPitch(std::nullopt);
    // A line of its own in the dialog starts as a sentence does.
    if (!line.empty() && line[0] >= 'a' && line[0] <= 'z') {
        line[0] = static_cast<char>(line[0] - 'a' + 'A');
    }
    ShowLine(line, "");
}

void CPracticeMicrophone::ShowLine(const std::string& told, const std::string& meter) {
    if (told != m_told) {
        m_told = told;
        m_stcLine.SetAccessibleText(told.c_str(), told.c_str());
    }
    const std::string shown = meter.empty() ? told : told + "  " + meter;
    m_stcLine.SetWindowText(shown.c_str());
}
