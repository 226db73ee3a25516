// The two clocks a round reads: a monotonic one for response times and the wall clock for
// the time an answer is stamped with. Tests and canzet-replay drive ManualClock instead.
#pragma once

#include <cstdint>

namespace practice {

class PracticeClock {
  public:
    virtual ~PracticeClock() = default;
    // Milliseconds from an arbitrary start; never goes back.
    virtual std::int64_t MonotonicMs() = 0;
    // Milliseconds since 1970-01-01T00:00:00Z.
    virtual std::int64_t UtcMs() = 0;
};

// std::chrono::steady_clock and system_clock.
class SystemClock : public PracticeClock {
  public:
    std::int64_t MonotonicMs() override;
    std::int64_t UtcMs() override;
};

// Moves only when told; its wall clock is its start plus the time advanced.
class ManualClock : public PracticeClock {
  public:
    explicit ManualClock(std::int64_t startUtcMs = 0) : m_startUtcMs(startUtcMs) {}
    void Advance(std::int64_t ms) { m_ms += ms; }
    // Sets the wall clock, forward or back; the monotonic clock stays.
    void SetUtcMs(std::int64_t utcMs) { m_startUtcMs = utcMs - m_ms; }
    std::int64_t MonotonicMs() override { return m_ms; }
    std::int64_t UtcMs() override { return m_startUtcMs + m_ms; }

  private:
    std::int64_t m_startUtcMs;
    std::int64_t m_ms = 0;
};

}  // namespace practice
