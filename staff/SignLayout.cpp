#include "staff/SignLayout.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "staff/StaffGeometry.h"

namespace staff {
namespace {

// Right of the clefs' boxes (the bass clef's dots end at x 56) with a gap.
constexpr int kSignatureLeft = 64;
constexpr int kClefRight = 57;
// From one sign of a signature to the next.
constexpr struct { int sharps, flats; } kSignatureAdvance{15, 13};
// Between a sign and the head of its note, and between the signature and the note area's
// first sign.
constexpr int kSignGap = 3;
constexpr int kSignatureGap = 6;
constexpr int kNoteAreaRight = kNoteAreaLeft + kNoteAreaWidth;

constexpr SignPicture kSharp = {14, 39, 19};
constexpr SignPicture kFlat = {12, 35, 25};
constexpr SignPicture kNatural = {10, 39, 19};

}  // namespace

SignPicture SignPictureOf(Accidental accidental) {
    switch (accidental) {
        case Accidental::Flat:
            return kFlat;
        case Accidental::Natural:
            return kNatural;
        case Accidental::Sharp:
        case Accidental::None:
            break;
    }
    return kSharp;
}

int SignatureSignLeft(int signature, int index) {
    return kSignatureLeft +
           index * (signature > 0 ? kSignatureAdvance.sharps : kSignatureAdvance.flats);
}

int NoteAreaLeft(int signature, bool signsOnNotes) {
    if (signature == 0 && !signsOnNotes) {
        return kNoteAreaLeft;
    }
    const int count = std::min(std::abs(signature), kMaxSignature);
    const int end =
        count == 0 ? kClefRight
                   : SignatureSignLeft(signature, count - 1) +
                         SignPictureOf(signature > 0 ? Accidental::Sharp : Accidental::Flat).width;
    // The widest sign a note carries is the sharp.
    const int widest = kSharp.width;
    return std::max(kNoteAreaLeft, end + kSignatureGap + widest + kSignGap + kNoteHalfWidth);
}

int SignedColumnToX(int column, int columns, int signature, bool signsOnNotes) {
    const int left = NoteAreaLeft(signature, signsOnNotes);
    if (left == kNoteAreaLeft) {
        return ColumnToX(column, columns);
    }
    const int halfColumn = (kNoteAreaRight - left) / std::max(columns, 1) / 2;
    const std::int64_t x = std::int64_t{halfColumn} * (2 * std::int64_t{column} + 1) + left;
    return static_cast<int>(std::clamp<std::int64_t>(x, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

int AccidentalLeft(int noteX, Accidental accidental) {
    // Far enough outside the staff that the sign is clipped away, and no sum overflows.
    constexpr int kFarOutside = 1 << 20;
    noteX = std::clamp(noteX, -kFarOutside, kFarOutside);
    return noteX - kNoteHalfWidth - kSignGap - SignPictureOf(accidental).width;
}

}  // namespace staff
