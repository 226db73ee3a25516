#include "tools/replay/ReplaySignCommands.h"

#include <string>

#include "tools/replay/ReplayParser.h"
#include "tools/replay/ReplaySession.h"

using staff::Accidental;

void AddSignCommands(std::vector<ReplayCommandDefinition>& commands) {
    for (ReplayCommandDefinition& command : commands) {
        if (command.name != "key") {
            continue;
        }
        for (int signature = -staff::kMaxSignature; signature <= staff::kMaxSignature;
             ++signature) {
            command.arguments[0].choices.push_back(std::to_string(signature));
        }
        command.run = [press = command.run](ReplaySession& session, const ReplayCommand& c) {
            const std::optional<int> signature =
                ParseStrictInteger(c.words[0], -staff::kMaxSignature, staff::kMaxSignature);
            if (!signature) {
                press(session, c);
                return;
            }
            session.Staff().SetKeySignature(*signature);
            session.Staff().InvalidateRect(nullptr);
        };
    }
    for (ReplayCommandDefinition& command : commands) {
        if (command.name != "answer") {
            continue;
        }
        for (const char* letter : {"C", "D", "E", "F", "G", "A", "B"}) {
            for (const char* sign : {"#", "b"}) {
                command.arguments[0].choices.push_back(std::string(letter) + sign);
            }
        }
        // A letter alone goes on as before; with a sign the round takes its sign too, and
        // one it refuses the plain command refuses again and reports.
        command.run = [answer = command.run](ReplaySession& session, const ReplayCommand& c) {
            const std::string& name = c.words[0];
            practice::PracticeRound* round = session.Practice().Round();
            if (name.size() == 1) {
                answer(session, c);
            } else if (round == nullptr || !round->AnswerLetter(name[0], name[1] == '#' ? 1 : -1)) {
                ReplayCommand plain = c;
                plain.words[0].resize(1);
                answer(session, plain);
            }
        };
    }
    commands.push_back({"practice-accidentals",
                        {{ArgumentKind::Word, "SIGNS", {"none", "all"}}},
                        [](ReplaySession& session, const ReplayCommand& c) {
                            ReplayPractice& practice = session.Practice();
                            practice.SetSignChoices(*practice::AccidentalChoiceNamed(c.words[0]),
                                                    practice.KeyChoice());
                        }});
    std::vector<std::string> keys{"random"};
    for (int key = -staff::kMaxSignature; key <= staff::kMaxSignature; ++key) {
        keys.push_back(std::to_string(key));
    }
    commands.push_back({"practice-key",
                        {{ArgumentKind::Word, "KEY", keys}},
                        [](ReplaySession& session, const ReplayCommand& c) {
                            ReplayPractice& practice = session.Practice();
                            const int key =
                                c.words[0] == "random"
                                    ? practice::kRandomKey
                                    : *ParseStrictInteger(c.words[0], -staff::kMaxSignature,
                                                          staff::kMaxSignature);
                            practice.SetSignChoices(practice.AccidentalsChoice(), key);
                        }});
    commands.push_back({"accidental",
                        {{ArgumentKind::Word, "SIGN", {"none", "sharp", "flat", "natural"}}},
                        [](ReplaySession& session, const ReplayCommand& c) {
                            const std::string& sign = c.words[0];
                            const Accidental accidental = sign == "sharp"     ? Accidental::Sharp
                                                          : sign == "flat"    ? Accidental::Flat
                                                          : sign == "natural" ? Accidental::Natural
                                                                              : Accidental::None;
                            session.Staff().SetAccidental(session.Staff().CurrentNote(),
                                                          accidental);
                            session.Staff().InvalidateRect(nullptr);
                        }});
}
