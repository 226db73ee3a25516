// What a practice question is made of: the drill, the clef, a staff step, and their names
// in scripts, files and the command line.
#pragma once

#include <optional>
#include <string_view>

#include "staff/StaffGeometry.h"
#include "staff/WrittenPitch.h"

namespace practice {

// Read: staff to letter name. Place: pitch name to staff. Hear: sound to staff.
enum class Drill { Read, Place, Hear };
enum class Clef { Treble, Bass, Alto, Tenor };
// What a round asks in: one clef, or each question picks treble or bass.
enum class ClefChoice { Treble, Bass, Both, Alto, Tenor };

// The signs a round's notes carry: none (natural notes), or sharps, flats and naturals.
enum class AccidentalChoice { None, All };
// A round's key, as the sharps (1..7) or flats (-1..-7) of its signature, 0 for C major,
// or this for a key drawn anew for each round.
inline constexpr int kRandomKey = 100;

// The steps of a staff with one ledger line each way.
inline constexpr int kLowestStep = 1;
inline constexpr int kHighestStep = 13;
inline constexpr int kStepCount = kHighestStep - kLowestStep + 1;
// Every step a round may ask, on a staff of four ledger lines each way.
inline constexpr int kLowestAnyStep = -5;
inline constexpr int kHighestAnyStep = 19;
inline constexpr int kAnyStepCount = kHighestAnyStep - kLowestAnyStep + 1;

staff::Clef StaffClefOf(Clef clef);
// Whether a round of `choice` asks questions in `clef`.
bool InChoice(Clef clef, ClefChoice choice);

// "read", "place", "hear"; "treble", "bass", "alto", "tenor", "both".
std::string_view NameOf(Drill drill);
std::string_view NameOf(Clef clef);
std::string_view NameOf(ClefChoice choice);
std::optional<Drill> DrillNamed(std::string_view name);
std::optional<Clef> ClefNamed(std::string_view name);
std::optional<ClefChoice> ClefChoiceNamed(std::string_view name);
// "none", "all"; a note's sign: "none", "sharp", "flat", "natural".
std::string_view NameOf(AccidentalChoice choice);
std::optional<AccidentalChoice> AccidentalChoiceNamed(std::string_view name);
std::string_view NameOf(staff::Accidental accidental);
std::optional<staff::Accidental> AccidentalNamed(std::string_view name);

}  // namespace practice
