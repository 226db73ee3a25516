// How the main dialog sets its staff up when it opens: the clef, how many notes the user
// may place and how many ledger lines the staff makes room for. The defaults are the
// program's own start.
#pragma once

#include <optional>

#include "staff/NoteNames.h"
#include "staff/StaffGeometry.h"

struct StaffSetup {
    bool treble = true;
    int maxNotes = 1;
    int ledgerLines = 1;
    // --names: how the staff's tooltips and screen-reader words name the notes (letters
    // when not given), and the practice dialog's choice of names.
    std::optional<staff::NameSystem> names = std::nullopt;
    // --clef alto or tenor: a C clef instead of the treble or bass one.
    std::optional<staff::Clef> cClef = std::nullopt;

    staff::Clef Clef() const {
        return cClef.value_or(treble ? staff::Clef::Treble : staff::Clef::Bass);
    }
};
