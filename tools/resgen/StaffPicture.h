// The 600 × 160 staff pictures: five lines with a clef at their left end. At `scale` 2
// the same picture is drawn 1200 × 320, every line two pixels thick.
#pragma once

#include "platform/Surface.h"

enum class Clef { kTreble, kBass };

Surface DrawStaffPicture(Clef clef, int scale = 1);
