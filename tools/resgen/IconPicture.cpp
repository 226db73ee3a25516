#include "tools/resgen/IconPicture.h"

#include <algorithm>

#include "tools/resgen/InkCanvas.h"

namespace {

constexpr std::uint8_t kBlack = 0;
constexpr std::uint8_t kNavy = 4;
constexpr std::uint8_t kSilver = 7;
constexpr std::uint8_t kGrey = 8;
constexpr std::uint8_t kWhite = 15;

// Antialiasing with four inks of the palette.
std::uint8_t InkIndex(int coverage, std::uint8_t ground) {
    if (coverage >= 160) {
        return kBlack;
    }
    if (coverage >= 90) {
        return kGrey;
    }
    if (coverage >= 35) {
        return ground == kWhite ? kSilver : kGrey;
    }
    return ground;
}

}  // namespace

// Where the staff and the note sit in an image of each size.
struct IconLayout {
    int firstLine;
    int lineGap;
    double headX;
    double headRx;
    double headRy;
    int stemWidth;
    int stemTop;
};

constexpr IconLayout kLayout32{6, 5, 13.5, 5.0, 3.4, 2, 3};
constexpr IconLayout kLayout16{2, 3, 6.5, 3.1, 2.1, 1, 1};

IndexedImage DrawIconImage(int size) {
    const IconLayout layout = size == 32 ? kLayout32 : kLayout16;
    IndexedImage image{size,
                       std::vector<std::uint8_t>(static_cast<std::size_t>(size) * size, kWhite)};
    auto at = [&](int x, int y) -> std::uint8_t& {
        return image.indices[static_cast<std::size_t>(y) * size + x];
    };

    // A navy frame round a white card with five grey staff lines.
    for (int i = 0; i < size; ++i) {
        at(i, 0) = at(i, size - 1) = at(0, i) = at(size - 1, i) = kNavy;
    }
    for (int k = 0; k < 5; ++k) {
        for (int x = 2; x < size - 2; ++x) {
            at(x, layout.firstLine + k * layout.lineGap) = kGrey;
        }
    }

    // A quarter note on the middle line: a tilted filled head, antialiased, and a crisp
    // stem rising from its right side.
    InkCanvas ink(size, size, 16);
    const int middleLine = layout.firstLine + 2 * layout.lineGap;
    ink.Ellipse(layout.headX, middleLine + 0.5, layout.headRx, layout.headRy, -25.0);
    for (int y = 1; y < size - 1; ++y) {
        for (int x = 1; x < size - 1; ++x) {
            at(x, y) = InkIndex(ink.Coverage(x, y), at(x, y));
        }
    }
    const int stemRight = static_cast<int>(layout.headX + layout.headRx) - 1;
    for (int y = layout.stemTop; y <= middleLine; ++y) {
        for (int x = stemRight - layout.stemWidth + 1; x <= stemRight; ++x) {
            at(x, y) = kBlack;
        }
    }
    return image;
}

namespace {

unsigned Blend(unsigned base, unsigned ink, int coverage) {
    return (base * (255 - coverage) + ink * coverage + 127) / 255;
}

void InkPixel(Surface& picture, int x, int y, std::uint32_t ink, int coverage) {
    const std::uint32_t base = picture.Pixel(x, y);
    picture.SetPixel(x, y,
                     RgbPixel(Blend((base >> 16) & 0xFF, (ink >> 16) & 0xFF, coverage),
                              Blend((base >> 8) & 0xFF, (ink >> 8) & 0xFF, coverage),
                              Blend(base & 0xFF, ink & 0xFF, coverage)));
}

void FillBlock(Surface& picture, int left, int top, int right, int bottom, std::uint32_t rgb) {
    for (int y = std::max(top, 0); y < std::min(bottom, picture.Height()); ++y) {
        for (int x = std::max(left, 0); x < std::min(right, picture.Width()); ++x) {
            picture.SetPixel(x, y, rgb);
        }
    }
}

}  // namespace

Surface DrawLargeIcon(int size) {
    const IconLayout& layout = kLayout32;
    // Whole icon pixels: every line, the frame and the stem stay crisp.
    const int unit = size / 32;
    Surface picture(size, size, kStandardPalette[kWhite]);
    const std::uint32_t navy = kStandardPalette[kNavy];
    FillBlock(picture, 0, 0, size, unit, navy);
    FillBlock(picture, 0, size - unit, size, size, navy);
    FillBlock(picture, 0, 0, unit, size, navy);
    FillBlock(picture, size - unit, 0, size, size, navy);
    for (int k = 0; k < 5; ++k) {
        const int row = (layout.firstLine + k * layout.lineGap) * size / 32;
        FillBlock(picture, 2 * unit, row, size - 2 * unit, row + unit, kStandardPalette[kGrey]);
    }
    const int middleLine = layout.firstLine + 2 * layout.lineGap;
    InkCanvas ink(size, size, 8);
    const double scale = size / 32.0;
    ink.Ellipse(layout.headX * scale, (middleLine + 0.5) * scale, layout.headRx * scale,
                layout.headRy * scale, -25.0);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            InkPixel(picture, x, y, kStandardPalette[kBlack], ink.Coverage(x, y));
        }
    }
    const int stemRight = static_cast<int>((layout.headX + layout.headRx) * scale);
    FillBlock(picture, stemRight - layout.stemWidth * size / 32, layout.stemTop * size / 32,
              stemRight, middleLine * size / 32 + unit, kStandardPalette[kBlack]);
    return picture;
}

std::string IconSvg() {
    const IconLayout& layout = kLayout32;
    const int middleLine = layout.firstLine + 2 * layout.lineGap;
    const int stemRight = static_cast<int>(layout.headX + layout.headRx);
    std::string svg =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"32\" height=\"32\" "
        "viewBox=\"0 0 32 32\">\n"
        "  <rect x=\"0.5\" y=\"0.5\" width=\"31\" height=\"31\" fill=\"#ffffff\" "
        "stroke=\"#000080\"/>\n";
    for (int k = 0; k < 5; ++k) {
        svg += "  <rect x=\"2\" y=\"" + std::to_string(layout.firstLine + k * layout.lineGap) +
               "\" width=\"28\" height=\"1\" fill=\"#808080\"/>\n";
    }
    // The head's centre and radii are quarters and tenths: written to one decimal place.
    const auto decimal = [](double value) {
        const int tenths = static_cast<int>(value * 10 + 0.5);
        return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
    };
    svg += "  <ellipse cx=\"" + decimal(layout.headX) + "\" cy=\"" + decimal(middleLine + 0.5) +
           "\" rx=\"" + decimal(layout.headRx) + "\" ry=\"" + decimal(layout.headRy) +
           "\" transform=\"rotate(-25 " + decimal(layout.headX) + " " + decimal(middleLine + 0.5) +
           ")\"/>\n";
    svg += "  <rect x=\"" + std::to_string(stemRight - layout.stemWidth) + "\" y=\"" +
           std::to_string(layout.stemTop) + "\" width=\"" + std::to_string(layout.stemWidth) +
           "\" height=\"" + std::to_string(middleLine + 1 - layout.stemTop) + "\"/>\n</svg>\n";
    return svg;
}
