// One answer as the progress file keeps it.
#pragma once

#include <cstdint>

#include "practice/Drill.h"

namespace practice {

struct AnswerRecord {
    std::int64_t utcMs = 0;  // when it was given: milliseconds since 1970-01-01T00:00:00Z
    Drill drill = Drill::Read;
    Clef clef = Clef::Treble;
    int asked = kLowestStep;  // the asked step
    // The answer given: a letter 'C'..'B' for Read, a staff step for Place and Hear
    // (0 when the staff held no note at the confirm).
    char givenLetter = 0;
    int givenStep = 0;
    // The key played on an instrument, 0..127, when the answer was played rather than
    // named or placed; -1 otherwise. The letter or step above is then the nearest the
    // staff can show: the key's letter for Read, its step (0 when the staff has no place
    // for it) for Place and Hear.
    int givenKey = -1;
    bool right = false;
    int ms = 0;  // response time
    // The asked note's own sign and the key signature it was asked under; the sign given
    // with the letter for Read (+1 sharp, -1 flat), the placed note's sign for Place and Hear.
    staff::Accidental accidental = staff::Accidental::None;
    int signature = 0;
    int givenAlter = 0;
    staff::Accidental givenAccidental = staff::Accidental::None;

    bool operator==(const AnswerRecord&) const = default;
};

}  // namespace practice
