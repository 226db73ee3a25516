// One answer as one line of JSON, through nlohmann-json.
#include <nlohmann/json.hpp>

#include "practice/ProgressFile.h"
#include "practice/Question.h"

namespace practice {
namespace {

// Version 2 lines carry the key signature and the signs; an answer without them is written
// as version 1 was, so that older programs go on reading it. A played key is the field "key"
// in either version.
constexpr int kFormatVersion = 1;
constexpr int kSignsVersion = 2;

// The fields of one line as the parser meets them: one flat object of known keys, read
// without building a document (loading a long history is mostly this).
class AnswerFields : public nlohmann::json_sax<nlohmann::json> {
  public:
    std::int64_t version = -1, asked = -1, ms = -1, givenStep = -1, playedKey = -1, signature = 0;
    std::string time, drill, clef, givenLetter, sign = "none", givenSign = "none";
    int right = -1;  // -1: missing

    // A value of a field it does not know is passed over; one of the wrong kind for a field
    // it knows makes the line no answer.
    bool null() override { return m_field == nullptr; }
    bool boolean(bool value) override { return Store(&Field::flag, value ? 1 : 0); }
    bool number_integer(number_integer_t value) override { return Integer(value); }
    bool number_unsigned(number_unsigned_t value) override {
        return m_field == nullptr ||
               (value <= static_cast<number_unsigned_t>(std::numeric_limits<int>::max()) &&
                Integer(static_cast<std::int64_t>(value)));
    }
    bool number_float(number_float_t, const string_t&) override { return m_field == nullptr; }
    bool string(string_t& value) override { return Store(&Field::text, std::move(value)); }
    bool binary(binary_t&) override { return false; }
    bool start_object(std::size_t) override { return ++m_depth == 1; }
    bool key(string_t& name) override {
        static constexpr Field kFields[] = {
            {"v", nullptr, &AnswerFields::version},
            {"time", &AnswerFields::time},
            {"drill", &AnswerFields::drill},
            {"clef", &AnswerFields::clef},
            {"asked", nullptr, &AnswerFields::asked},
            // A letter for Read, a step for Place and Hear.
            {"given", &AnswerFields::givenLetter, &AnswerFields::givenStep},
            {"right", nullptr, nullptr, &AnswerFields::right},
            {"ms", nullptr, &AnswerFields::ms},
            {"key", nullptr, &AnswerFields::playedKey},
            {"signature", nullptr, &AnswerFields::signature},
            {"sign", &AnswerFields::sign},
            {"givenSign", &AnswerFields::givenSign}};
        m_field = nullptr;
        for (const Field& field : kFields) {
            if (name == field.name) {
                m_field = &field;
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
    // Where a known key's value goes, by the kind of value: null where it takes no such kind.
    struct Field {
        std::string_view name;
        std::string AnswerFields::*text = nullptr;
        std::int64_t AnswerFields::*integer = nullptr;
        int AnswerFields::*flag = nullptr;
    };

    bool Integer(std::int64_t value) { return Store(&Field::integer, value); }

    template <typename T, typename Value>
    bool Store(T AnswerFields::*Field::*kind, Value&& value) {
        if (m_field == nullptr) {
            return true;
        }
        const auto member = m_field->*kind;
        if (member == nullptr) {
            return false;
        }
        this->*member = std::forward<Value>(value);
        return true;
    }

    const Field* m_field = nullptr;  // of the key being read; null for one it does not know
    int m_depth = 0;
};

bool IsStep(std::int64_t step, int lowest) {
    return step >= lowest && step <= kHighestAnyStep;
}

bool HasSigns(const AnswerRecord& answer) {
    return answer.accidental != staff::Accidental::None || answer.signature != 0 ||
           answer.givenAlter != 0 || answer.givenAccidental != staff::Accidental::None;
}

// Read's answer: the letter, then # or b for a sign.
std::string GivenName(const AnswerRecord& answer) {
    return std::string(1, answer.givenLetter) + (answer.givenAlter > 0   ? "#"
                                                 : answer.givenAlter < 0 ? "b"
                                                                         : "");
}

}  // namespace

std::string ToJsonLine(const AnswerRecord& answer) {
    const bool signs = HasSigns(answer);
    nlohmann::ordered_json line = {
        {"v", signs ? kSignsVersion : kFormatVersion},
        {"time", IsoUtc(answer.utcMs)},
        {"drill", NameOf(answer.drill)},
        {"clef", NameOf(answer.clef)},
        {"asked", answer.asked},
    };
    if (answer.drill == Drill::Read) {
        line["given"] = GivenName(answer);
    } else {
        line["given"] = answer.givenStep;
    }
    line["right"] = answer.right;
    line["ms"] = answer.ms;
    if (signs) {
        line["signature"] = answer.signature;
        line["sign"] = NameOf(answer.accidental);
        if (answer.drill != Drill::Read) {
            line["givenSign"] = NameOf(answer.givenAccidental);
        }
    }
    // A field of its own, which readers that know nothing of played keys pass over: to them
    // the answer is the letter or step beside it, judged as it was.
    if (answer.givenKey >= 0) {
        line["key"] = answer.givenKey;
    }
    return line.dump();
}

std::optional<AnswerRecord> FromJsonLine(std::string_view text) {
    AnswerFields fields;
    if (!nlohmann::json::sax_parse(text, &fields, nlohmann::json::input_format_t::json, false) ||
        (fields.version != kFormatVersion && fields.version != kSignsVersion) || fields.right < 0 ||
        !IsStep(fields.asked, kLowestAnyStep) || fields.ms < 0 ||
        fields.ms > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    const auto utc = ParseIsoUtc(fields.time);
    const auto drill = DrillNamed(fields.drill);
    const auto clef = ClefNamed(fields.clef);
    // Version 1 knows no signs: its answers are natural notes in C major.
    const bool signs = fields.version == kSignsVersion;
    const auto sign = AccidentalNamed(signs ? fields.sign : "none");
    const auto givenSign = AccidentalNamed(signs ? fields.givenSign : "none");
    const std::int64_t key = signs ? fields.signature : 0;
    if (!utc || !drill || !clef || !sign || !givenSign || key < -staff::kMaxSignature ||
        key > staff::kMaxSignature) {
        return std::nullopt;
    }
    AnswerRecord answer{.utcMs = *utc,
                        .drill = *drill,
                        .clef = *clef,
                        .asked = static_cast<int>(fields.asked),
                        .right = fields.right == 1,
                        .ms = static_cast<int>(fields.ms),
                        .accidental = *sign,
                        .signature = static_cast<int>(key),
                        .givenAccidental = *givenSign};
    if (*drill == Drill::Read) {
        const std::string& letter = fields.givenLetter;
        const bool signed_ = signs && letter.size() == 2 && (letter[1] == '#' || letter[1] == 'b');
        if ((letter.size() != 1 && !signed_) || letter[0] < 'A' || letter[0] > 'G') {
            return std::nullopt;
        }
        answer.givenLetter = letter[0];
        answer.givenAlter = !signed_ ? 0 : letter[1] == '#' ? 1 : -1;
    } else if (IsStep(fields.givenStep, kLowestAnyStep - 1)) {
        // One below the staff's lowest step (0 with one ledger line): the staff held no
        // note when the answer was confirmed.
        answer.givenStep = static_cast<int>(fields.givenStep);
    } else {
        return std::nullopt;
    }
    if (fields.playedKey >= 0 && fields.playedKey <= kHighestKey) {
        answer.givenKey = static_cast<int>(fields.playedKey);
    }
    return answer;
}

void WriteCsv(const std::vector<AnswerRecord>& answers, std::ostream& out) {
    out << "time,drill,clef,asked,given,right,ms,signature,sign,given_sign\r\n";
    for (const AnswerRecord& a : answers) {
        out << IsoUtc(a.utcMs) << ',' << NameOf(a.drill) << ',' << NameOf(a.clef) << ',' << a.asked
            << ',';
        out << (a.drill == Drill::Read ? std::string(1, a.givenLetter)
                                       : std::to_string(a.givenStep));
        out << ',' << (a.right ? "true" : "false") << ',' << a.ms << ',' << a.signature << ','
            << NameOf(a.accidental) << ','
            << (a.drill == Drill::Read ? (a.givenAlter > 0   ? "sharp"
                                          : a.givenAlter < 0 ? "flat"
                                                             : "none")
                                       : NameOf(a.givenAccidental))
            << "\r\n";
    }
}

}  // namespace practice
