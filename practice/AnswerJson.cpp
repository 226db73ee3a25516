// One answer as one line of JSON, through nlohmann-json.
#include <nlohmann/json.hpp>

#include "practice/ProgressFile.h"

namespace practice {
namespace {

constexpr int kFormatVersion = 1;

// The fields of one line as the parser meets them: one flat object of known keys, read
// without building a document (loading a long history is mostly this).
class AnswerFields : public nlohmann::json_sax<nlohmann::json> {
  public:
    std::int64_t version = -1, asked = -1, ms = -1, givenStep = -1;
    std::string time, drill, clef, givenLetter;
    int right = -1;  // -1: missing

    // A value of a field it does not know is passed over; one of the wrong kind for a field
    // it knows makes the line no answer.
    bool null() override { return m_key == Key::Unknown; }
    bool boolean(bool value) override {
        if (m_key == Key::Right) {
            right = value ? 1 : 0;
        }
        return m_key == Key::Right || m_key == Key::Unknown;
    }
    bool number_integer(number_integer_t value) override { return Integer(value); }
    bool number_unsigned(number_unsigned_t value) override {
        return m_key == Key::Unknown ||
               (value <= static_cast<number_unsigned_t>(std::numeric_limits<int>::max()) &&
                Integer(static_cast<std::int64_t>(value)));
    }
    bool number_float(number_float_t, const string_t&) override { return m_key == Key::Unknown; }
    bool string(string_t& value) override {
        switch (m_key) {
            case Key::Time:
                time = std::move(value);
                return true;
            case Key::Drill:
                drill = std::move(value);
                return true;
            case Key::Clef:
                clef = std::move(value);
                return true;
            case Key::Given:
                givenLetter = std::move(value);
                return true;
            case Key::Unknown:
                return true;
            default:
                return false;
        }
    }
    bool binary(binary_t&) override { return false; }
    bool start_object(std::size_t) override { return ++m_depth == 1; }
    bool key(string_t& name) override {
        static constexpr std::pair<std::string_view, Key> kKeys[] = {
            {"v", Key::Version},   {"time", Key::Time},   {"drill", Key::Drill},
            {"clef", Key::Clef},   {"asked", Key::Asked}, {"given", Key::Given},
            {"right", Key::Right}, {"ms", Key::Ms}};
        m_key = Key::Unknown;
        for (const auto& [text, key] : kKeys) {
            if (name == text) {
                m_key = key;
            }
        }
        // Fields this version does not know are passed over: its own are all it needs.
        return true;
    }
    bool end_object() override { return --m_depth == 0; }
    bool start_array(std::size_t) override { return false; }
    bool end_array() override { return false; }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override {
        return false;
    }

  private:
    enum class Key { Unknown, Version, Time, Drill, Clef, Asked, Given, Right, Ms };

    bool Integer(std::int64_t value) {
        switch (m_key) {
            case Key::Version:
                version = value;
                return true;
            case Key::Asked:
                asked = value;
                return true;
            case Key::Given:
                givenStep = value;
                return true;
            case Key::Ms:
                ms = value;
                return true;
            case Key::Unknown:
                return true;
            default:
                return false;
        }
    }

    Key m_key = Key::Unknown;
    int m_depth = 0;
};

bool IsStep(std::int64_t step, int lowest) {
    return step >= lowest && step <= kHighestStep;
}

}  // namespace

std::string ToJsonLine(const AnswerRecord& answer) {
    nlohmann::ordered_json line = {
        {"v", kFormatVersion},           {"time", IsoUtc(answer.utcMs)},
        {"drill", NameOf(answer.drill)}, {"clef", NameOf(answer.clef)},
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
    AnswerFields fields;
    if (!nlohmann::json::sax_parse(text, &fields, nlohmann::json::input_format_t::json, false) ||
        fields.version != kFormatVersion || fields.right < 0 ||
        !IsStep(fields.asked, kLowestStep) || fields.ms < 0 ||
        fields.ms > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    const auto utc = ParseIsoUtc(fields.time);
    const auto drill = DrillNamed(fields.drill);
    const auto clef = ClefNamed(fields.clef);
    if (!utc || !drill || !clef) {
        return std::nullopt;
    }
    AnswerRecord answer{.utcMs = *utc,
                        .drill = *drill,
                        .clef = *clef,
                        .asked = static_cast<int>(fields.asked),
                        .right = fields.right == 1,
                        .ms = static_cast<int>(fields.ms)};
    if (*drill == Drill::Read) {
        const std::string& letter = fields.givenLetter;
        if (letter.size() != 1 || letter[0] < 'A' || letter[0] > 'G') {
            return std::nullopt;
        }
        answer.givenLetter = letter[0];
    } else if (IsStep(fields.givenStep, 0)) {
        // 0: the staff held no note when the answer was confirmed.
        answer.givenStep = static_cast<int>(fields.givenStep);
    } else {
        return std::nullopt;
    }
    return answer;
}

void WriteCsv(const std::vector<AnswerRecord>& answers, std::ostream& out) {
    out << "time,drill,clef,asked,given,right,ms\r\n";
    for (const AnswerRecord& a : answers) {
        out << IsoUtc(a.utcMs) << ',' << NameOf(a.drill) << ',' << NameOf(a.clef) << ',' << a.asked
            << ',';
        if (a.drill == Drill::Read) {
            out << a.givenLetter;
        } else {
            out << a.givenStep;
        }
        out << ',' << (a.right ? "true" : "false") << ',' << a.ms << "\r\n";
    }
}

}  // namespace practice
