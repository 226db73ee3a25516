// Builds without threads (the Windows build's win32-thread runtime) have no microphone yet:
// the listener says so once and never starts.
#include "input/microphone/MicrophoneListener.h"

namespace input {

struct MicrophoneListener::Shared {
    MicrophoneSinks sinks;
};

MicrophoneListener::MicrophoneListener(std::unique_ptr<AudioCapture>, const ListenSettings&,
                                       MicrophoneSinks sinks)
    : m_shared(std::make_shared<Shared>(Shared{std::move(sinks)})) {}

MicrophoneListener::~MicrophoneListener() = default;

bool MicrophoneListener::Start() {
    const CaptureStatus none{CaptureProblem::NoMicrophone, "no audio input in this build"};
    m_shared->sinks.post([problem = m_shared->sinks.problem, none] { problem(none); });
    return false;
}

}  // namespace input
