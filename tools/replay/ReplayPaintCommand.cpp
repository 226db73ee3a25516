#include "tools/replay/ReplayPaintCommand.h"

#include <iostream>
#include <string>

#include "tools/bmp/BmpFile.h"
#include "tools/replay/ReplaySession.h"

ReplayCommandDefinition PaintCommand(bool& failed) {
    return {"paint",
            {{ArgumentKind::Word, "FILE"}},
            [&failed](ReplaySession& session, const ReplayCommand& command) {
                session.Staff().InvalidateRect(nullptr, FALSE);
                session.Window().RunPendingPaint();
                std::string error;
                if (!WriteBmp24(session.Window().ClientSurface(), command.words[0], error)) {
                    session.Out().flush();
                    std::cerr << "error: cannot write " << command.words[0] << ": " << error
                              << '\n';
                    failed = true;
                }
            }};
}
