// The pitch of a written note: the letter of its place under the clef, the accidental in
// force there (its own, else the key signature's) and the names it is spoken and written by.
// A clef enters as the letter step of its middle line, so every clef follows the same rule.
#pragma once

#include <string>
#include <vector>

#include "staff/StaffGeometry.h"

namespace staff {

enum class Accidental { None, Sharp, Flat, Natural };

// Letter steps count the natural notes from C0: C0 is 0, D0 1, ..., B4 34.
inline constexpr int kLettersPerOctave = 7;
inline constexpr int kTrebleMiddleLine = 34;  // B4
inline constexpr int kBassMiddleLine = 22;    // D3
inline constexpr int kAltoMiddleLine = 28;    // C4
inline constexpr int kTenorMiddleLine = 26;   // A3

// The letter step of a clef's middle line.
int MiddleLineOf(Clef clef);

// A key signature: 1..7 sharps, -1..-7 flats, 0 none.
inline constexpr int kMaxSignature = 7;

// A pitch as it is spelled: a letter step and how far it is raised (+1) or lowered (-1).
struct SpelledPitch {
    int letterStep = 0;
    int alter = 0;
    bool operator==(const SpelledPitch&) const = default;
};

// 0 (C) .. 6 (B) and the octave of a letter step, the octave as scientific notation counts.
int LetterOf(int letterStep);
int OctaveOf(int letterStep);
// The letter step at a line offset: the middle line's, minus one per position down.
int LetterStepAt(int middleLine, int lineOffset);
// What the signature does to a letter: +1, -1 or 0. The signature holds for every octave.
int SignatureAlter(int signature, int letter);
// The alteration a note sounds with: its own accidental, else the signature's.
int AlterInForce(Accidental accidental, int signature, int letter);
SpelledPitch PitchAt(int middleLine, int lineOffset, Accidental accidental, int signature);
// The MIDI key of a spelled pitch: F♯4 is 66.
int KeyOf(const SpelledPitch& pitch);
// How a MIDI key is written under a signature, which an instrument's key does not say: on
// the letter the signature makes sound it, else a black key as a sharp of the letter below
// (a flat of the letter above under flats), else a white key with its natural sign.
struct WrittenKey {
    SpelledPitch pitch;
    Accidental accidental = Accidental::None;  // the note's own sign
};
WrittenKey WriteKey(int key, int signature);
// Line offsets of the signature's sharps or flats, in the order they are written.
std::vector<int> SignatureOffsets(int middleLine, int signature);

// A note's name through a pattern of the string tables, "%s" standing for the letter and
// "%d" for the octave: the pattern for a raised, lowered, cancelled or plain pitch.
struct NameWords {
    std::string sharp;
    std::string flat;
    std::string natural;
    std::string plain;
};
// The words the replay tool writes: F#5, Bb4, F5.
NameWords ReplayWords();
// `naturalShown`: a natural sign is drawn, so the name says so ("还原F4").
std::string NameOf(const SpelledPitch& pitch, bool naturalShown, const NameWords& words);
// The name of a written note: what it sounds, and its natural sign when it carries one.
std::string WrittenName(int middleLine, int lineOffset, Accidental accidental, int signature,
                        const NameWords& words);

}  // namespace staff
