#include "staff/StaffGeometry.h"

#include "staff/WrittenPitch.h"

#include <algorithm>
#include <array>
#include <cmath>
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

StaffGeometry::StaffGeometry(int ledgerLines)
    : m_ledgerLines(std::clamp(ledgerLines, kMinLedgerLines, kMaxLedgerLines)) {}

int StaffGeometry::LineOffset(int y) const {
    return static_cast<int>((static_cast<std::int64_t>(y) - MiddleLineY()) / kHalfStep);
}

int StaffGeometry::SnappedY(int y) const {
    return MiddleLineY() + kHalfStep * LineOffset(y);
}

int StaffGeometry::YToStep(int y) const {
    const std::int64_t step = 7 - std::int64_t{LineOffset(y)};
    const std::int64_t fold = LowestStep() - 1;
    return Saturate(step < fold ? 2 * fold - step : step);
}

int StaffGeometry::StepToY(int step) const {
    return Saturate((7 - std::int64_t{step}) * kHalfStep + MiddleLineY());
}

int StaffGeometry::StepToKey(int lineOffset, Clef clef) const {
    return KeyOfStep(7 - std::clamp(lineOffset, 7 - HighestStep(), 7 - LowestStep()), clef);
}

std::optional<int> StaffGeometry::KeyToStep(int key, Clef clef) const {
    for (int step = LowestStep(); step <= HighestStep(); ++step) {
        if (KeyOfStep(step, clef) == key) {
            return step;
        }
    }
    return std::nullopt;
}

HeardPlace StaffGeometry::NearestPlace(double key, Clef clef, int signature) const {
    const auto distance = [&](int step) {
        const int letter = LetterOf(LetterStepAt(MiddleLineOf(clef), 7 - step));
        return std::abs(KeyOfStep(step, clef) + SignatureAlter(signature, letter) - key);
    };
    // One place beyond each side stands for every pitch beyond the staff.
    int nearest = LowestStep() - 1;
    for (int step = LowestStep(); step <= HighestStep() + 1; ++step) {
        if (distance(step) < distance(nearest)) {
            nearest = step;
        }
    }
    if (nearest < LowestStep()) {
        return {LowestStep(), -1};
    }
    if (nearest > HighestStep()) {
        return {HighestStep(), 1};
    }
    return {nearest, 0};
}

int KeyOfStep(int step, Clef clef) {
    // White keys counted from C-1 (key 0) and the one under step 0 in each clef: C4 is
    // white key 35, on step 1 in the treble clef, 13 in the bass, 7 in the alto, 9 in
    // the tenor.
    constexpr int kC4 = 35;
    constexpr std::array<int, 4> kStepOfC4 = {1, 13, 7, 9};
    constexpr std::array<int, 7> kSemitones = {0, 2, 4, 5, 7, 9, 11};
    constexpr int kHighestWhiteKey = 74;  // G9, key 127
    const std::int64_t white = std::clamp<std::int64_t>(
        std::int64_t{step} + kC4 - kStepOfC4[static_cast<std::size_t>(clef)], 0, kHighestWhiteKey);
    return static_cast<int>(12 * (white / 7) + kSemitones[static_cast<std::size_t>(white % 7)]);
}

int LineOffset(int y) {
    return StaffGeometry().LineOffset(y);
}

int SnappedY(int y) {
    return StaffGeometry().SnappedY(y);
}

int YToStep(int y) {
    return StaffGeometry().YToStep(y);
}

int StepToY(int step) {
    return StaffGeometry().StepToY(step);
}

int ColumnToX(int column, int columns) {
    // A count below 1 (never set, or nonsense) counts as one column rather than dividing
    // by zero or by a negative number.
    const int halfColumn = kNoteAreaWidth / std::max(columns, 1) / 2;
    return Saturate(std::int64_t{halfColumn} * (2 * std::int64_t{column} + 1) + kNoteAreaLeft);
}

int StepToKey(int lineOffset, bool treble) {
    return StaffGeometry().StepToKey(lineOffset, treble ? Clef::Treble : Clef::Bass);
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
