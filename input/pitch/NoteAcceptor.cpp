#include "input/pitch/NoteAcceptor.h"

#include <algorithm>
#include <cmath>

namespace input {

namespace {

constexpr double kConfidentAperiodicity = 0.3;
// A held note may wander this far from its semitone (vibrato, a singer slightly off)
// before it counts as another one.
constexpr double kSameSemitoneCents = 75;
// Frames in a row without the held pitch that a hold lives through.
constexpr int kMissesAllowed = 2;
constexpr double kOnsetBelowOpenDb = 6;
// A new note over the tail of the last one: this far above the quietest since, and risen
// this much within the last 60 ms.
constexpr struct { double aboveDb, riseDb; } kReattack{15, 9};
// How far the last note must have faded before another semitone can rise out of it.
constexpr double kFadedDb = 12;
constexpr double kBriefCloseMs = 100;

bool InRange(int key) {
    return key >= ListenSettings::kLowestKey && key <= ListenSettings::kHighestKey;
}

}  // namespace

KeyPitch KeyOf(double hz, double a4Hz) {
    const double semitones = 69.0 + 12.0 * std::log2(hz / a4Hz);
    const double key = std::round(semitones);
    return {.key = static_cast<int>(key), .cents = 100.0 * (semitones - key)};
}

NoteAcceptor::NoteAcceptor(const ListenSettings& settings, double frameMs)
    : m_settings(settings), m_frameMs(frameMs) {}

bool NoteAcceptor::Confident(const PitchFrame& frame) const {
    return frame.hz > 0 && frame.aperiodicity < kConfidentAperiodicity;
}

// The frame's level that shows a note is an average over the whole frame: the note began
// with the earliest of the hops just before that are `loudDb` or more.
double NoteAcceptor::OnsetOf(const PitchFrame& frame, double loudDb) const {
    double onset = frame.timeMs - frame.hopMs;
    for (std::size_t back = 0; back < m_recent.size(); ++back) {
        const Hop& hop = m_recent[(m_newest + m_recent.size() - back) % m_recent.size()];
        if (hop.levelDb < loudDb || hop.startMs < frame.timeMs - m_frameMs) {
            break;
        }
        onset = hop.startMs;
    }
    return onset;
}

void NoteAcceptor::Begin(double onsetMs, int excludedKey) {
    m_state = State::Listening;
    m_runKey = -1;
    m_excludedKey = excludedKey;
    m_onsetMs = onsetMs;
}

// A note played before the last one has died away. Either it rises sharply from well
// below, whatever its pitch; or the last note has faded well below its loudest and another
// semitone, confident, rises clearly over the fade: a slow attack (a choir, a bowed string)
// over a long release, which keeps the gate open wherever the room is not silent.
NoteAcceptor::Rise NoteAcceptor::RiseOverTail(const PitchFrame& frame) const {
    const Hop& before = m_recent[(m_newest + 1) % m_recent.size()];
    if (frame.levelDb >= m_quietestSinceTakenDb + kReattack.aboveDb &&
        frame.levelDb >= before.frameLevelDb + kReattack.riseDb) {
        return Rise::Sharp;
    }
    const int key = Confident(frame) ? KeyOf(frame.hz, m_settings.a4Hz).key : m_takenKey;
    const bool other = key != m_takenKey && InRange(key);
    return other && m_fadeDb <= m_loudestSinceTakenDb - kFadedDb &&
                   frame.levelDb >= m_fadeDb + kReattack.riseDb
               ? Rise::OtherSemitone
               : Rise::None;
}

void NoteAcceptor::FollowTail(const PitchFrame& frame) {
    m_quietestSinceTakenDb = std::min(m_quietestSinceTakenDb, frame.levelDb);
    if (frame.levelDb > m_loudestSinceTakenDb) {
        m_loudestSinceTakenDb = frame.levelDb;
        m_fadeDb = frame.levelDb;
    }
    m_fadeDb = std::min(m_fadeDb, frame.levelDb);
}

std::optional<HeardNote> NoteAcceptor::Take(const PitchFrame& frame) {
    m_newest = (m_newest + 1) % m_recent.size();
    m_recent[m_newest] = {frame.timeMs - frame.hopMs, frame.hopLevelDb, frame.levelDb};
    const bool wasOpen = m_gate.Open();
    if (m_state == State::Taken) {
        FollowTail(frame);
    }
    if (!m_gate.Update(frame.levelDb, frame.hopMs)) {
        // A release that beats (a choir's voices drifting apart) may dip under the gate for
        // a moment: what rises again soon after is still the note taken.
        m_closedMs = wasOpen ? frame.timeMs : m_closedMs;
        if (m_state != State::Taken || frame.timeMs - m_closedMs > kBriefCloseMs) {
            m_state = State::Quiet;
        }
        return std::nullopt;
    }
    if (m_state == State::Taken) {
        // Rising over the fade, the last note's own semitone is still its tail.
        const Rise rise = RiseOverTail(frame);
        if (rise != Rise::None) {
            Begin(OnsetOf(frame, m_quietestSinceTakenDb + kReattack.riseDb),
                  rise == Rise::OtherSemitone ? m_takenKey : -1);
        }
    } else if (!wasOpen) {
        Begin(OnsetOf(frame, m_gate.OpenThresholdDb() - kOnsetBelowOpenDb), -1);
    }
    if (m_state != State::Listening) {
        return std::nullopt;
    }

    const KeyPitch pitch = Confident(frame) ? KeyOf(frame.hz, m_settings.a4Hz) : KeyPitch{-1, 0};
    const bool same = m_runKey >= 0 &&
                      std::abs(100.0 * (pitch.key - m_runKey) + pitch.cents) <= kSameSemitoneCents;
    if (!same) {
        // A stray frame or two (a breath, a formant mistaken for the pitch) does not end a
        // hold; more in a row do, and the next steady pitch starts one.
        if (m_runKey >= 0 && ++m_misses <= kMissesAllowed) {
            return std::nullopt;
        }
        if (m_excludedKey >= 0 && pitch.key == m_excludedKey) {
            // What rose over the fade was a stray: the tail goes on, and a sharp rise or
            // another semitone may still follow it.
            m_state = State::Taken;
            return std::nullopt;
        }
        m_runKey = InRange(pitch.key) ? pitch.key : -1;
        m_runStartMs = frame.timeMs;
        m_misses = 0;
        return std::nullopt;
    }
    m_misses = 0;
    if (frame.timeMs - m_runStartMs < m_settings.holdMs) {
        return std::nullopt;
    }
    m_state = State::Taken;
    m_takenKey = m_runKey;
    m_quietestSinceTakenDb = frame.levelDb;
    m_loudestSinceTakenDb = frame.levelDb;
    m_fadeDb = frame.levelDb;
    return HeardNote{.key = m_runKey,
                     .onsetMs = std::max(m_onsetMs, m_runStartMs - m_frameMs),
                     .acceptedMs = frame.timeMs};
}

}  // namespace input
