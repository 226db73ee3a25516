// A loaded icon: the images of an icon-group resource, as 32-bit pixels.
#pragma once

#include <vector>

#include "platform/Surface.h"
#include "platform/WinTypes.h"

struct IconImage {
    Surface color;                  // 0x00RRGGBB
    std::vector<bool> transparent;  // one flag a pixel, rows top to bottom (the AND mask)
};

#ifdef _WIN32
// Icons are the window system's own there; their images are read back when needed.
const std::vector<IconImage>& IconImages(HICON icon);
#else
struct HICON__ {
    std::vector<IconImage> images;  // in the group's order
};
inline const std::vector<IconImage>& IconImages(HICON icon) {
    return icon->images;
}
#endif

// Loads an icon group of the program's resources; nullptr if absent. Loaded icons live
// until the program ends, as shared icons do in the window system.
HICON LoadIconResource(UINT id);
