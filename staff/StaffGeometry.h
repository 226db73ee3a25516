// The pure rules of the staff: pixel constants, line offsets and staff steps, snapped rows,
// column centres and the MIDI key of each staff position. Every division truncates toward
// zero, as C++ integer division does.
#pragma once

#include <string>

namespace staff {

// The staff picture and the control's client area.
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

// (y - 81) / 7: 0 on the middle line, negative above it, positive below.
int LineOffset(int y);
// The row of y's own line offset: y moves toward the middle line, never away from it.
int SnappedY(int y);
// |LineOffset(y) - 7|: 1 (lowest ledger line) to 13 (highest) for y 33 to 129.
int YToStep(int y);
// (7 - step) * 7 + 81.
int StepToY(int step);
// The centre of a column when the note area is divided into `columns` columns.
int ColumnToX(int column, int columns);
// The key of a line offset under the treble or bass clef.
int StepToKey(int lineOffset, bool treble);
// The staff step (1 to 13) where `key` lies under the clef; 0 when no position sounds it.
int KeyToStep(int key, bool treble);
// Scientific pitch notation of a MIDI key 0..127: middle C, key 60, is C4.
std::string PitchName(int key);

}  // namespace staff
