// A note the microphone hears begin just after the program sounded one is most likely that
// sound coming back through the speakers, not an answer: in Hear, the question's own pitch
// would answer itself. Nobody sings or plays back a pitch that soon after it began.
#pragma once

#include <cstdint>
#include <optional>

namespace practice {

class OwnSound {
  public:
    // Onsets from a little before (the heard clock is corrected by an estimated input
    // latency) to this long after the program's note began are taken for its echo.
    static constexpr std::int64_t kEarlyMs = 100;
    static constexpr std::int64_t kEchoMs = 600;

    void Sounded(std::int64_t atMs) { m_soundedMs = atMs; }
    bool Echoes(std::int64_t onsetMs) const;

  private:
    std::optional<std::int64_t> m_soundedMs;
};

}  // namespace practice
