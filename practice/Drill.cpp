#include "practice/Drill.h"

#include <array>
#include <cstddef>
#include <utility>

namespace practice {
namespace {

constexpr std::array<std::pair<Drill, std::string_view>, 3> kDrills = {
    {{Drill::Read, "read"}, {Drill::Place, "place"}, {Drill::Hear, "hear"}}};
constexpr std::array<std::pair<ClefChoice, std::string_view>, 3> kClefChoices = {
    {{ClefChoice::Treble, "treble"}, {ClefChoice::Bass, "bass"}, {ClefChoice::Both, "both"}}};

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

std::string_view NameOf(Clef clef) {
    return clef == Clef::Treble ? "treble" : "bass";
}

std::string_view NameOf(ClefChoice choice) {
    return NameIn(kClefChoices, choice);
}

std::optional<Drill> DrillNamed(std::string_view name) {
    return ValueIn(kDrills, name);
}

std::optional<Clef> ClefNamed(std::string_view name) {
    if (name == "treble") {
        return Clef::Treble;
    }
    if (name == "bass") {
        return Clef::Bass;
    }
    return std::nullopt;
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
