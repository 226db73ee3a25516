#include "tools/resgen/NoteBitmaps.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "tools/resgen/InkCanvas.h"

namespace {

constexpr int kWidth = 25;
constexpr int kHeight = 15;
constexpr int kCoreCount = 141;

// Which class each pixel belongs to. Glyph: X dark, o soft edge, . white. Mask: X near
// black, . white. The shades within each class come from the drawn ring below.
constexpr std::array<std::string_view, kHeight> kGlyphGrid = {
    "......ooXXXXXXXXXoo......", "...ooXXXXXXXXXXXXXXXoo...", "..oXXXXXXXoooXXXXXXXXXo..",
    ".oXXXXXXXo...oXXXXXXXXXo.", "oXXXXXXXo.....oXXXXXXXXXo", "XXXXXXXXo.....ooXXXXXXXXX",
    "XXXXXXXXo.......XXXXXXXXX", "XXXXXXXXX.......oXXXXXXXX", "XXXXXXXXXo.....ooXXXXXXXX",
    "oXXXXXXXXXo.....oXXXXXXXo", ".oXXXXXXXXXo...oXXXXXXXo.", "..oXXXXXXXXXoooXXXXXXXo..",
    "...ooXXXXXXXXXXXXXXXoo...", "......ooXXXXXXXXXoo......", ".........................",
};
constexpr std::array<std::string_view, kHeight> kMaskGrid = {
    "......XXXXXXXXXXXXX......", "...XXXXXXXXXXXXXXXXXXX...", "..XXXXXXXXXXXXXXXXXXXXX..",
    ".XXXXXXXXX...XXXXXXXXXXX.", "XXXXXXXXX.....XXXXXXXXXXX", "XXXXXXXXX......XXXXXXXXXX",
    "XXXXXXXXX.......XXXXXXXXX", "XXXXXXXXX.......XXXXXXXXX", "XXXXXXXXXX......XXXXXXXXX",
    "XXXXXXXXXX......XXXXXXXXX", ".XXXXXXXXXX....XXXXXXXXX.", "..XXXXXXXXXXXXXXXXXXXXX..",
    "...XXXXXXXXXXXXXXXXXXX...", "......XXXXXXXXXXXXX......", ".........................",
};

constexpr bool RowsAreFullWidth(const std::array<std::string_view, kHeight>& grid) {
    for (std::string_view row : grid) {
        if (row.size() != kWidth) {
            return false;
        }
    }
    return true;
}
static_assert(RowsAreFullWidth(kGlyphGrid) && RowsAreFullWidth(kMaskGrid));

int Clamp(int value, int low, int high) {
    return std::min(std::max(value, low), high);
}

std::uint32_t Grey(int value) {
    return RgbPixel(value, value, value);
}

// A dark green where the glyph is black, white where it is white: pure green would be too
// light on white paper to read as a note.
constexpr int kRightGreen = 128;
std::uint32_t Green(int grey) {
    return RgbPixel(grey, kRightGreen + grey * (255 - kRightGreen) / 255, grey);
}

// A whole note: a wide ring around an oval hollow tilted from upper left to lower right.
void InkWholeNote(InkCanvas& ink) {
    ink.Ellipse(12.5, 7.0, 12.9, 7.2, 0.0);
    ink.ClearEllipse(12.6, 7.1, 4.6, 2.9, 38.0);
}

}  // namespace

NoteBitmaps DrawNoteBitmaps() {
    InkCanvas ink(kWidth, kHeight, 16);
    InkWholeNote(ink);

    struct Dark {
        int coverage;
        int x;
        int y;
    };
    std::vector<Dark> darks;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (kGlyphGrid[y][x] == 'X') {
                darks.push_back({ink.Coverage(x, y), x, y});
            }
        }
    }
    // The most fully inked dark pixels form the pure black core.
    std::stable_sort(darks.begin(), darks.end(),
                     [](const Dark& a, const Dark& b) { return a.coverage > b.coverage; });

    NoteBitmaps notes{Surface(kWidth, kHeight), Surface(kWidth, kHeight), Surface(kWidth, kHeight),
                      Surface(kWidth, kHeight)};
    for (std::size_t i = 0; i < darks.size(); ++i) {
        const Dark& d = darks[i];
        const int grey = i < kCoreCount ? 0 : Clamp(255 - d.coverage, 1, 127);
        notes.glyph.SetPixel(d.x, d.y, Grey(grey));
    }
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const bool maskDark = kMaskGrid[y][x] == 'X';
            if (kGlyphGrid[y][x] == 'o') {
                // Soft-edge pixels inside the hollow stay all but white, so that they
                // cannot show where the mask lets the background through.
                const int low = maskDark ? 128 : 238;
                notes.glyph.SetPixel(x, y, Grey(Clamp(255 - ink.Coverage(x, y), low, 254)));
            }
            const int grey = static_cast<int>(notes.glyph.Pixel(x, y) & 0xFF);
            if (maskDark) {
                // Near black under the soft edge too, a little lighter where the glyph is.
                const int shade =
                    kGlyphGrid[y][x] == 'X' ? 0 : Clamp((grey - 128) * 50 / 126, 1, 50);
                notes.mask.SetPixel(x, y, Grey(shade));
            }
            notes.selected.SetPixel(x, y, RgbPixel(255, grey, grey));
            notes.right.SetPixel(x, y, Green(grey));
        }
    }
    return notes;
}

NoteBitmaps DrawDoubleNoteBitmaps() {
    constexpr int kScale = 2;
    const int width = kWidth * kScale;
    const int height = kHeight * kScale;
    InkCanvas ink(width, height, 16, kScale);
    InkWholeNote(ink);
    return BitmapsOfInk(ink, true);
}

NoteBitmaps BitmapsOfInk(const InkCanvas& ink, bool withRight) {
    const int width = ink.Width();
    const int height = ink.Height();
    NoteBitmaps pictures{.glyph = Surface(width, height),
                         .selected = Surface(width, height),
                         .right = withRight ? Surface(width, height) : Surface(),
                         .mask = Surface(width, height)};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int coverage = ink.Coverage(x, y);
            if (coverage == 0) {
                continue;
            }
            const int grey = 255 - coverage;
            pictures.glyph.SetPixel(x, y, Grey(grey));
            pictures.selected.SetPixel(x, y, RgbPixel(255, grey, grey));
            if (withRight) {
                pictures.right.SetPixel(x, y, Green(grey));
            }
            pictures.mask.SetPixel(x, y, Grey(0));
        }
    }
    return pictures;
}
