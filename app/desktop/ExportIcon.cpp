// Writes the program's icon, as embedded in its resources, to a PNG file for the desktop
// menu: canzet-export-icon OUTPUT.png
#include <QImage>
#include <cstdio>

#include "app/Language.h"
#include "platform/Icon.h"
#include "platform/Resources.h"
#include "platform/qt/QtIcon.h"
#include "res/EmbeddedResources.h"
#include "res/resource.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: canzet-export-icon OUTPUT.png\n");
        return 2;
    }
    SetResourceBytes(EmbeddedResourceBytes());
    SetResourceLanguage(kChineseResources, kChineseResources);
    const HICON icon = LoadIconResource(IDR_MAINFRAME);
    if (icon == nullptr || IconImages(icon).empty()) {
        std::fprintf(stderr, "canzet-export-icon: the program's icon is missing\n");
        return 1;
    }
    // The group's first image is the 32 x 32 one.
    if (!IconImageToQImage(IconImages(icon).front()).save(argv[1], "PNG")) {
        std::fprintf(stderr, "canzet-export-icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
