// Opens when the sound stands clearly above the room: above an absolute floor and well
// above the background level, which follows the quietest recent level down at once and
// up only slowly, so that steady hum or fan noise never opens it and a held note does not
// soon become background. It closes with some hysteresis, so a dying note closes it once.
#pragma once

namespace input {

class LevelGate {
  public:
    // Returns whether the gate is open after a frame of `levelDb` lasting `hopMs`.
    bool Update(double levelDb, double hopMs);
    bool Open() const { return m_open; }
    // The level above which a hop counts as part of a note that opened the gate.
    double OpenThresholdDb() const;

  private:
    double m_backgroundDb = 0;  // the first frame heard sets it
    bool m_open = false;
};

}  // namespace input
