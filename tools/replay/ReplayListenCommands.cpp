#include "tools/replay/ReplayListenCommands.h"

#include <charconv>
#include <cmath>
#include <memory>
#include <string_view>

#include "input/pitch/NoteListener.h"
#include "input/wav/WavFile.h"
#include "practice/OctaveRule.h"
#include "tools/replay/PrintableText.h"
#include "tools/replay/ReplayParser.h"
#include "tools/replay/ReplaySession.h"
#include "tools/replay/ScriptError.h"

namespace {

struct ListenState {
    explicit ListenState(ScriptError fail) : fail(fail) {}

    ScriptError fail;
    input::ListenSettings settings;
    practice::OctaveRule octave = practice::OctaveRule::Exact;
};

std::optional<double> ParseHz(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() ||
        !(value >= input::ListenSettings::kMinA4Hz && value <= input::ListenSettings::kMaxA4Hz)) {
        return std::nullopt;
    }
    return value;
}

// As the practice window takes a heard note: it answers the question waiting, timed from
// its onset, and Place and Hear show it on the staff first.
void Answer(ReplaySession& session, const ListenState& state, int key, std::int64_t onsetMs) {
    practice::PracticeRound* round = session.Practice().Round();
    if (round == nullptr || round->State() != practice::RoundState::Asking) {
        return;
    }
    const int judged = practice::JudgedKey(key, round->Current().Key(), state.octave);
    if (round->Current().drill != practice::Drill::Read) {
        session.Staff().PlaceKey(judged);
    }
    round->AnswerKey(judged, onsetMs);
}

void Listen(ReplaySession& session, const ListenState& state, const std::string& path) {
    const input::WavSound sound = input::ReadWavFile(path);
    if (!sound.error.empty()) {
        state.fail(session, PrintableToken(path) + " " + sound.error);
        return;
    }
    input::NoteListener listener(sound.sampleRate, state.settings);
    const auto hop = static_cast<std::size_t>(listener.HopSamples());
    const std::int64_t startMs = session.Practice().NowMs();
    std::int64_t movedMs = 0;
    for (std::size_t at = 0; at < sound.samples.size(); at += hop) {
        const std::size_t count = std::min(hop, sound.samples.size() - at);
        std::optional<input::HeardNote> heard;
        listener.Feed(sound.samples.data() + at, count,
                      [&](const input::HeardNote& note) { heard = note; });
        // The clock follows the audio to the end of this hop before the note is told.
        const auto fileMs = static_cast<std::int64_t>(
            std::llround(1000.0 * static_cast<double>(at + count) / sound.sampleRate));
        session.Practice().Wait(static_cast<int>(fileMs - movedMs));
        movedMs = fileMs;
        if (heard) {
            session.Out() << "heard " << heard->key << ' ' << std::llround(heard->onsetMs)
                          << "\naccepted " << std::llround(heard->acceptedMs) << '\n'
                          << std::flush;
            Answer(session, state, heard->key, startMs + std::llround(heard->onsetMs));
        }
    }
}

}  // namespace

std::vector<ReplayCommandDefinition> ListenCommands(bool& failed, const long& lineNumber) {
    const auto state = std::make_shared<ListenState>(ScriptError(failed, lineNumber));
    return {
        {"listen",
         {{ArgumentKind::Word, "FILE"}},
         [state](ReplaySession& session, const ReplayCommand& c) {
             Listen(session, *state, c.words[0]);
         }},
        {"listen-octave",
         {{ArgumentKind::Word, "RULE", {"any", "exact"}}},
         [state](ReplaySession&, const ReplayCommand& c) {
             state->octave =
                 c.words[0] == "any" ? practice::OctaveRule::Any : practice::OctaveRule::Exact;
         }},
        {"listen-hold",
         {{ArgumentKind::Integer, "MS"}},
         [state](ReplaySession& session, const ReplayCommand& c) {
             const int ms = c.numbers[0];
             if (ms < input::ListenSettings::kMinHoldMs || ms > input::ListenSettings::kMaxHoldMs) {
                 state->fail(session, "MS is a hold from 40 to 300 ms");
                 return;
             }
             state->settings.holdMs = ms;
         }},
        {"listen-a4",
         {{ArgumentKind::Word, "HZ"}},
         [state](ReplaySession& session, const ReplayCommand& c) {
             const std::optional<double> hz = ParseHz(c.words[0]);
             if (!hz) {
                 state->fail(session, "HZ is the pitch of A4, from 415 to 466");
                 return;
             }
             state->settings.a4Hz = *hz;
         }},
    };
}
