// An independent rendering of the staff control for the tests to compare with: the
// pictures combined pixel by pixel and channel by channel, with the ledger lines found
// from the geometry of the staff rather than from the paint code's count.
#pragma once

#include <vector>

#include "platform/Surface.h"
#include "staff/StaffGeometry.h"

namespace paint_test {

constexpr int kControlWidth = 600;
constexpr int kControlHeight = 160;
constexpr std::uint32_t kInk = 0x000000;

struct StaffPictures {
    Surface staff;
    Surface note;
    Surface selected;
    Surface mask;
    // Frame pixels to a control pixel: the pictures are drawn this many times larger.
    int scale = 1;
    // Ledger lines the staff makes room for on each side.
    int ledgerLines = 1;
};

// The real pictures of the program's resources; empty surfaces where a load fails. At
// `scale` 2 the twice-size ones.
StaffPictures LoadStaffPictures(bool treble, int scale = 1);
// A staff of 1 to 4 ledger lines: the rows of the four-ledger-line picture of the clef
// that such a staff's height takes from its middle.
StaffPictures LoadTallStaffPictures(staff::Clef clef, int ledgerLines, int scale);

// Centres in 64 bits, so that notes far off the control can be described exactly.
struct ExpectedNote {
    long long x;
    long long y;
    bool red;
};

// The ledger lines of a note centred at y, nearest the staff first, within the control.
// Below the staff: every line from 123 down to the one through or just beyond the note's
// row (its row moved toward the middle line onto its line or space); above, the same from
// 39 up.
std::vector<int> LedgerRows(long long y);
// The same on a staff of 1 to 4 ledger lines: every row 14 lower for each line past the
// first, down to the control's taller bottom.
std::vector<int> LedgerRows(long long y, int ledgerLines);

// Black ledger lines from x − 24 to x + 23 on each row, then the note's box at
// (x − 12, y − 7): every channel becomes glyph AND (NOT mask OR screen). Positions and
// line widths are multiplied by the pictures' scale.
void DrawExpectedNote(Surface& frame, const StaffPictures& pictures, const ExpectedNote& note,
                      const std::vector<int>& ledgerRows);
void DrawExpectedNote(Surface& frame, const StaffPictures& pictures, const ExpectedNote& note);

// The staff picture with the notes drawn over it in order.
Surface ExpectedFrame(const StaffPictures& pictures, const std::vector<ExpectedNote>& notes);

}  // namespace paint_test
