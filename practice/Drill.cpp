#include "practice/Drill.h"

#include <array>
#include <cstddef>
#include <utility>

namespace practice {
namespace {

constexpr std::array<std::pair<Drill, std::string_view>, 3> kDrills = {
    {{Drill::Read, "read"}, {Drill::Place, "place"}, {Drill::Hear, "hear"}}};
constexpr std::array<std::pair<ClefChoice, std::string_view>, 5> kClefChoices = {
    {{ClefChoice::Treble, "treble"},
     {ClefChoice::Bass, "bass"},
     {ClefChoice::Both, "both"},
     {ClefChoice::Alto, "alto"},
     {ClefChoice::Tenor, "tenor"}}};
constexpr std::array<std::pair<Clef, std::string_view>, 4> kClefs = {
    {{Clef::Treble, "treble"}, {Clef::Bass, "bass"}, {Clef::Alto, "alto"}, {Clef::Tenor, "tenor"}}};

constexpr std::array<std::pair<AccidentalChoice, std::string_view>, 2> kAccidentalChoices = {
    {{AccidentalChoice::None, "none"}, {AccidentalChoice::All, "all"}}};
constexpr std::array<std::pair<staff::Accidental, std::string_view>, 4> kAccidentals = {
    {{staff::Accidental::None, "none"},
     {staff::Accidental::Sharp, "sharp"},
     {staff::Accidental::Flat, "flat"},
     {staff::Accidental::Natural, "natural"}}};

template <typename Value, std::size_t N>
std::string_view NameIn(const std::array<std::pair<Value, std::string_view>, N>& names,
                        Value value) {
    for (const auto& [v, name] : names) {
        if (v == value) {
            return name;
        }
    }
    return {};
}

template <typename Value, std::size_t N>
std::optional<Value> ValueIn(const std::array<std::pair<Value, std::string_view>, N>& names,
                             std::string_view name) {
    for (const auto& [value, n] : names) {
        if (n == name) {
            return value;
        }
    }
    return std::nullopt;
}

}  // namespace

std::string_view NameOf(Drill drill) {
    return NameIn(kDrills, drill);
}

staff::Clef StaffClefOf(Clef clef) {
    constexpr std::array<staff::Clef, 4> kStaffClefs = {staff::Clef::Treble, staff::Clef::Bass,
                                                        staff::Clef::Alto, staff::Clef::Tenor};
    return kStaffClefs[static_cast<std::size_t>(clef)];
}

bool InChoice(Clef clef, ClefChoice choice) {
    switch (choice) {
        case ClefChoice::Both:
            return clef == Clef::Treble || clef == Clef::Bass;
        case ClefChoice::Treble:
            return clef == Clef::Treble;
        case ClefChoice::Bass:
            return clef == Clef::Bass;
        case ClefChoice::Alto:
            return clef == Clef::Alto;
        case ClefChoice::Tenor:
            return clef == Clef::Tenor;
    }
    return false;
}

std::string_view NameOf(Clef clef) {
    return NameIn(kClefs, clef);
}

std::string_view NameOf(ClefChoice choice) {
    return NameIn(kClefChoices, choice);
}

std::optional<Drill> DrillNamed(std::string_view name) {
    return ValueIn(kDrills, name);
}

std::optional<Clef> ClefNamed(std::string_view name) {
    return ValueIn(kClefs, name);
}

std::optional<ClefChoice> ClefChoiceNamed(std::string_view name) {
    return ValueIn(kClefChoices, name);
}

std::string_view NameOf(AccidentalChoice choice) {
    return NameIn(kAccidentalChoices, choice);
}

std::optional<AccidentalChoice> AccidentalChoiceNamed(std::string_view name) {
    return ValueIn(kAccidentalChoices, name);
}

std::string_view NameOf(staff::Accidental accidental) {
    return NameIn(kAccidentals, accidental);
}

std::optional<staff::Accidental> AccidentalNamed(std::string_view name) {
    return ValueIn(kAccidentals, name);
}

}  // namespace practice
