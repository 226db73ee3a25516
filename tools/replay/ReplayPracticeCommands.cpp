#include "tools/replay/ReplayPracticeCommands.h"

#include <charconv>
#include <string_view>

#include "tools/replay/ReplayParser.h"
#include "tools/replay/ReplaySession.h"
#include "tools/replay/ScriptError.h"

using namespace practice;

namespace {

std::vector<std::string> Letters() {
    return {"C", "D", "E", "F", "G", "A", "B"};
}

std::optional<std::uint64_t> ParseSeed(std::string_view text) {
    std::uint64_t seed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return seed;
}

}  // namespace

std::vector<ReplayCommandDefinition> PracticeCommands(bool& failed, const long& lineNumber) {
    const ScriptError fail(failed, lineNumber);
    const auto checked = [fail](auto action, const char* reason) {
        return [fail, action, reason](ReplaySession& session, const ReplayCommand& c) {
            if (!action(session.Practice(), c)) {
                fail(session, reason);
            }
        };
    };
    const auto round = [](ReplayPractice& p) { return p.Round(); };
    return {
        {"practice",
         {{ArgumentKind::Word, "DRILL", {"read", "place", "hear"}},
          {ArgumentKind::Word, "CLEF", {"treble", "bass", "both", "alto", "tenor"}},
          {ArgumentKind::Integer, "LOW"},
          {ArgumentKind::Integer, "HIGH"},
          {ArgumentKind::Word, "COUNT"},
          {ArgumentKind::Word, "SEED"}},
         [fail](ReplaySession& session, const ReplayCommand& c) {
             const std::string& countText = c.words[2];
             const std::optional<int> count = countText == "endless"
                                                  ? std::optional(RoundSettings::kEndless)
                                                  : ParseStrictInteger(countText, 1, 1'000'000);
             const std::optional<std::uint64_t> seed = ParseSeed(c.words[3]);
             RoundSettings settings{.drill = *DrillNamed(c.words[0]),
                                    .clef = *ClefChoiceNamed(c.words[1]),
                                    .lowStep = c.numbers[0],
                                    .highStep = c.numbers[1],
                                    .count = count.value_or(-1),
                                    .seed = seed.value_or(0)};
             // The staff makes room for the range: as few ledger lines as hold it.
             while (!settings.Valid() && settings.ledgerLines < staff::kMaxLedgerLines) {
                 ++settings.ledgerLines;
             }
             if (!count) {
                 fail(session, "COUNT is a number from 1 to 1000000 or 'endless'");
             } else if (!seed) {
                 fail(session, "SEED is a number from 0 to 18446744073709551615");
             } else if (!settings.Valid()) {
                 fail(session, "LOW and HIGH are steps from -5 to 19, LOW not above HIGH");
             } else {
                 session.Practice().StartRound(settings);
             }
         }},
        {"history",
         {{ArgumentKind::Word, "FILE"}},
         [](ReplaySession& session, const ReplayCommand& c) {
             session.Practice().UseHistoryFile(c.words[0]);
         }},
        {"answer",
         {{ArgumentKind::Word, "LETTER", Letters()}},
         checked(
             [round](ReplayPractice& p, const ReplayCommand& c) {
                 return round(p) != nullptr && round(p)->AnswerLetter(c.words[0][0]);
             },
             "no Read question waits for an answer")},
        {"confirm",
         {},
         checked([](ReplayPractice& p, const ReplayCommand&) { return p.ConfirmStaffNote(); },
                 "no Place or Hear question waits for an answer")},
        {"again",
         {},
         checked(
             [round](ReplayPractice& p, const ReplayCommand&) {
                 return round(p) != nullptr && round(p)->PlayAgain();
             },
             "no Hear question waits for an answer")},
        {"next",
         {},
         checked([round](ReplayPractice& p,
                         const ReplayCommand&) { return round(p) != nullptr && round(p)->Next(); },
                 "no answered question of a round that goes on")},
        {"wait",
         {{ArgumentKind::Integer, "MS"}},
         checked(
             [](ReplayPractice& p, const ReplayCommand& c) {
                 if (c.numbers[0] < 0) {
                     return false;
                 }
                 p.Wait(c.numbers[0]);
                 return true;
             },
             "MS is a number of milliseconds, 0 or more")},
        {"stats",
         {},
         checked([](ReplayPractice& p, const ReplayCommand&) { return p.PrintStats(); },
                 "no round has been started")},
    };
}

void ConfirmOnRelease(std::vector<ReplayCommandDefinition>& commands) {
    for (ReplayCommandDefinition& command : commands) {
        if (command.name != "up") {
            continue;
        }
        command.run = [release = command.run](ReplaySession& session, const ReplayCommand& c) {
            const bool dragging = session.Staff().SelectedNote() != -1;
            release(session, c);
            if (dragging) {
                session.Practice().ConfirmStaffNote();
            }
        };
    }
}
