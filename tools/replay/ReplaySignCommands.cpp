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
