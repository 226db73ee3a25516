// A staff position under a clef and a key signature, with an accidental, named in each
// system and language: the octave as each system tells it, movable do, counted dots.
#include <gtest/gtest.h>

#include "app/Language.h"
#include "platform/Resources.h"
#include "staff/NoteWords.h"
#include "staff/WrittenPitch.h"

namespace {

using namespace staff;

struct NameCase {
    Clef clef;
    int step;
    int signature;
    Accidental accidental;
    const char* letters;  // as the replay tool writes them, and the words given beside
    int dots;
    const char* solfegeZh;
    const char* numbersZh;
    const char* withLettersZh;
    const char* solfegeEn;
    const char* numbersEn;
    const char* withLettersEn;
};

constexpr Clef kTreble = Clef::Treble;
constexpr Clef kBass = Clef::Bass;
constexpr Accidental kNone = Accidental::None;

const NameCase kCases[] = {
    {kTreble, 5, 0, kNone, "G4", 0, "中音sol", "中音5", "5（G4）", "sol (middle)", "5 (middle)",
     "5 (G4)"},
    {kTreble, 1, 0, kNone, "C4", 0, "中音do", "中音1", "1（C4）", "do (middle)", "1 (middle)",
     "1 (C4)"},
    {kTreble, 9, 0, kNone, "D5", 1, "高音re", "高音2", "高音2（D5）", "re (high)", "2 (high)",
     "2 (high, D5)"},
    {kBass, 12, 0, kNone, "B3", -1, "低音si", "低音7", "低音7（B3）", "si (low)", "7 (low)",
     "7 (low, B3)"},
    {kBass, 1, 0, kNone, "E2", -2, "倍低音mi", "倍低音3", "倍低音3（E2）", "mi (double low)",
     "3 (double low)", "3 (double low, E2)"},
    {kTreble, 4, 0, Accidental::Sharp, "F#4", 0, "中音♯fa", "中音♯4", "♯4（F#4）", "♯fa (middle)",
     "♯4 (middle)", "♯4 (F#4)"},
    {kTreble, 3, 0, Accidental::Flat, "Eb4", 0, "中音♭mi", "中音♭3", "♭3（Eb4）", "♭mi (middle)",
     "♭3 (middle)", "♭3 (Eb4)"},
    // Movable do: in G, G is do and 1, the signature's F♯ is si, a natural F lies off the scale.
    {kTreble, 5, 1, kNone, "G4", 0, "中音do", "中音1", "1（G4）", "do (middle)", "1 (middle)",
     "1 (G4)"},
    {kTreble, 11, 1, kNone, "F#5", 0, "中音si", "中音7", "7（F#5）", "si (middle)", "7 (middle)",
     "7 (F#5)"},
    {kTreble, 4, 1, Accidental::Natural, "F4", -1, "低音♭si", "低音♭7", "低音♭7（F4）", "♭si (low)",
     "♭7 (low)", "♭7 (low, F4)"},
    {kTreble, 1, 1, kNone, "C4", -1, "低音fa", "低音4", "低音4（C4）", "fa (low)", "4 (low)",
     "4 (low, C4)"},
    // In B♭ the middle line's B♭4 is the middle octave's 1; in F, B♭ is its 4.
    {kTreble, 7, -2, kNone, "Bb4", 0, "中音do", "中音1", "1（Bb4）", "do (middle)", "1 (middle)",
     "1 (Bb4)"},
    {kTreble, 7, -1, kNone, "Bb4", 0, "中音fa", "中音4", "4（Bb4）", "fa (middle)", "4 (middle)",
     "4 (Bb4)"},
    // Three octaves below B4's 1 (five sharps): the dots are counted.
    {kBass, 1, 5, kNone, "E2", -3, "fa（下方3点）", "4（下方3点）", "4（下方3点）（E2）",
     "fa (3 dots below)", "4 (3 dots below)", "4 (3 dots below) (E2)"},
};

TEST(NoteNames, EachSystemAndLanguage) {
    for (const NameCase& c : kCases) {
        SCOPED_TRACE(c.letters);
        const SpelledPitch pitch =
            PitchAt(MiddleLineOf(c.clef), 7 - c.step, c.accidental, c.signature);
        const std::string letters = NameOf(pitch, false, ReplayWords());
        EXPECT_EQ(letters, c.letters);
        const NoteName name = NameOfPitch(pitch, c.signature);
        EXPECT_EQ(name.dots, c.dots);
        EXPECT_EQ(LetterOfDegree(name.degree, TonicOf(c.signature)), name.letter);
        for (const Language language : {Language::Chinese, Language::English}) {
            SetResourceLanguage(ResourceLanguageOf(language), kChineseResources);
            const bool zh = language == Language::Chinese;
            EXPECT_EQ(NoteWordsWithLetters(name, NameSystem::Letters, letters), c.letters);
            EXPECT_EQ(NoteWords(name, NameSystem::Solfege, letters),
                      zh ? c.solfegeZh : c.solfegeEn);
            EXPECT_EQ(NoteWords(name, NameSystem::Numbers, letters),
                      zh ? c.numbersZh : c.numbersEn);
            EXPECT_EQ(NoteWordsWithLetters(name, NameSystem::Numbers, letters),
                      zh ? c.withLettersZh : c.withLettersEn);
        }
        SetResourceLanguage(kChineseResources, kChineseResources);
    }
}

}  // namespace
