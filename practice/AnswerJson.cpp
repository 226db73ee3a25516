// One answer as one line of JSON, through nlohmann-json.
#include <nlohmann/json.hpp>

#include "practice/ProgressFile.h"

namespace practice {
namespace {

constexpr int kFormatVersion = 1;

template <typename T>
bool Get(const nlohmann::json& object, const char* key, T& value) {
    const auto found = object.find(key);
    if (found == object.end()) {
        return false;
    }
    if constexpr (std::is_same_v<T, bool>) {
        if (!found->is_boolean()) {
            return false;
        }
    } else if constexpr (std::is_integral_v<T>) {
        if (!found->is_number_integer()) {
            return false;
        }
    } else if (!found->is_string()) {
        return false;
    }
    value = found->get<T>();
    return true;
}

bool IsStep(std::int64_t step, int lowest) {
    return step >= lowest && step <= kHighestStep;
}

}  // namespace

std::string ToJsonLine(const AnswerRecord& answer) {
    nlohmann::ordered_json line = {
        {"v", kFormatVersion},
        {"time", IsoUtc(answer.utcMs)},
        {"drill", NameOf(answer.drill)},
        {"clef", NameOf(answer.clef)},
        {"asked", answer.asked},
    };
    if (answer.drill == Drill::Read) {
        line["given"] = std::string(1, answer.givenLetter);
    } else {
        line["given"] = answer.givenStep;
    }
    line["right"] = answer.right;
    line["ms"] = answer.ms;
    return line.dump();
}

std::optional<AnswerRecord> FromJsonLine(std::string_view text) {
    const nlohmann::json line = nlohmann::json::parse(text, nullptr, false);
    std::int64_t version = 0, asked = 0, ms = 0;
    std::string time, drillName, clefName;
    AnswerRecord answer;
    if (!line.is_object() || !Get(line, "v", version) || version != kFormatVersion ||
        !Get(line, "time", time) || !Get(line, "drill", drillName) ||
        !Get(line, "clef", clefName) || !Get(line, "asked", asked) ||
        !Get(line, "right", answer.right) || !Get(line, "ms", ms) || !IsStep(asked, kLowestStep) ||
        ms < 0 || ms > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    const auto utc = ParseIsoUtc(time);
    const auto drill = DrillNamed(drillName);
    const auto clef = ClefNamed(clefName);
    if (!utc || !drill || !clef) {
        return std::nullopt;
    }
    if (*drill == Drill::Read) {
        std::string letter;
        if (!Get(line, "given", letter) || letter.size() != 1 || letter[0] < 'A' ||
            letter[0] > 'G') {
            return std::nullopt;
        }
        answer.givenLetter = letter[0];
    } else {
        // 0: the staff held no note when the answer was confirmed.
        std::int64_t given = 0;
        if (!Get(line, "given", given) || !IsStep(given, 0)) {
            return std::nullopt;
        }
        answer.givenStep = static_cast<int>(given);
    }
    answer.utcMs = *utc;
    answer.drill = *drill;
    answer.clef = *clef;
    answer.asked = static_cast<int>(asked);
    answer.ms = static_cast<int>(ms);
    return answer;
}

void WriteCsv(const std::vector<AnswerRecord>& answers, std::ostream& out) {
    out << "time,drill,clef,asked,given,right,ms\r\n";
    for (const AnswerRecord& a : answers) {
        out << IsoUtc(a.utcMs) << ',' << NameOf(a.drill) << ',' << NameOf(a.clef) << ','
            << a.asked << ',';
        if (a.drill == Drill::Read) {
            out << a.givenLetter;
        } else {
            out << a.givenStep;
        }
        out << ',' << (a.right ? "true" : "false") << ',' << a.ms << "\r\n";
    }
}

}  // namespace practice
