// How the main dialog sets its staff up when it opens: the clef, and how many notes the
// user may place. The defaults are the program's own start.
#pragma once

struct StaffSetup {
    bool treble = true;
    int maxNotes = 1;
};
