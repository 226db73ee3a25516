#include "practice/LastChoices.h"

#include <limits>

#include "practice/JsonObjectFile.h"

namespace practice {

std::optional<RoundSettings> LoadLastChoices(const std::filesystem::path& file) {
    const nlohmann::ordered_json choices = ReadJsonObject(file);
    const auto text = [&](const char* key) {
        const auto found = choices.find(key);
        return found != choices.end() && found->is_string() ? found->get<std::string>()
                                                            : std::string();
    };
    // A missing or malformed number makes the choices invalid; steps may be negative.
    const auto number = [&](const char* key, int missing) {
        const auto found = choices.find(key);
        return found != choices.end() && found->is_number_integer() ? found->get<int>() : missing;
    };
    constexpr int kInvalid = std::numeric_limits<int>::min();
    const auto drill = DrillNamed(text("drill"));
    const auto clef = ClefChoiceNamed(text("clef"));
    if (!drill || !clef) {
        return std::nullopt;
    }
    // Signs and key came later: a file without them means none and C major.
    const auto accidentals = AccidentalChoiceNamed(text("accidentals"));
    const auto key = choices.find("key");
    RoundSettings settings{.drill = *drill,
                           .clef = *clef,
                           .lowStep = number("low", kInvalid),
                           .highStep = number("high", kInvalid),
                           .accidentals = accidentals.value_or(AccidentalChoice::None),
                           .key = key == choices.end()       ? 0
                                  : key->is_number_integer() ? key->get<int>()
                                                             : kInvalid,
                           .count = number("count", kInvalid),
                           // Choices saved before the ledger lines were one of them had one.
                           .ledgerLines = number("ledger", 1)};
    return settings.Valid() ? std::optional(settings) : std::nullopt;
}

bool SaveLastChoices(const std::filesystem::path& file, const RoundSettings& settings) {
    nlohmann::ordered_json choices = ReadJsonObject(file);
    choices["drill"] = NameOf(settings.drill);
    choices["clef"] = NameOf(settings.clef);
    choices["low"] = settings.lowStep;
    choices["high"] = settings.highStep;
    choices["count"] = settings.count;
    choices["ledger"] = settings.ledgerLines;
    // Written only when chosen, so that a file without signs stays as it was.
    if (settings.accidentals != AccidentalChoice::None || settings.key != 0) {
        choices["accidentals"] = NameOf(settings.accidentals);
        choices["key"] = settings.key;
    } else {
        choices.erase("accidentals");
        choices.erase("key");
    }
    return WriteJsonObject(file, choices);
}

std::optional<bool> LoadMidiEcho(const std::filesystem::path& file) {
    const nlohmann::ordered_json choices = ReadJsonObject(file);
    const auto found = choices.find("midiEcho");
    return found != choices.end() && found->is_boolean() ? std::optional(found->get<bool>())
                                                         : std::nullopt;
}

bool SaveMidiEcho(const std::filesystem::path& file, bool echo) {
    nlohmann::ordered_json choices = ReadJsonObject(file);
    choices["midiEcho"] = echo;
    return WriteJsonObject(file, choices);
}

std::optional<staff::NameSystem> LoadNames(const std::filesystem::path& file) {
    const nlohmann::ordered_json choices = ReadJsonObject(file);
    const auto found = choices.find("names");
    return found != choices.end() && found->is_string()
               ? staff::NameSystemNamed(found->get<std::string>())
               : std::nullopt;
}

bool SaveNames(const std::filesystem::path& file, staff::NameSystem names) {
    nlohmann::ordered_json choices = ReadJsonObject(file);
    choices["names"] = staff::WordOf(names);
    return WriteJsonObject(file, choices);
}

}  // namespace practice
