#include "app/PracticeMicrophone.h"

#include <cstdio>

#include "app/PracticeAnswers.h"
#include "app/PracticeTexts.h"
#include "platform/Backend.h"
#include "res/resource.h"

CPracticeMicrophone::CPracticeMicrophone(CPracticeAnswers& answers, practice::OctaveRule rule)
    : m_answers(answers), m_rule(rule) {}

CPracticeMicrophone::~CPracticeMicrophone() = default;

void CPracticeMicrophone::Start() {
    input::MicrophoneSinks sinks{
        .post =
            [](std::function<void()> work) {
                if (Backend* backend = CurrentBackend()) {
                    backend->PostToWindowThread(std::move(work));
                }
            },
        .key = [this](const input::KeyEvent& event) { Heard(event); },
        .level = [](const input::HeardLevel&) {},
        .problem = [](const input::CaptureStatus& status) { Tell(status); }};
    m_listener = std::make_unique<input::MicrophoneListener>(input::MakeSystemCapture(),
                                                             input::ListenSettings{}, sinks);
    m_listener->Start();
}

void CPracticeMicrophone::Heard(const input::KeyEvent& event) {
    m_answers.Heard(event, m_rule);
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
}
