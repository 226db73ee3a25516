// The pitch of a written note under every key signature and clef, and its names.
#include <gtest/gtest.h>

#include <string>

#include "staff/WrittenPitch.h"

namespace {

using namespace staff;

const NameWords kChinese = {"升%s%d", "降%s%d", "还原%s%d", "%s%d"};
const NameWords kEnglish = {"%s♯%d", "%s♭%d", "%s♮%d", "%s%d"};

std::string Joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "" : " ") + name;
    }
    return text;
}

// C4 to B4 in the treble clef (line offsets 6 to 0), written without accidentals.
const struct {
    int signature;
    const char* names;
} kSignatures[] = {
    {-7, "Cb4 Db4 Eb4 Fb4 Gb4 Ab4 Bb4"}, {-6, "Cb4 Db4 Eb4 F4 Gb4 Ab4 Bb4"},
    {-5, "C4 Db4 Eb4 F4 Gb4 Ab4 Bb4"},   {-4, "C4 Db4 Eb4 F4 G4 Ab4 Bb4"},
    {-3, "C4 D4 Eb4 F4 G4 Ab4 Bb4"},     {-2, "C4 D4 Eb4 F4 G4 A4 Bb4"},
    {-1, "C4 D4 E4 F4 G4 A4 Bb4"},       {0, "C4 D4 E4 F4 G4 A4 B4"},
    {1, "C4 D4 E4 F#4 G4 A4 B4"},        {2, "C#4 D4 E4 F#4 G4 A4 B4"},
    {3, "C#4 D4 E4 F#4 G#4 A4 B4"},      {4, "C#4 D#4 E4 F#4 G#4 A4 B4"},
    {5, "C#4 D#4 E4 F#4 G#4 A#4 B4"},    {6, "C#4 D#4 E#4 F#4 G#4 A#4 B4"},
    {7, "C#4 D#4 E#4 F#4 G#4 A#4 B#4"},
};

TEST(WrittenPitch, EverySignatureOverTheSevenLetters) {
    for (const auto& row : kSignatures) {
        std::vector<std::string> names;
        int keys = 0;
        for (int offset = 6; offset >= 0; --offset) {
            const SpelledPitch pitch =
                PitchAt(kTrebleMiddleLine, offset, Accidental::None, row.signature);
            names.push_back(WrittenName(kTrebleMiddleLine, offset, Accidental::None, row.signature,
                                        ReplayWords()));
            keys += KeyOf(pitch);
        }
        EXPECT_EQ(Joined(names), row.names) << row.signature;
        // The naturals C4..B4 sum to 60+62+64+65+67+69+71; each sharp adds one, each flat
        // takes one away.
        EXPECT_EQ(keys, 458 + row.signature) << row.signature;
    }
}

TEST(WrittenPitch, OwnAccidentalsAndNaturalSignsOverrideTheSignature) {
    const struct {
        int middleLine, offset;
        Accidental accidental;
        int signature;
        const char *chinese, *english;
        int key;
    } kCases[] = {
        {kTrebleMiddleLine, 3, Accidental::Sharp, 0, "升F4", "F♯4", 66},
        {kTrebleMiddleLine, 0, Accidental::Flat, 0, "降B4", "B♭4", 70},
        {kTrebleMiddleLine, 3, Accidental::Natural, 1, "还原F4", "F♮4", 65},
        {kTrebleMiddleLine, -4, Accidental::None, 2, "升F5", "F♯5", 78},
        {kTrebleMiddleLine, 0, Accidental::Natural, 0, "还原B4", "B♮4", 71},
        {kTrebleMiddleLine, 0, Accidental::Sharp, -1, "升B4", "B♯4", 72},
        {kTrebleMiddleLine, 6, Accidental::Flat, 0, "降C4", "C♭4", 59},
        {kBassMiddleLine, 6, Accidental::None, -7, "降E2", "E♭2", 39},
        {kAltoMiddleLine, 0, Accidental::None, 0, "C4", "C4", 60},
        {kTenorMiddleLine, -2, Accidental::None, 7, "升C4", "C♯4", 61},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(WrittenName(c.middleLine, c.offset, c.accidental, c.signature, kChinese),
                  c.chinese);
        EXPECT_EQ(WrittenName(c.middleLine, c.offset, c.accidental, c.signature, kEnglish),
                  c.english);
        EXPECT_EQ(KeyOf(PitchAt(c.middleLine, c.offset, c.accidental, c.signature)), c.key)
            << c.english;
    }
}

// Natural notes sound as the staff's own rule for each clef says.
TEST(WrittenPitch, NaturalNotesAreTheClefsKeys) {
    for (const Clef clef : {Clef::Treble, Clef::Bass, Clef::Alto, Clef::Tenor}) {
        for (int step = -5; step <= 19; ++step) {
            EXPECT_EQ(KeyOf(PitchAt(MiddleLineOf(clef), 7 - step, Accidental::None, 0)),
                      KeyOfStep(step, clef))
                << static_cast<int>(clef) << " " << step;
        }
    }
}

TEST(WrittenPitch, SignaturePlacesInEachClef) {
    const struct {
        int middleLine, signature;
        const char* places;
    } kCases[] = {
        {kTrebleMiddleLine, 7, "F5 C5 G5 D5 A4 E5 B4"},
        {kTrebleMiddleLine, -7, "B4 E5 A4 D5 G4 C5 F4"},
        {kBassMiddleLine, 7, "F3 C3 G3 D3 A2 E3 B2"},
        {kBassMiddleLine, -7, "B2 E3 A2 D3 G2 C3 F2"},
        {kAltoMiddleLine, 7, "F4 C4 G4 D4 A3 E4 B3"},
        {kAltoMiddleLine, -7, "B3 E4 A3 D4 G3 C4 F3"},
        {kTenorMiddleLine, 7, "F3 C4 G3 D4 A3 E4 B3"},
        {kTenorMiddleLine, -7, "B3 E4 A3 D4 G3 C4 F3"},
        {kTrebleMiddleLine, 2, "F5 C5"},
        {kTenorMiddleLine, 0, ""},
    };
    for (const auto& c : kCases) {
        std::vector<std::string> names;
        for (const int offset : SignatureOffsets(c.middleLine, c.signature)) {
            names.push_back(NameOf({LetterStepAt(c.middleLine, offset), 0}, false, ReplayWords()));
        }
        EXPECT_EQ(Joined(names), c.places) << c.middleLine << " " << c.signature;
    }
}

}  // namespace
