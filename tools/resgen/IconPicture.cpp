#include "tools/resgen/IconPicture.h"

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

IndexedImage DrawIconImage(int size) {
    // All positions are designed on the 32-pixel grid and scaled.
    const double scale = size / 32.0;
    IndexedImage image{size,
                       std::vector<std::uint8_t>(static_cast<std::size_t>(size) * size, kWhite)};
    auto at = [&](int x, int y) -> std::uint8_t& {
        return image.indices[static_cast<std::size_t>(y) * size + x];
    };

    // A navy frame round a white card.
    for (int i = 0; i < size; ++i) {
        at(i, 0) = at(i, size - 1) = at(0, i) = at(size - 1, i) = kNavy;
    }
    const int lineGap = size == 32 ? 5 : 3;
    const int firstLine = size == 32 ? 6 : 3;
    for (int k = 0; k < 5; ++k) {
        for (int x = 2; x < size - 2; ++x) {
            at(x, firstLine + k * lineGap) = kGrey;
        }
    }

    // A quarter note on the middle line: a tilted filled head and a stem rising on its right.
    InkCanvas ink(size, size, 16);
    const double headY = firstLine + 2 * lineGap + 0.5;
    ink.Ellipse(14.0 * scale, headY, 5.2 * scale, 3.6 * scale, -25.0);
    const double stemX = 14.0 * scale + 4.3 * scale;
    for (double y = 3.0 * scale; y < headY; y += 0.05) {
        ink.Disc(stemX, y, 0.9 * scale > 0.6 ? 0.9 * scale : 0.6);
    }
    for (int y = 1; y < size - 1; ++y) {
        for (int x = 1; x < size - 1; ++x) {
            at(x, y) = InkIndex(ink.Coverage(x, y), at(x, y));
        }
    }
    return image;
}
