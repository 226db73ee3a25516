#include "platform/qt/QtIcon.h"

#include <QPixmap>

QImage IconImageToQImage(const IconImage& image) {
    const Surface& color = image.color;
    QImage result(color.Width(), color.Height(), QImage::Format_ARGB32);
    for (int y = 0; y < color.Height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < color.Width(); ++x) {
            const std::size_t index = static_cast<std::size_t>(y) * color.Width() + x;
            const bool clear = index < image.transparent.size() && image.transparent[index];
            line[x] = clear ? 0u : 0xFF000000u | color.Pixel(x, y);
        }
    }
    return result;
}

QIcon IconToQIcon(HICON icon) {
    QIcon result;
    if (icon == nullptr) {
        return result;
    }
    for (const IconImage& image : IconImages(icon)) {
        result.addPixmap(QPixmap::fromImage(IconImageToQImage(image)));
    }
    return result;
}
