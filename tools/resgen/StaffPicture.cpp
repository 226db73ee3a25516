#include "tools/resgen/StaffPicture.h"

#include "tools/resgen/Clefs.h"
#include "tools/resgen/InkCanvas.h"

namespace {

constexpr int kWidth = 600;
constexpr int kHeight = 160;
constexpr int kLineRows[] = {53, 67, 81, 95, 109};
constexpr int kLineLeft = 16;
constexpr int kLineRight = 583;
constexpr std::uint32_t kLineColour = RgbPixel(36, 36, 36);
constexpr unsigned kInkRed = 30;
constexpr unsigned kInkGreen = 25;
constexpr unsigned kInkBlue = 22;

struct Box {
    int left;
    int top;
    int right;
    int bottom;
};

unsigned Mix(unsigned base, unsigned ink, int coverage) {
    return (base * (255 - coverage) + ink * coverage + 127) / 255;
}

}  // namespace

Surface DrawStaffPicture(Clef clef, int scale, int ledgerLines) {
    const int shift = 14 * (ledgerLines - 1);
    const int height = kHeight + 2 * shift;
    Surface picture(kWidth * scale, height * scale);
    for (int row : kLineRows) {
        for (int y = (row + shift) * scale; y < (row + shift + 1) * scale; ++y) {
            for (int x = kLineLeft * scale; x < (kLineRight + 1) * scale; ++x) {
                picture.SetPixel(x, y, kLineColour);
            }
        }
    }

    // The clefs are drawn for the staff of one ledger line; a taller picture takes them
    // `shift` rows lower.
    InkCanvas ink(64 * scale, height * scale, 16, scale, shift);
    Box box{};
    switch (clef) {
        case Clef::kTreble:
            InkTrebleClef(ink);
            box = {17, 29, 57, 132};
            break;
        case Clef::kBass:
            InkBassClef(ink);
            box = {16, 52, 56, 97};
            break;
        case Clef::kAlto:
            InkCClef(ink, 81);
            box = {17, 52, 53, 110};
            break;
        case Clef::kTenor:
            InkCClef(ink, 67);
            box = {17, 38, 53, 96};
            break;
    }
    box.top += shift;
    box.bottom += shift;
    // The clef stays inside its box; over a line its shades replace the line's.
    for (int y = box.top * scale; y < (box.bottom + 1) * scale; ++y) {
        for (int x = box.left * scale; x < (box.right + 1) * scale; ++x) {
            const int coverage = ink.Coverage(x, y);
            const std::uint32_t base = picture.Pixel(x, y);
            picture.SetPixel(x, y,
                             RgbPixel(Mix((base >> 16) & 0xFF, kInkRed, coverage),
                                      Mix((base >> 8) & 0xFF, kInkGreen, coverage),
                                      Mix(base & 0xFF, kInkBlue, coverage)));
        }
    }
    return picture;
}
