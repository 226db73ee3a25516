#include "input/pitch/NoteListener.h"

namespace input {

NoteListener::NoteListener(int sampleRate, const ListenSettings& settings)
    : m_detector(sampleRate), m_acceptor(settings, m_detector.FrameMs()) {}

void NoteListener::Feed(const float* samples, std::size_t count,
                        const std::function<void(const HeardNote&)>& heard,
                        const std::function<void(const PitchFrame&)>& frame) {
    m_detector.Feed(samples, count, [&](const PitchFrame& f) {
        if (frame) {
            frame(f);
        }
        if (const std::optional<HeardNote> note = m_acceptor.Take(f)) {
            heard(*note);
        }
    });
}

}  // namespace input
