// Writes the program's icon, as embedded in its resources, as PNG files for the desktop
// menu, one for each size the icon holds, laid out as an icon theme's folders are:
// canzet-export-icon FOLDER  writes FOLDER/WxH/apps/canzet.png
#include <QDir>
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
        std::fprintf(stderr, "usage: canzet-export-icon FOLDER\n");
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
        const QString folder = QString("%1/%2x%3/apps")
                                   .arg(QString::fromLocal8Bit(argv[1]))
                                   .arg(image.color.Width())
                                   .arg(image.color.Height());
        const QString file = folder + "/canzet.png";
        if (!QDir().mkpath(folder) || !IconImageToQImage(image).save(file, "PNG")) {
            std::fprintf(stderr, "canzet-export-icon: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
