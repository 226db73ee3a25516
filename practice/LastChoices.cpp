#include "practice/LastChoices.h"

#include <fstream>
#include <limits>
#include <nlohmann/json.hpp>
#include <system_error>

namespace practice {

std::optional<RoundSettings> LoadLastChoices(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    const nlohmann::json choices = nlohmann::json::parse(in, nullptr, false);
    if (!choices.is_object()) {
        return std::nullopt;
    }
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
    nlohmann::ordered_json choices = {
        {"drill", NameOf(settings.drill)}, {"clef", NameOf(settings.clef)},
        {"low", settings.lowStep},         {"high", settings.highStep},
        {"count", settings.count},         {"ledger", settings.ledgerLines},
    };
    if (settings.accidentals != AccidentalChoice::None || settings.key != 0) {
        choices["accidentals"] = NameOf(settings.accidentals);
        choices["key"] = settings.key;
    }
    std::error_code error;
    if (file.has_parent_path()) {
        std::filesystem::create_directories(file.parent_path(), error);
    }
    std::filesystem::path temporary = file;
    temporary += ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << choices.dump() << '\n';
        if (!out.flush()) {
            std::filesystem::remove(temporary, error);
            return false;
        }
    }
    std::filesystem::rename(temporary, file, error);
    return !error;
}

}  // namespace practice
