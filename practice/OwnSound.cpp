#include "practice/OwnSound.h"

namespace practice {

bool OwnSound::Echoes(std::int64_t onsetMs) const {
    return m_soundedMs && onsetMs >= *m_soundedMs - kEarlyMs && onsetMs < *m_soundedMs + kEchoMs;
}

}  // namespace practice
