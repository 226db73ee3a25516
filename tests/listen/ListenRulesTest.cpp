// The acceptance rules through canzet-replay's listen commands, one row a rule: what is
// heard of made tones, when its onset was and when it was taken.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <sstream>

#include "practice/Question.h"
#include "tests/support/ReplayLines.h"
#include "tools/replay/ReplayListenCommands.h"
#include "tools/replay/ReplayPracticeCommands.h"
#include "tools/replay/ReplaySession.h"

namespace {

struct Tone {
    double hz;
    int startMs;
    int lengthMs;
};

double Hz(int key) {
    return 440.0 * std::pow(2.0, (key - 69) / 12.0);
}

// A tone with five falling harmonics and 10 ms ends; stereo files carry it on the left.
std::string WriteWav(const std::vector<Tone>& tones, int rate, int channels, int bits) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("canzet-listen-" + std::to_string(::getpid()) + ".wav");
    int lengthMs = 1000;
    for (const Tone& t : tones) {
        lengthMs = std::max(lengthMs, t.startMs + t.lengthMs + 500);
    }
    std::vector<double> samples(static_cast<std::size_t>(rate / 1000 * lengthMs));
    for (const Tone& t : tones) {
        const int n0 = rate / 1000 * t.startMs, count = rate / 1000 * t.lengthMs;
        for (int n = 0; n < count; ++n) {
            const double s = static_cast<double>(n) / rate, w = 2 * std::numbers::pi * t.hz * s;
            const double ramp = std::min({1.0, s / 0.01, (t.lengthMs / 1000.0 - s) / 0.01});
            for (int h = 1; h <= 5; ++h) {
                samples[n0 + n] += 0.2 * ramp * std::sin(h * w) / h;
            }
        }
    }
    const int bytes = bits / 8;
    const auto put = [](std::ofstream& out, std::uint32_t v, int count) {
        for (int i = 0; i < count; ++i) {
            out.put(static_cast<char>(v >> (8 * i)));
        }
    };
    std::ofstream out(path, std::ios::binary);
    const auto data = static_cast<std::uint32_t>(samples.size() * channels * bytes);
    out << "RIFF";
    put(out, 36 + data, 4);
    out << "WAVEfmt ";
    put(out, 16, 4), put(out, 1, 2), put(out, channels, 2), put(out, rate, 4);
    put(out, rate * channels * bytes, 4), put(out, channels * bytes, 2), put(out, bits, 2);
    out << "data";
    put(out, data, 4);
    for (const double s : samples) {
        put(out,
            static_cast<std::uint32_t>(
                std::llround(s * static_cast<double>((std::int64_t{1} << (bits - 1)) - 1))),
            bytes);
        put(out, 0, (channels - 1) * bytes);
    }
    return path.string();
}

// Runs scripts on one session, each after the one before.
class Replayer {
  public:
    Replayer() : m_session(m_out) {
        m_commands = ListenCommands(m_failed, m_line);
        const std::vector<ReplayCommandDefinition> practice = PracticeCommands(m_failed, m_line);
        m_commands.insert(m_commands.end(), practice.begin(), practice.end());
    }
    // What the script printed.
    std::string Run(const std::string& script) {
        m_out.str("");
        RunReplayLines(script, m_commands, m_session, m_line);
        EXPECT_FALSE(m_failed);
        return m_out.str();
    }

  private:
    bool m_failed = false;
    long m_line = 0;
    std::vector<ReplayCommandDefinition> m_commands;
    std::ostringstream m_out;
    ReplaySession m_session;
};

std::string Replay(const std::string& script) {
    return Replayer().Run(script);
}

struct Heard {
    int key;
    int onsetMs;
};

struct RuleCase {
    const char* name;
    std::vector<Tone> tones;
    std::string settings;  // lines before `listen`
    std::vector<Heard> heard;
    int holdMs = 60;
    int rate = 48000, channels = 1, bits = 16;
};

