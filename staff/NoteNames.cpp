#include "staff/NoteNames.h"

#include <array>

namespace staff {
namespace {

constexpr int kLetters = 7;
constexpr int kSemitones = 12;
constexpr int kMiddleOctave = 4;
// The semitones of C D E F G A B above C, which are also those of a major scale's degrees
// above its tonic.
constexpr std::array<int, kLetters> kNaturalSemitones = {0, 2, 4, 5, 7, 9, 11};
constexpr std::array<const char*, kLetters> kLetterSpellings = {"C", "D", "E", "F", "G", "A", "B"};
constexpr std::array<const char*, kLetters> kSyllables = {"do",  "re", "mi", "fa",
                                                          "sol", "la", "si"};

// Rounds toward minus infinity, so that the notes below the tonic's octave count down.
int FloorDivide(int value, int divisor) {
    const int quotient = value / divisor;
    return value % divisor < 0 ? quotient - 1 : quotient;
}

int Modulo(int value, int divisor) {
    return value - FloorDivide(value, divisor) * divisor;
}

std::string Signs(int alteration) {
    std::string signs;
    for (int i = 0; i < alteration; ++i) {
        signs += "\u266F";
    }
    for (int i = 0; i > alteration; --i) {
        signs += "\u266D";
    }
    return signs;
}

}  // namespace

std::optional<NameSystem> NameSystemNamed(std::string_view word) {
    if (word == "letters") {
        return NameSystem::Letters;
    }
    if (word == "solfege") {
        return NameSystem::Solfege;
    }
    if (word == "numbers") {
        return NameSystem::Numbers;
    }
    return std::nullopt;
}

const char* WordOf(NameSystem names) {
    switch (names) {
        case NameSystem::Letters:
            break;
        case NameSystem::Solfege:
            return "solfege";
        case NameSystem::Numbers:
            return "numbers";
    }
    return "letters";
}

NoteName NameOf(int letter, int octave, int alteration, Tonic tonic) {
    NoteName name{.letter = letter, .alteration = alteration, .octave = octave};
    const int fromTonic = letter - tonic.letter;
    name.degree = Modulo(fromTonic, kLetters) + 1;
    name.dots = FloorDivide(fromTonic + kLetters * (octave - kMiddleOctave), kLetters);
    const int semitones = kNaturalSemitones[static_cast<std::size_t>(letter)] + alteration -
                          kNaturalSemitones[static_cast<std::size_t>(tonic.letter)] -
                          tonic.alteration -
                          kNaturalSemitones[static_cast<std::size_t>(name.degree - 1)];
    // Off the scale by the shorter way round: B♯ in C is ♯7, not ♭1.
    name.degreeAlteration = Modulo(semitones + kSemitones / 2, kSemitones) - kSemitones / 2;
    return name;
}

Tonic TonicOf(int signature) {
    // Each sharp moves the tonic a fifth up, each flat a fifth down.
    constexpr int kFifth = 4;
    const int letter = Modulo(kFifth * signature, kLetters);
    return {letter, SignatureAlter(signature, letter)};
}

NoteName NameOfPitch(const SpelledPitch& pitch, int signature) {
    return NameOf(LetterOf(pitch.letterStep), OctaveOf(pitch.letterStep), pitch.alter,
                  TonicOf(signature));
}

std::string BareName(const NoteName& name, NameSystem system) {
    switch (system) {
        case NameSystem::Letters:
            return kLetterSpellings[static_cast<std::size_t>(name.letter)] + Signs(name.alteration);
        case NameSystem::Solfege:
            return Signs(name.degreeAlteration) +
                   kSyllables[static_cast<std::size_t>(name.degree - 1)];
        case NameSystem::Numbers:
            break;
    }
    return Signs(name.degreeAlteration) + std::to_string(name.degree);
}

std::string TonicName(Tonic tonic) {
    return kLetterSpellings[static_cast<std::size_t>(tonic.letter)] + Signs(tonic.alteration);
}

int LetterOfDegree(int degree, Tonic tonic) {
    return Modulo(tonic.letter + degree - 1, kLetters);
}

}  // namespace staff
