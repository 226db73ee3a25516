#include "staff/WrittenPitch.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>

namespace staff {
namespace {

constexpr std::array<int, kLettersPerOctave> kSharpOrder = {3, 0, 4, 1, 5, 2, 6};  // F C G D A E B
constexpr std::array<int, kLettersPerOctave> kFlatOrder = {6, 2, 5, 1, 4, 0, 3};   // B E A D G C F
constexpr std::array<int, kLettersPerOctave> kLetterKeys = {0, 2, 4, 5, 7, 9, 11};
constexpr std::array<char, kLettersPerOctave> kLetterNames = {'C', 'D', 'E', 'F', 'G', 'A', 'B'};
constexpr int kKeysPerOctave = 12;

// The highest place of the staff a signature's flat may take is its top line; a sharp may
// stand one space higher. Flats run from the E nearest the top line down to the F below;
// sharps from the G two places higher, down to the A, unless that G would stand above the
// space over the staff (the tenor clef), where the sharps keep the flats' seven places.
constexpr int kTopLine = -4;
constexpr int kSpaceAboveStaff = -5;
constexpr int kLetterE = 2;

// The highest line offset at or below `limit` (offsets grow downward) holding `letter`.
int HighestPlaceOf(int middleLine, int letter, int limit) {
    int offset = limit;
    while (LetterOf(LetterStepAt(middleLine, offset)) != letter) {
        ++offset;
    }
    return offset;
}

std::string Replace(std::string pattern, const std::string& what, const std::string& with) {
    const std::size_t at = pattern.find(what);
    return at == std::string::npos ? pattern : pattern.replace(at, what.size(), with);
}

}  // namespace

int MiddleLineOf(Clef clef) {
    switch (clef) {
        case Clef::Bass:
            return kBassMiddleLine;
        case Clef::Alto:
            return kAltoMiddleLine;
        case Clef::Tenor:
            return kTenorMiddleLine;
        case Clef::Treble:
            break;
    }
    return kTrebleMiddleLine;
}

int LetterOf(int letterStep) {
    const int letter = letterStep % kLettersPerOctave;
    return letter < 0 ? letter + kLettersPerOctave : letter;
}

int OctaveOf(int letterStep) {
    return (letterStep - LetterOf(letterStep)) / kLettersPerOctave;
}

int LetterStepAt(int middleLine, int lineOffset) {
    return middleLine - lineOffset;
}

int SignatureAlter(int signature, int letter) {
    const auto& order = signature > 0 ? kSharpOrder : kFlatOrder;
    const int count = std::min(std::abs(signature), kMaxSignature);
    for (int i = 0; i < count; ++i) {
        if (order[static_cast<std::size_t>(i)] == letter) {
            return signature > 0 ? 1 : -1;
        }
    }
    return 0;
}

int AlterInForce(Accidental accidental, int signature, int letter) {
    switch (accidental) {
        case Accidental::Sharp:
            return 1;
        case Accidental::Flat:
            return -1;
        case Accidental::Natural:
            return 0;
        case Accidental::None:
            break;
    }
    return SignatureAlter(signature, letter);
}

SpelledPitch PitchAt(int middleLine, int lineOffset, Accidental accidental, int signature) {
    const int letterStep = LetterStepAt(middleLine, lineOffset);
    return {letterStep, AlterInForce(accidental, signature, LetterOf(letterStep))};
}

int KeyOf(const SpelledPitch& pitch) {
    return (OctaveOf(pitch.letterStep) + 1) * kKeysPerOctave +
           kLetterKeys[static_cast<std::size_t>(LetterOf(pitch.letterStep))] + pitch.alter;
}

WrittenKey WriteKey(int key, int signature) {
    // The letter and alteration of `key`, when they sound it in some octave.
    const auto spelled = [key](int letter, int alter) -> std::optional<SpelledPitch> {
        const int below = key - alter - kLetterKeys[static_cast<std::size_t>(letter)];
        if (below % kKeysPerOctave != 0) {
            return std::nullopt;
        }
        return SpelledPitch{(below / kKeysPerOctave - 1) * kLettersPerOctave + letter, alter};
    };
    for (int letter = 0; letter < kLettersPerOctave; ++letter) {
        if (const auto pitch = spelled(letter, SignatureAlter(signature, letter))) {
            return {*pitch, Accidental::None};
        }
    }
    for (int letter = 0; letter < kLettersPerOctave; ++letter) {
        if (const auto pitch = spelled(letter, 0)) {
            return {*pitch, Accidental::Natural};
        }
    }
    const int alter = signature < 0 ? -1 : 1;
    for (int letter = 0; letter < kLettersPerOctave; ++letter) {
        if (const auto pitch = spelled(letter, alter)) {
            return {*pitch, alter > 0 ? Accidental::Sharp : Accidental::Flat};
        }
    }
    return {};
}

std::vector<int> SignatureOffsets(int middleLine, int signature) {
    const int flatsTop = HighestPlaceOf(middleLine, kLetterE, kTopLine);
    const int sharpsTop = flatsTop - 2 >= kSpaceAboveStaff ? flatsTop - 2 : flatsTop;
    const int top = signature > 0 ? sharpsTop : flatsTop;
    const auto& order = signature > 0 ? kSharpOrder : kFlatOrder;
    std::vector<int> offsets;
    for (int i = 0; i < std::min(std::abs(signature), kMaxSignature); ++i) {
        offsets.push_back(HighestPlaceOf(middleLine, order[static_cast<std::size_t>(i)], top));
    }
    return offsets;
}

NameWords ReplayWords() {
    return {"%s#%d", "%sb%d", "%s%d", "%s%d"};
}

std::string NameOf(const SpelledPitch& pitch, bool naturalShown, const NameWords& words) {
    const std::string& pattern = pitch.alter > 0   ? words.sharp
                                 : pitch.alter < 0 ? words.flat
                                 : naturalShown    ? words.natural
                                                   : words.plain;
    const std::string letter(1, kLetterNames[static_cast<std::size_t>(LetterOf(pitch.letterStep))]);
    return Replace(Replace(pattern, "%s", letter), "%d",
                   std::to_string(OctaveOf(pitch.letterStep)));
}

std::string WrittenName(int middleLine, int lineOffset, Accidental accidental, int signature,
                        const NameWords& words) {
    return NameOf(PitchAt(middleLine, lineOffset, accidental, signature),
                  accidental == Accidental::Natural, words);
}

}  // namespace staff
