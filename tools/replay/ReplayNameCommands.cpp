#include "tools/replay/ReplayNameCommands.h"

#include <string_view>

#include "staff/NoteNames.h"
#include "tools/replay/ReplaySession.h"

std::vector<ReplayCommandDefinition> NameCommands() {
    return {{"names",
             {{ArgumentKind::Word, "SYSTEM", {"letters", "solfege", "numbers"}}},
             [](ReplaySession& session, const ReplayCommand& c) {
                 const staff::NameSystem names = *staff::NameSystemNamed(c.words[0]);
                 session.Staff().SetNameSystem(names);
                 session.Practice().SetNames(names);
             }}};
}

namespace {
constexpr std::string_view kLetters = "CDEFGAB";
}  // namespace

void AnswerByDigits(std::vector<ReplayCommandDefinition>& commands) {
    for (ReplayCommandDefinition& command : commands) {
        if (command.name != "answer") {
            continue;
        }
        command.arguments[0].name = "LETTER|DIGIT";
        for (char digit = '1'; digit <= '7'; ++digit) {
            command.arguments[0].choices.emplace_back(1, digit);
        }
        command.run = [answer = command.run](ReplaySession& session, const ReplayCommand& c) {
            const char given = c.words[0][0];
            if (given < '1' || given > '7') {
                answer(session, c);
                return;
            }
            // The degree of the question's key, sounding as the signature has it: 7 is F♯ in G.
            const practice::PracticeRound* round = session.Practice().Round();
            const int signature = round != nullptr ? round->Current().signature : 0;
            const int letter = staff::LetterOfDegree(given - '0', staff::TonicOf(signature));
            const int alter = staff::SignatureAlter(signature, letter);
            ReplayCommand asLetter = c;
            asLetter.words[0] =
                std::string(1, kLetters[static_cast<std::size_t>(letter)]) + (alter > 0   ? "#"
                                                                              : alter < 0 ? "b"
                                                                                          : "");
            answer(session, asLetter);
        };
    }
}
