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

IndexedImage DrawIconImage(int size) {
    const IconLayout layout =
        size == 32 ? IconLayout{6, 5, 13.5, 5.0, 3.4, 2, 3} : IconLayout{2, 3, 6.5, 3.1, 2.1, 1, 1};
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
