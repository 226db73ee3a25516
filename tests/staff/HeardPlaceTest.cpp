// Where a heard pitch shows on the staff: the nearest line or space, ties to the lower, and
// the outermost place with its side for a pitch nearer a place the staff does not have.
#include <gtest/gtest.h>

#include "staff/StaffGeometry.h"

namespace {

using staff::Clef;
using staff::HeardPlace;

struct HeardCase {
    double key;
    Clef clef;
    int ledgerLines;
    HeardPlace place;
    int signature = 0;
};

constexpr HeardCase kHeard[] = {
    {67.0, Clef::Treble, 1, {5, 0}},      // G4 on its line
    {67.45, Clef::Treble, 1, {5, 0}},     // a sharp G4 still on it
    {66.0, Clef::Treble, 1, {4, 0}},      // F#4: halfway, the lower place
    {66.1, Clef::Treble, 1, {5, 0}},      // just nearer G4
    {59.6, Clef::Treble, 1, {1, 0}},      // nearer C4 than B3
    {59.4, Clef::Treble, 1, {1, -1}},     // nearer B3, below the staff
    {40.0, Clef::Treble, 1, {1, -1}},     // far below
    {81.9, Clef::Treble, 1, {13, 0}},     // nearer A5 than B5
    {82.1, Clef::Treble, 1, {13, 1}},     // nearer B5, above the staff
    {100.0, Clef::Treble, 1, {13, 1}},    // far above
    {40.0, Clef::Bass, 1, {1, 0}},        // E2, the bass clef's lowest
    {40.0, Clef::Bass, 4, {1, 0}},        // the same place with room below it
    {29.0, Clef::Bass, 4, {-5, 0}},       // F1, the fourth ledger line below
    {60.0, Clef::Alto, 1, {7, 0}},        // C4 on the alto clef's middle line
    {70.0, Clef::Treble, 1, {7, 0}, -1},  // B flat in F major on the B line
    {64.6, Clef::Treble, 1, {3, 0}, 1},   // nearer E than F sharp in G major
    {63.0, Clef::Treble, 1, {3, 0}, -3},  // E flat in E flat major on the E line
};

class HeardPlaces : public ::testing::TestWithParam<HeardCase> {};

TEST_P(HeardPlaces, NearestLineOrSpaceOrTheEdge) {
    const HeardCase& c = GetParam();
    const HeardPlace place =
        staff::StaffGeometry(c.ledgerLines).NearestPlace(c.key, c.clef, c.signature);
    EXPECT_EQ(place.step, c.place.step);
    EXPECT_EQ(place.beyond, c.place.beyond);
}

INSTANTIATE_TEST_SUITE_P(Staff, HeardPlaces, ::testing::ValuesIn(kHeard));

}  // namespace
