#include "tools/replay/ReplayStaffLayoutCommands.h"

#include <string>

#include "staff/StaffGeometry.h"
#include "tools/replay/ReplaySession.h"

namespace {

struct NamedClef {
    const char* name;
    staff::Clef clef;
};

constexpr NamedClef kClefs[] = {{"treble", staff::Clef::Treble},
                                {"bass", staff::Clef::Bass},
                                {"alto", staff::Clef::Alto},
                                {"tenor", staff::Clef::Tenor}};

}  // namespace

ReplayCommandDefinition ClefCommand() {
    std::vector<std::string> names;
    for (const NamedClef& named : kClefs) {
        names.emplace_back(named.name);
    }
    return {"clef",
            {{ArgumentKind::Word, "CLEF", names}},
            [](ReplaySession& s, const ReplayCommand& c) {
                for (const NamedClef& named : kClefs) {
                    if (c.words[0] == named.name) {
                        s.Staff().SetClef(named.clef);
                    }
                }
            }};
}

ReplayCommandDefinition LedgerCommand() {
    std::vector<std::string> counts;
    for (int n = staff::kMinLedgerLines; n <= staff::kMaxLedgerLines; ++n) {
        counts.push_back(std::to_string(n));
    }
    return {"ledger",
            {{ArgumentKind::Word, "N", counts}},
            [](ReplaySession& s, const ReplayCommand& c) {
                CStaffControl& staff = s.Staff();
                staff.SetLedgerLines(std::stoi(c.words[0]));
                staff.MoveWindow(0, 0, staff::kStaffWidth, staff.Geometry().Height(), FALSE);
            }};
}
