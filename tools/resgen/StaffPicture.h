// The staff pictures: five lines with a clef at their left end, 600 × 160 with room for
// one ledger line above and below, 28 pixels taller and the staff 14 lower for each
// further one. At `scale` 2 the same picture is drawn twice the size, every line two
// pixels thick.
#pragma once

#include "platform/Surface.h"

enum class Clef { kTreble, kBass, kAlto, kTenor };

Surface DrawStaffPicture(Clef clef, int scale = 1, int ledgerLines = 1);
