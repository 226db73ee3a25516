#include "StaffReference.h"

#include "platform/CBitmap.h"
#include "res/resource.h"

namespace paint_test {
namespace {

Surface Load(UINT id) {
    CBitmap bitmap;
    bitmap.LoadBitmap(id);
    return bitmap.Pixels();
}

bool Inside(const Surface& frame, long long x, long long y) {
    return x >= 0 && x < frame.Width() && y >= 0 && y < frame.Height();
}

}  // namespace

StaffPictures LoadStaffPictures(bool treble, int scale) {
    if (scale == 2) {
        return {Load(treble ? IDB_STAFF_TREBLE_2X : IDB_STAFF_BASS_2X), Load(IDB_NOTE_2X),
                Load(IDB_NOTE_SELECTED_2X), Load(IDB_NOTE_MASK_2X), 2};
    }
    return {Load(treble ? IDB_STAFF_TREBLE : IDB_STAFF_BASS), Load(IDB_NOTE),
            Load(IDB_NOTE_SELECTED), Load(IDB_NOTE_MASK)};
}

StaffPictures LoadTallStaffPictures(staff::Clef clef, int ledgerLines, int scale) {
    const UINT tall[] = {IDB_STAFF_TALL_TREBLE, IDB_STAFF_TALL_BASS, IDB_STAFF_TALL_ALTO,
                         IDB_STAFF_TALL_TENOR};
    const UINT tallDouble[] = {IDB_STAFF_TALL_TREBLE_2X, IDB_STAFF_TALL_BASS_2X,
                               IDB_STAFF_TALL_ALTO_2X, IDB_STAFF_TALL_TENOR_2X};
    const auto index = static_cast<std::size_t>(clef);
    StaffPictures pictures = LoadStaffPictures(true, scale);
    const Surface picture = Load(scale == 2 ? tallDouble[index] : tall[index]);
    const int height = (kControlHeight + 28 * (ledgerLines - 1)) * scale;
    const int top = 14 * (4 - ledgerLines) * scale;
    pictures.staff = Surface(kControlWidth * scale, height);
    for (int y = 0; y < height && top + y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            pictures.staff.SetPixel(x, y, picture.Pixel(x, top + y));
        }
    }
    pictures.ledgerLines = ledgerLines;
    return pictures;
}

std::vector<int> LedgerRows(long long y) {
    return LedgerRows(y, 1);
}

std::vector<int> LedgerRows(long long y, int ledgerLines) {
    const long long shift = 14 * (ledgerLines - 1);
    const long long offset = (y - 81 - shift) / 7;
    const long long row = 81 + shift + 7 * offset;
    const long long height = kControlHeight + 2 * shift;
    std::vector<int> rows;
    if (offset > 5) {
        for (long long line = 123 + shift; line <= row + 7 && line < height; line += 14) {
            rows.push_back(static_cast<int>(line));
        }
    } else if (offset < -5) {
        for (long long line = 39 + shift; line >= row - 7 && line >= 0; line -= 14) {
            rows.push_back(static_cast<int>(line));
        }
    }
    return rows;
}

void DrawExpectedNote(Surface& frame, const StaffPictures& pictures, const ExpectedNote& note,
                      const std::vector<int>& ledgerRows) {
    const int s = pictures.scale;
    for (int row : ledgerRows) {
        for (long long x = (note.x - 24) * s; x < (note.x + 24) * s; ++x) {
            for (long long y = row * s; y < (row + 1) * s; ++y) {
                if (Inside(frame, x, y)) {
                    frame.SetPixel(static_cast<int>(x), static_cast<int>(y), kInk);
                }
            }
        }
    }
    const Surface& glyph = note.red ? pictures.selected : pictures.note;
    if (glyph.IsEmpty() || pictures.mask.IsEmpty()) {
        return;
    }
    for (int row = 0; row < 15 * s; ++row) {
        for (int column = 0; column < 25 * s; ++column) {
            const long long x = (note.x - 12) * s + column;
            const long long y = (note.y - 7) * s + row;
            if (!Inside(frame, x, y)) {
                continue;
            }
            const std::uint32_t g = glyph.Pixel(column, row);
            const std::uint32_t m = pictures.mask.Pixel(column, row);
            const std::uint32_t d = frame.Pixel(static_cast<int>(x), static_cast<int>(y));
            std::uint32_t result = 0;
            for (int shift : {16, 8, 0}) {
                const unsigned gc = (g >> shift) & 0xFF;
                const unsigned mc = (m >> shift) & 0xFF;
                const unsigned dc = (d >> shift) & 0xFF;
                result |= (gc & ((~mc & 0xFF) | dc)) << shift;
            }
            frame.SetPixel(static_cast<int>(x), static_cast<int>(y), result);
        }
    }
}

void DrawExpectedNote(Surface& frame, const StaffPictures& pictures, const ExpectedNote& note) {
    DrawExpectedNote(frame, pictures, note, LedgerRows(note.y, pictures.ledgerLines));
}

Surface ExpectedFrame(const StaffPictures& pictures, const std::vector<ExpectedNote>& notes) {
    Surface frame = pictures.staff;
    for (const ExpectedNote& note : notes) {
        DrawExpectedNote(frame, pictures, note);
    }
    return frame;
}

}  // namespace paint_test
