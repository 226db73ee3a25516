// How a note is named: by its letter, by a solfège syllable, or by a digit of numbered
// notation. Syllables and digits count from the key's tonic (movable do): do and 1 are C
// when there is no key.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "staff/WrittenPitch.h"

namespace staff {

enum class NameSystem { Letters, Solfege, Numbers };

// "letters", "solfege" or "numbers", as the command lines spell them.
std::optional<NameSystem> NameSystemNamed(std::string_view word);
const char* WordOf(NameSystem names);

// A key's tonic: a letter 0..6 (C..B) and its accidental in semitones (-1 flat, 1 sharp).
struct Tonic {
    int letter = 0;
    int alteration = 0;
};

struct NoteName {
    int letter = 0;      // 0..6, C..B
    int alteration = 0;  // the semitones the note sounds above (or below) its letter
    int octave = 4;      // scientific notation: middle C is C4
    int degree = 1;      // 1..7, counted from the tonic
    // The semitones the note lies off the tonic's major scale: "♯4", "♭7" in numbers.
    int degreeAlteration = 0;
    // Numbered notation's octave: dots above the digit (positive) or below it (negative).
    // The middle octave runs from the tonic in octave 4 up to the note below the next one.
    int dots = 0;
};

// A letter in an octave, sounding `alteration` semitones off it, in the key of `tonic`.
NoteName NameOf(int letter, int octave, int alteration = 0, Tonic tonic = {});

// The tonic of a major key signature (-7..7): C without one, G for one sharp, F for one flat.
Tonic TonicOf(int signature);
// A written pitch named in the key of its signature.
NoteName NameOfPitch(const SpelledPitch& pitch, int signature);

// The name alone, with its accidental but no octave: "F♯", "♯fa", "♯4".
std::string BareName(const NoteName& name, NameSystem system);
// The tonic's letter name, for "1=G": "G", "B♭".
std::string TonicName(Tonic tonic);
// The letter 0..6 of scale degree 1..7: what a digit key answers.
int LetterOfDegree(int degree, Tonic tonic = {});

}  // namespace staff
