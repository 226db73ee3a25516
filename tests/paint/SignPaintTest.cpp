// Key signatures in each clef and a note's own signs at the outermost places, painted at
// 1x and 2x, against the pictures combined here from places written out by hand.
#include <gtest/gtest.h>

#include "PixelCheck.h"
#include "StaffReference.h"
#include "platform/CBitmap.h"
#include "res/resource.h"
#include "staff/test/HeadlessStaff.h"

namespace {

using namespace paint_test;
using staff::Accidental;

using staff::Clef;

// Line offsets of the signs as printed music places them, sharps then flats, for the
// treble, bass, alto and tenor clefs.
constexpr int kPlaces[4][2][7] = {
    {{-4, -1, -5, -2, 1, -3, 0}, {0, -3, 1, -2, 2, -1, 3}},
    {{-2, 1, -3, 0, 3, -1, 2}, {2, -1, 3, 0, 4, 1, 5}},
    {{-3, 0, -4, -1, 2, -2, 1}, {1, -2, 2, -1, 3, 0, 4}},
    {{2, -2, 1, -3, 0, -4, -1}, {-1, -4, 0, -3, 1, -2, 2}},
};

struct Sign {
    Surface glyph, red, mask;
    int width, anchor;
};

Sign LoadSign(Accidental accidental, int scale) {
    const UINT first = accidental == Accidental::Sharp  ? IDB_SHARP
                       : accidental == Accidental::Flat ? IDB_FLAT
                                                        : IDB_NATURAL;
    const UINT base = scale == 2 ? first - IDB_SHARP + IDB_SHARP_2X : first;
    const auto load = [](UINT id) {
        CBitmap bitmap;
        bitmap.LoadBitmap(id);
        return bitmap.Pixels();
    };
    return {load(base), load(base + 1), load(base + 2),
            accidental == Accidental::Sharp  ? 14
            : accidental == Accidental::Flat ? 12
                                             : 10,
            accidental == Accidental::Flat ? 25 : 19};
}

// glyph AND (NOT mask OR screen), channel by channel, as a note is combined.
void DrawSign(Surface& frame, const Sign& sign, bool red, int left, int y, int scale) {
    const Surface& glyph = red ? sign.red : sign.glyph;
    for (int row = 0; row < sign.mask.Height(); ++row) {
        for (int column = 0; column < sign.mask.Width(); ++column) {
            const int x = left * scale + column;
            const int fy = (y - sign.anchor) * scale + row;
            if (x < 0 || fy < 0 || x >= frame.Width() || fy >= frame.Height()) {
                continue;
            }
            const std::uint32_t m = sign.mask.Pixel(column, row);
            frame.SetPixel(x, fy,
                           glyph.Pixel(column, row) & ((~m & 0xFFFFFF) | frame.Pixel(x, fy)));
        }
    }
}

struct Case {
    Clef clef;
    int signature;
    int scale;
};

class SignPaint : public ::testing::TestWithParam<Case> {};

TEST_P(SignPaint, SignatureAfterTheClefAndEachNoteSignBeforeItsHead) {
    const auto [clef, signature, scale] = GetParam();
    HeadlessStaff canvas;
    canvas.window.SetPaintScale(scale);
    canvas.Staff().SetClef(clef);
    canvas.Staff().SetKeySignature(signature);
    canvas.Staff().SetAccidentalKeys(true);
    // A sharp on the highest place, a flat on the lowest, a red natural on the middle line.
    const struct {
        int x, y;
        Accidental accidental;
    } notes[] = {
        {260, 39, Accidental::Sharp}, {380, 123, Accidental::Flat}, {500, 81, Accidental::Natural}};
    for (int i = 0; i < 3; ++i) {
        canvas.Staff().AddNotes({CPoint(notes[i].x, notes[i].y)});
        canvas.Staff().SetAccidental(i, notes[i].accidental);
    }
    canvas.Staff().Select(2);
    canvas.Repaint();

    StaffPictures pictures = LoadTallStaffPictures(clef, 1, scale);
    Surface expected = pictures.staff;
    const Sign sharp = LoadSign(Accidental::Sharp, scale);
    const Sign flat = LoadSign(Accidental::Flat, scale);
    const int* places = kPlaces[static_cast<int>(clef)][signature > 0 ? 0 : 1];
    for (int i = 0; i < std::abs(signature); ++i) {
        DrawSign(expected, signature > 0 ? sharp : flat, false, 64 + i * (signature > 0 ? 15 : 13),
                 81 + 7 * places[i], scale);
    }
    for (int i = 0; i < 3; ++i) {
        const Sign sign = LoadSign(notes[i].accidental, scale);
        DrawSign(expected, sign, i == 2, notes[i].x - 15 - sign.width, notes[i].y, scale);
        DrawExpectedNote(expected, pictures, {notes[i].x, notes[i].y, i == 2});
    }
    EXPECT_TRUE(SameSurface(canvas.Screen(), expected));

    // A note pressed as far left as it goes keeps its sharp clear of the signature.
    canvas.Staff().ClearNotes();
    canvas.Down(0, 39);
    canvas.Up(0, 39);
    const int signatureEnd =
        signature == 0 ? 57 : 64 + (std::abs(signature) - 1) * (signature > 0 ? 15 : 13) + 14;
    EXPECT_GT(canvas.Staff().NoteCentre(0).x - 12 - 3 - 14, signatureEnd);
}

std::vector<Case> AllCases() {
    std::vector<Case> cases;
    for (const int scale : {1, 2}) {
        for (const Clef clef : {Clef::Treble, Clef::Bass, Clef::Alto, Clef::Tenor}) {
            for (int signature = -7; signature <= 7; ++signature) {
                cases.push_back({clef, signature, scale});
            }
        }
    }
    return cases;
}

std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
    static constexpr const char* kNames[] = {"Treble", "Bass", "Alto", "Tenor"};
    const Case& c = info.param;
    return std::string(kNames[static_cast<int>(c.clef)]) + (c.signature < 0 ? "Flats" : "Sharps") +
           std::to_string(std::abs(c.signature)) + "At" + std::to_string(c.scale) + "x";
}

INSTANTIATE_TEST_SUITE_P(EachClefAndSignature, SignPaint, ::testing::ValuesIn(AllCases()),
                         CaseName);

}  // namespace
