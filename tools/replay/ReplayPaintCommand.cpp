#include "tools/replay/ReplayPaintCommand.h"

#include <iostream>
#include <string>

#include "tools/bmp/BmpFile.h"
#include "tools/replay/OutputFile.h"
#include "tools/replay/PrintableText.h"
#include "tools/replay/ReplaySession.h"

ReplayCommandDefinition PaintCommand(bool& failed, const long& lineNumber) {
    return {"paint",
            {{ArgumentKind::Word, "FILE"}},
            [&failed, &lineNumber](ReplaySession& session, const ReplayCommand& command) {
                session.Headless().Repaint();
                // The transcript so far comes first when the picture goes to standard output.
                session.Out().flush();
                std::string error;
                if (!WriteOutputFile(command.words[0], EncodeBmp24(session.Headless().Screen()),
                                     error)) {
                    std::cerr << "error " << lineNumber << ": cannot write "
                              << PrintableToken(command.words[0]) << ": " << error << '\n';
                    failed = true;
                }
            }};
}
