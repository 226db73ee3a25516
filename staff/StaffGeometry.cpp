#include "staff/StaffGeometry.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

namespace staff {
namespace {

// Owners may pass any int (a step far off the staff, a column far beyond the area); the
// arithmetic runs in 64 bits and the result saturates instead of overflowing.
int Saturate(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

}  // namespace

int LineOffset(int y) {
    return static_cast<int>((static_cast<std::int64_t>(y) - kMiddleLineY) / kHalfStep);
}

int SnappedY(int y) {
    return kMiddleLineY + kHalfStep * LineOffset(y);
}

int YToStep(int y) {
    const std::int64_t step = std::int64_t{LineOffset(y)} - 7;
    return Saturate(step < 0 ? -step : step);
}

int StepToY(int step) {
    return Saturate((7 - std::int64_t{step}) * kHalfStep + kMiddleLineY);
}

int ColumnToX(int column, int columns) {
    // A count below 1 (never set, or nonsense) counts as one column rather than dividing
    // by zero or by a negative number.
    const int halfColumn = kNoteAreaWidth / std::max(columns, 1) / 2;
    return Saturate(std::int64_t{halfColumn} * (2 * std::int64_t{column} + 1) + kNoteAreaLeft);
}

int StepToKey(int lineOffset, bool treble) {
    // Offsets beyond the staff positions sound the outermost key on their side.
    const int index = std::clamp(lineOffset, kTopLineOffset, kBottomLineOffset) - kTopLineOffset;
    return treble ? kTrebleKeys[index] : kBassKeys[index];
}

int KeyToStep(int key, bool treble) {
    for (int offset = kTopLineOffset; offset <= kBottomLineOffset; ++offset) {
        if (StepToKey(offset, treble) == key) {
            return 7 - offset;
        }
    }
    return 0;
}

std::string PitchName(int key) {
    constexpr int kKeysPerOctave = 12;
    static constexpr std::array<const char*, kKeysPerOctave> kNames = {
        "C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
    const int octave = key / kKeysPerOctave - 1;
    return std::string(kNames[static_cast<std::size_t>(key % kKeysPerOctave)]) +
           std::to_string(octave);
}

}  // namespace staff
