// A staff position under a clef and a key, sounding with an accidental, named in each
// system and language: the octave as each system tells it, movable do, counted dots.
#include <gtest/gtest.h>

#include "app/Language.h"
#include "platform/Resources.h"
#include "staff/NoteWords.h"
#include "staff/StaffGeometry.h"

namespace {

using namespace staff;

struct NameCase {
    bool treble;
    int step;
    Tonic tonic;
    int alteration;
    int dots;
    const char* letters;
    const char* solfegeZh;
    const char* numbersZh;
    const char* withLettersZh;
    const char* solfegeEn;
    const char* numbersEn;
    const char* withLettersEn;
};

constexpr Tonic kC{};
constexpr Tonic kG{4, 0};
constexpr Tonic kB{6, 0};

const NameCase kCases[] = {
    {true, 5, kC, 0, 0, "G4", "中音sol", "中音5", "5（G4）", "sol (middle)", "5 (middle)",
     "5 (G4)"},
    {true, 1, kC, 0, 0, "C4", "中音do", "中音1", "1（C4）", "do (middle)", "1 (middle)", "1 (C4)"},
    {true, 9, kC, 0, 1, "D5", "高音re", "高音2", "高音2（D5）", "re (high)", "2 (high)",
     "2 (high, D5)"},
    {false, 12, kC, 0, -1, "B3", "低音si", "低音7", "低音7（B3）", "si (low)", "7 (low)",
     "7 (low, B3)"},
    {false, 1, kC, 0, -2, "E2", "倍低音mi", "倍低音3", "倍低音3（E2）", "mi (double low)",
     "3 (double low)", "3 (double low, E2)"},
    {true, 4, kC, 1, 0, "F♯4", "中音♯fa", "中音♯4", "♯4（F♯4）", "♯fa (middle)", "♯4 (middle)",
     "♯4 (F♯4)"},
    // Movable do: G is do and 1; its F♯ is si, a written F natural lies off the scale.
    {true, 5, kG, 0, 0, "G4", "中音do", "中音1", "1（G4）", "do (middle)", "1 (middle)", "1 (G4)"},
    {true, 11, kG, 1, 0, "F♯5", "中音si", "中音7", "7（F♯5）", "si (middle)", "7 (middle)",
     "7 (F♯5)"},
    {true, 4, kG, 0, -1, "F4", "低音♭si", "低音♭7", "低音♭7（F4）", "♭si (low)", "♭7 (low)",
     "♭7 (low, F4)"},
    {true, 1, kG, 0, -1, "C4", "低音fa", "低音4", "低音4（C4）", "fa (low)", "4 (low)",
     "4 (low, C4)"},
    // Three octaves below B4's 1: the dots are counted.
    {false, 1, kB, 0, -3, "E2", "fa（下方3点）", "4（下方3点）", "4（下方3点）（E2）",
     "fa (3 dots below)", "4 (3 dots below)", "4 (3 dots below) (E2)"},
};

TEST(NoteNames, EachSystemAndLanguage) {
    for (const NameCase& c : kCases) {
        SCOPED_TRACE(c.letters);
        const NoteName name = NameOfKey(StepToKey(7 - c.step, c.treble), c.alteration, c.tonic);
        EXPECT_EQ(name.dots, c.dots);
        EXPECT_EQ(LetterOfDegree(name.degree, c.tonic), name.letter);
        for (const Language language : {Language::Chinese, Language::English}) {
            SetResourceLanguage(ResourceLanguageOf(language), kChineseResources);
            const bool zh = language == Language::Chinese;
            EXPECT_EQ(NoteWords(name, NameSystem::Letters), c.letters);
            EXPECT_EQ(NoteWordsWithLetters(name, NameSystem::Letters), c.letters);
            EXPECT_EQ(NoteWords(name, NameSystem::Solfege), zh ? c.solfegeZh : c.solfegeEn);
            EXPECT_EQ(NoteWords(name, NameSystem::Numbers), zh ? c.numbersZh : c.numbersEn);
            EXPECT_EQ(NoteWordsWithLetters(name, NameSystem::Numbers),
                      zh ? c.withLettersZh : c.withLettersEn);
        }
        SetResourceLanguage(kChineseResources, kChineseResources);
    }
}

}  // namespace
