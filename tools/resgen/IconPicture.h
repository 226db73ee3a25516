// The program's icon: a note on a staff, in the standard 16 colours.
#pragma once

#include "tools/resgen/IcoFile.h"

// `size` is 32 or 16.
IndexedImage DrawIconImage(int size);
