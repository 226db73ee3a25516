// Where the signs go: a key signature right after the clef, a note's own sign just left of
// its head, and the note area, which starts after the signature so that nothing covers it.
// With no signature the note area is the staff's own, 80 to 580.
#pragma once

#include "staff/WrittenPitch.h"

namespace staff {

// The pictures of the three signs, 1x: width, height, and the row whose centre stands on
// the sign's line or space (a sharp's or natural's middle, a flat's bowl).
struct SignPicture {
    int width;
    int height;
    int anchorRow;
};
SignPicture SignPictureOf(Accidental accidental);

// The left edge of the `index`th sign (from 0) of a signature.
int SignatureSignLeft(int signature, int index);
// Where the note area starts: 80 with no signature while notes get no signs from the
// learner, else far enough right that a note there with a sign of its own clears the
// signature, or the clef.
int NoteAreaLeft(int signature, bool signsOnNotes);
// The centre of a column of that note area, by the column rule of the staff (halves
// truncated before the multiplication).
int SignedColumnToX(int column, int columns, int signature, bool signsOnNotes);
// The left edge of the sign a note centred at x carries.
int AccidentalLeft(int noteX, Accidental accidental);

}  // namespace staff
