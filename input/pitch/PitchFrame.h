// What the detector makes of one hop of sound.
#pragma once

namespace input {

struct PitchFrame {
    double timeMs = 0;         // the end of the hop, from the start of the stream
    double hopMs = 0;          // the hop's length
    double levelDb = -120;     // RMS of the filtered sound over the analysis frame, dB full scale
    double hopLevelDb = -120;  // the same over the newest hop only
    double hz = 0;             // 0 when no periodic sound was found
    double aperiodicity = 1;
};

}  // namespace input
