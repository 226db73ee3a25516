#include "staff/NoteWords.h"

#include <array>
#include <cstdlib>

#include "platform/CString.h"
#include "res/resource.h"

namespace staff {
namespace {

// The words of each octave from two dots below to two above, alone and with letters.
constexpr std::array<UINT, 5> kOctaveWords = {IDS_NAME_LOWER, IDS_NAME_LOW, IDS_NAME_MIDDLE,
                                              IDS_NAME_HIGH, IDS_NAME_HIGHER};
// The middle octave needs no word beside its letter name.
constexpr std::array<UINT, 5> kOctaveWithLetters = {
    IDS_NAME_LOWER_WITH_LETTERS, IDS_NAME_LOW_WITH_LETTERS, IDS_NAME_WITH_LETTERS,
    IDS_NAME_HIGH_WITH_LETTERS, IDS_NAME_HIGHER_WITH_LETTERS};
constexpr int kWordedDots = 2;

std::string Pattern(UINT id) {
    CString text;
    text.LoadString(id);
    return text.str();
}

// Past two dots (far ledger lines in a far key) the dots are counted.
std::string CountedDots(const NoteName& name, const std::string& bare) {
    CString text;
    text.Format(Pattern(name.dots > 0 ? IDS_NAME_DOTS_ABOVE : IDS_NAME_DOTS_BELOW).c_str(),
                bare.c_str(), std::abs(name.dots));
    return text.str();
}

}  // namespace

std::string NoteWords(const NoteName& name, NameSystem system, const std::string& letters) {
    if (system == NameSystem::Letters) {
        return letters;
    }
    const std::string bare = BareName(name, system);
    if (std::abs(name.dots) > kWordedDots) {
        return CountedDots(name, bare);
    }
    CString text;
    text.Format(Pattern(kOctaveWords[static_cast<std::size_t>(name.dots + kWordedDots)]).c_str(),
                bare.c_str());
    return text.str();
}

std::string NoteWordsWithLetters(const NoteName& name, NameSystem system,
                                 const std::string& letters) {
    if (system == NameSystem::Letters) {
        return letters;
    }
    CString text;
    if (std::abs(name.dots) > kWordedDots) {
        text.Format(Pattern(IDS_NAME_WITH_LETTERS).c_str(),
                    CountedDots(name, BareName(name, system)).c_str(), letters.c_str());
    } else {
        text.Format(
            Pattern(kOctaveWithLetters[static_cast<std::size_t>(name.dots + kWordedDots)]).c_str(),
            BareName(name, system).c_str(), letters.c_str());
    }
    return text.str();
}

}  // namespace staff
