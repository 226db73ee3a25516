// Writes the program's icon, as embedded in its resources, as PNG files for the desktop
// menu, one for each size the icon holds, and the larger drawings of the same picture that
// docks and software centres show, laid out as an icon theme's folders are:
// canzet-export-icon FOLDER [PICTURE.bmp...]  writes FOLDER/WxH/apps/canzet.png
#include <QDir>
#include <QImage>
#include <cstdio>
#include <vector>

#include "app/Language.h"
#include "platform/Icon.h"
#include "platform/Resources.h"
#include "platform/qt/QtIcon.h"
#include "res/EmbeddedResources.h"
#include "res/resource.h"

namespace {

bool WriteThemeImage(const char* theme, const QImage& image) {
    const QString folder = QString("%1/%2x%3/apps")
                               .arg(QString::fromLocal8Bit(theme))
                               .arg(image.width())
                               .arg(image.height());
    const QString file = folder + "/canzet.png";
    if (!QDir().mkpath(folder) || !image.save(file, "PNG")) {
        std::fprintf(stderr, "canzet-export-icon: cannot write %s\n", qPrintable(file));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: canzet-export-icon FOLDER [PICTURE.bmp...]\n");
        return 2;
    }
    SetResourceBytes(EmbeddedResourceBytes());
    SetResourceLanguage(kChineseResources, kChineseResources);
    const HICON icon = LoadIconResource(IDR_MAINFRAME);
    if (icon == nullptr || IconImages(icon).empty()) {
        std::fprintf(stderr, "canzet-export-icon: the program's icon is missing\n");
        return 1;
    }
    for (const IconImage& image : IconImages(icon)) {
        if (!WriteThemeImage(argv[1], IconImageToQImage(image))) {
            return 1;
        }
    }
    for (int i = 2; i < argc; ++i) {
        const QImage picture(QString::fromLocal8Bit(argv[i]), "BMP");
        if (picture.isNull() || picture.width() != picture.height()) {
            std::fprintf(stderr, "canzet-export-icon: %s is not a square picture\n", argv[i]);
            return 1;
        }
        if (!WriteThemeImage(argv[1], picture)) {
            return 1;
        }
    }
    return 0;
}
