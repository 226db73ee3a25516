// The 600 × 160 staff pictures: five lines with a clef at their left end.
#pragma once

#include "platform/Surface.h"

enum class Clef { kTreble, kBass };

Surface DrawStaffPicture(Clef clef);
