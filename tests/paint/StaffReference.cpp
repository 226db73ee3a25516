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

bool Inside(long long x, long long y, int scale) {
    return x >= 0 && x < kControlWidth * scale && y >= 0 && y < kControlHeight * scale;
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

std::vector<int> LedgerRows(long long y) {
    const long long offset = (y - 81) / 7;
    const long long row = 81 + 7 * offset;
    std::vector<int> rows;
    if (offset > 5) {
        for (long long line = 123; line <= row + 7 && line < kControlHeight; line += 14) {
            rows.push_back(static_cast<int>(line));
        }
    } else if (offset < -5) {
        for (long long line = 39; line >= row - 7 && line >= 0; line -= 14) {
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
                if (Inside(x, y, s)) {
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
            if (!Inside(x, y, s)) {
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
    DrawExpectedNote(frame, pictures, note, LedgerRows(note.y));
}

Surface ExpectedFrame(const StaffPictures& pictures, const std::vector<ExpectedNote>& notes) {
    Surface frame = pictures.staff;
    for (const ExpectedNote& note : notes) {
        DrawExpectedNote(frame, pictures, note);
    }
    return frame;
}

}  // namespace paint_test
