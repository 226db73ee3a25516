#include "input/pitch/LevelGate.h"

#include <algorithm>

namespace input {

namespace {

constexpr double kAbsoluteOpenDb = -50;
constexpr double kAbsoluteCloseDb = -60;
constexpr double kOpenAboveBackgroundDb = 12;
constexpr double kCloseAboveBackgroundDb = 6;
constexpr double kBackgroundRiseDbPerMs = 0.002;
constexpr double kQuietestDb = -100;

}  // namespace

double LevelGate::OpenThresholdDb() const {
    return std::max(kAbsoluteOpenDb, m_backgroundDb + kOpenAboveBackgroundDb);
}

bool LevelGate::Update(double levelDb, double hopMs) {
    const double level = std::max(levelDb, kQuietestDb);
    m_backgroundDb = std::min(level, m_backgroundDb + kBackgroundRiseDbPerMs * hopMs);
    if (m_open) {
        m_open = level >= std::max(kAbsoluteCloseDb, m_backgroundDb + kCloseAboveBackgroundDb);
    } else {
        m_open = level >= OpenThresholdDb();
    }
    return m_open;
}

}  // namespace input