class ListenRules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(ListenRules, HearEachHeldNoteOnceFromItsOnset) {
    const RuleCase& c = GetParam();
    const std::string file = WriteWav(c.tones, c.rate, c.channels, c.bits);
    std::istringstream transcript(Replay(c.settings + "listen " + file + "\n"));
    std::filesystem::remove(file);
    std::vector<Heard> heard;
    std::string word;
    for (int key = 0, onset = 0, accepted = 0;
         transcript >> word >> key >> onset >> word >> accepted;) {
        heard.push_back({key, onset});
        // The hold, and at most the detector's frame and two hops more.
        EXPECT_GE(accepted - onset, c.holdMs) << key;
        EXPECT_LE(accepted - onset, c.holdMs + 40) << key;
    }
    ASSERT_EQ(heard.size(), c.heard.size());
    for (std::size_t i = 0; i < heard.size(); ++i) {
        EXPECT_EQ(heard[i].key, c.heard[i].key) << i;
        EXPECT_NEAR(heard[i].onsetMs, c.heard[i].onsetMs, 10) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ListenRules,
    ::testing::Values(
        RuleCase{"HeldLongEnough", {{Hz(69), 300, 300}}, "", {{69, 300}}},
        RuleCase{"ShorterThanTheHold", {{Hz(69), 300, 120}}, "listen-hold 150\n", {}, 150},
        RuleCase{"ShortestHold", {{Hz(69), 300, 120}}, "listen-hold 40\n", {{69, 300}}, 40},
        RuleCase{"LongestHold", {{Hz(45), 300, 600}}, "listen-hold 300\n", {{45, 300}}, 300},
        RuleCase{"OneAnswerForALongNote", {{Hz(60), 200, 3000}}, "", {{60, 200}}},
        RuleCase{"EachNoteAfterAGap",
                 {{Hz(40), 200, 400}, {Hz(84), 900, 400}, {Hz(52), 1600, 400}},
                 "",
                 {{40, 200}, {84, 900}, {52, 1600}}},
        RuleCase{"TooHigh", {{Hz(86), 300, 400}, {Hz(96), 1000, 400}}, "", {}},
        RuleCase{"TooLow", {{Hz(38), 300, 400}, {Hz(33), 1000, 400}}, "", {}},
        RuleCase{"Silence", {}, "", {}},
        RuleCase{"A4At440Hears415AsGSharp", {{415.3, 300, 300}}, "", {{68, 300}}},
        RuleCase{"A4At415", {{415.0, 300, 300}}, "listen-a4 415\n", {{69, 300}}},
        RuleCase{"Stereo24BitAt44100", {{Hz(57), 300, 300}}, "", {{57, 300}}, 60, 44100, 2, 24},
        RuleCase{"Pcm32At16000", {{Hz(76), 300, 300}}, "", {{76, 300}}, 60, 16000, 1, 32}),
    [](const auto& info) { return std::string(info.param.name); });

struct AnswerCase {
    const char* name;
    const char* drill;
    const char* octave;
    int offset;  // semitones from the asked key
    const char* result;
};

class ListenAnswers : public ::testing::TestWithParam<AnswerCase> {};

// A note sung 300 ms into a file that starts 500 ms after the question: timed 800 ms.
TEST_P(ListenAnswers, JudgeTheHeardKeyTimedToItsOnset) {
    const AnswerCase& c = GetParam();
    Replayer replay;
    std::istringstream question(
        replay.Run(std::string("practice ") + c.drill + " bass 1 13 1 7\nwait 500\n"));
    std::string word;
    int number = 0, step = 0;
    question >> word >> number >> word >> word >> step;
    const int key = practice::KeyOf(step, practice::Clef::Bass) + c.offset;
    const std::string file = WriteWav({{Hz(key), 300, 300}}, 48000, 1, 16);
    std::istringstream answer(
        replay.Run(std::string("listen-octave ") + c.octave + "\nlisten " + file + "\n"));
    std::filesystem::remove(file);
    std::string line, result;
    int ms = 0;
    while (std::getline(answer, line)) {
        std::istringstream fields(line);
        if (fields >> word && word == "result") {
            fields >> result >> word >> word >> ms;
        }
    }
    EXPECT_EQ(result, c.result);
    EXPECT_NEAR(ms, 800, 10);
}

INSTANTIATE_TEST_SUITE_P(
    Rounds, ListenAnswers,
    ::testing::Values(AnswerCase{"ReadTheKey", "read", "exact", 0, "right"},
                      AnswerCase{"ReadAnOctaveUpExact", "read", "exact", 12, "wrong"},
                      AnswerCase{"ReadAnOctaveUpAny", "read", "any", 12, "right"},
                      AnswerCase{"PlaceAnOctaveDownAny", "place", "any", -12, "right"},
                      AnswerCase{"PlaceAToneOffAny", "place", "any", 2, "wrong"},
                      AnswerCase{"HearTheKey", "hear", "exact", 0, "right"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
