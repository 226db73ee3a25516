// The languages the program's resources are read in, as the program set them.
#pragma once

#include "platform/WinTypes.h"

struct ResourceLanguages {
    WORD chosen = 0;
    WORD fallback = 0;
};

const ResourceLanguages& CurrentResourceLanguages();
