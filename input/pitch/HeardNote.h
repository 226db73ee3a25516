// A note the learner sang or played, as the acceptance rules took it.
#pragma once

namespace input {

struct HeardNote {
    int key = 0;            // MIDI key: 60 is C4
    double onsetMs = 0;     // when the note began, on the stream's clock
    double acceptedMs = 0;  // when it had been held long enough to count
};

}  // namespace input
