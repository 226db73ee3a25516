#include "practice/AnswerChoices.h"

#include <string>

#include "practice/JsonObjectFile.h"

namespace practice {

namespace {

constexpr char kAnswer[] = "answer";
constexpr char kMicrophone[] = "microphone";
constexpr char kStaff[] = "staff";
constexpr char kSound[] = "sound";
constexpr char kVoice[] = "voice";
constexpr char kInstrument[] = "instrument";
constexpr char kAnyOctave[] = "anyOctave";
constexpr char kHold[] = "holdMs";
constexpr char kA4[] = "a4Hz";

}  // namespace

AnswerChoices LoadAnswerChoices(const std::filesystem::path& file, const HearingLimits& limits) {
    const nlohmann::ordered_json saved = ReadJsonObject(file);
    const auto text = [&](const char* key) {
        const auto found = saved.find(key);
        return found != saved.end() && found->is_string() ? found->get<std::string>()
                                                          : std::string();
    };
    const auto number = [&](const char* key, int low, int high, int missing) {
        const auto found = saved.find(key);
        if (found == saved.end() || !found->is_number_integer()) {
            return missing;
        }
        const auto value = found->get<long long>();
        return value >= low && value <= high ? static_cast<int>(value) : missing;
    };
    AnswerChoices choices;
    choices.microphone = text(kAnswer) == kMicrophone;
    choices.voice = text(kSound) == kVoice;
    choices.octave = AnswerChoices::DefaultOctave(choices.voice);
    if (const auto any = saved.find(kAnyOctave); any != saved.end() && any->is_boolean()) {
        choices.octave = any->get<bool>() ? OctaveRule::Any : OctaveRule::Exact;
    }
    choices.holdMs = number(kHold, limits.minHoldMs, limits.maxHoldMs, choices.holdMs);
    choices.a4Hz = number(kA4, limits.minA4Hz, limits.maxA4Hz, choices.a4Hz);
    return choices;
}

bool SaveAnswerChoices(const std::filesystem::path& file, const AnswerChoices& choices) {
    nlohmann::ordered_json saved = ReadJsonObject(file);
    saved[kAnswer] = choices.microphone ? kMicrophone : kStaff;
    saved[kSound] = choices.voice ? kVoice : kInstrument;
    saved[kAnyOctave] = choices.octave == OctaveRule::Any;
    saved[kHold] = choices.holdMs;
    saved[kA4] = choices.a4Hz;
    return WriteJsonObject(file, saved);
}

}  // namespace practice
