// The pure rules of the staff: pixel constants, line offsets and staff steps, snapped rows,
// column centres and the MIDI key of each staff position. Every division truncates toward
// zero, as C++ integer division does.
#pragma once

#include <optional>
#include <string>

namespace staff {

// The staff picture and the control's client area with one ledger line each way.
inline constexpr int kStaffWidth = 600;
inline constexpr int kStaffHeight = 160;

// Rows: the middle staff line and the distance between a line and the next space.
inline constexpr int kMiddleLineY = 81;
inline constexpr int kHalfStep = 7;

// The band that the columns divide.
inline constexpr int kNoteAreaLeft = 80;
inline constexpr int kNoteAreaWidth = 500;

// Where the centre of a note that the user places or drags may lie, ends included.
inline constexpr int kClampLeft = 80;
inline constexpr int kClampRight = 568;
inline constexpr int kClampTop = 39;
inline constexpr int kClampBottom = 123;

// A drag goes on while the pointer stays in this area, ends included.
inline constexpr int kDragLeft = 70;
inline constexpr int kDragRight = 580;
inline constexpr int kDragTop = 18;
inline constexpr int kDragBottom = 144;

// A note's hit box reaches this far left and up from its centre, and as far right and
// down minus one pixel (right and bottom edges lie outside the box).
inline constexpr int kNoteHalfWidth = 12;
inline constexpr int kNoteHalfHeight = 7;

// Line offsets that map to a staff position: -6 (top) to 6 (bottom).
inline constexpr int kTopLineOffset = -6;
inline constexpr int kBottomLineOffset = 6;
inline constexpr int kPositionCount = kBottomLineOffset - kTopLineOffset + 1;

// MIDI keys of the staff positions, from the top (line offset -6) to the bottom (+6).
inline constexpr int kTrebleKeys[kPositionCount] = {81, 79, 77, 76, 74, 72, 71,
                                                    69, 67, 65, 64, 62, 60};
inline constexpr int kBassKeys[kPositionCount] = {60, 59, 57, 55, 53, 52, 50,
                                                  48, 47, 45, 43, 41, 40};

// Ledger lines a staff can make room for on each side.
inline constexpr int kMinLedgerLines = 1;
inline constexpr int kMaxLedgerLines = 4;
// Each further ledger line adds a line and a space above and below.
inline constexpr int kLedgerRoom = 4 * kHalfStep;

enum class Clef { Treble, Bass, Alto, Tenor };

// Where a pitch heard by the microphone shows: the line or space whose key lies nearest it,
// or, for a pitch nearer a place beyond the staff's outermost ones, the outermost place on
// its side.
struct HeardPlace {
    int step = 0;
    int beyond = 0;  // +1 too high, -1 too low, 0 on the staff
    bool operator==(const HeardPlace&) const = default;
};

// The staff with room for 1 to 4 ledger lines above and below it. The staff and all on it
// sit 14 pixels lower for each ledger line past the first; steps keep their meaning (1 the
// first ledger line below, 7 the middle line, 13 the first above) and go on past them:
// 0, -1, ... below and 14, 15, ... above. With one ledger line every rule is the
// program's original one.
class StaffGeometry {
  public:
    // A count outside 1..4 counts as the nearest of them.
    explicit StaffGeometry(int ledgerLines = kMinLedgerLines);

    int LedgerLines() const { return m_ledgerLines; }
    int Height() const { return kStaffHeight + kLedgerRoom * (m_ledgerLines - 1); }
    // How much lower the staff lies than with one ledger line.
    int Shift() const { return kLedgerRoom / 2 * (m_ledgerLines - 1); }
    int MiddleLineY() const { return kMiddleLineY + Shift(); }
    int LowestStep() const { return 1 - 2 * (m_ledgerLines - 1); }
    int HighestStep() const { return kPositionCount + 2 * (m_ledgerLines - 1); }
    int ClampTop() const { return kClampTop; }
    int ClampBottom() const { return kClampBottom + kLedgerRoom * (m_ledgerLines - 1); }
    int DragTop() const { return kDragTop; }
    int DragBottom() const { return kDragBottom + kLedgerRoom * (m_ledgerLines - 1); }
    // The ledger lines nearest the staff.
    int FirstLedgerAboveY() const { return kClampTop + Shift(); }
    int FirstLedgerBelowY() const { return kClampBottom + Shift(); }

    // (y - middle line) / 7: 0 on the middle line, negative above it, positive below.
    int LineOffset(int y) const;
    // The row of y's own line offset: y moves toward the middle line, never away from it.
    int SnappedY(int y) const;
    // 7 - LineOffset(y) down to one step below the lowest position; further down the
    // count folds back up, as |LineOffset(y) - 7| does with one ledger line.
    int YToStep(int y) const;
    int StepToY(int step) const;
    // The key of a line offset; offsets beyond the outermost positions sound the
    // outermost key on their side.
    int StepToKey(int lineOffset, Clef clef) const;
    // The step among this staff's positions where `key` lies under the clef; none for a
    // black key or a pitch beyond them.
    std::optional<int> KeyToStep(int key, Clef clef) const;
    // `key` a MIDI key with its fraction (69.5 is a quarter tone above A4); a pitch halfway
    // between two places shows on the lower. Each place sounds as the key signature makes
    // it (1..7 sharps, -1..-7 flats), so a B flat heard in F major shows on the B line.
    HeardPlace NearestPlace(double key, Clef clef, int signature = 0) const;

  private:
    int m_ledgerLines;
};

// The key of a staff step under a clef, by the one diatonic rule: each step is the next
// white key, and the clef fixes which step is which (treble: step 1 is C4; bass: step 13
// is C4; alto: the middle line, step 7; tenor: the fourth line, step 9). Saturates at
// keys 0 and 127.
int KeyOfStep(int step, Clef clef);

// The rules with one ledger line.
int LineOffset(int y);
int SnappedY(int y);
// |LineOffset(y) - 7|: 1 (lowest ledger line) to 13 (highest) for y 33 to 129.
int YToStep(int y);
// (7 - step) * 7 + 81.
int StepToY(int step);
// The centre of a column when the note area is divided into `columns` columns.
int ColumnToX(int column, int columns);
// The key of a line offset under the treble or bass clef.
int StepToKey(int lineOffset, bool treble);
// Scientific pitch notation of a MIDI key 0..127: middle C, key 60, is C4.
std::string PitchName(int key);

}  // namespace staff
