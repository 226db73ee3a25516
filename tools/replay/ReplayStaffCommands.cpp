#include "tools/replay/ReplayStaffCommands.h"

#include <algorithm>
#include <string_view>

#include "platform/headless/HeadlessBackend.h"
#include "tools/replay/ReplaySession.h"
#include "tools/replay/ReplayStaffLayoutCommands.h"

namespace {

const ArgumentSyntax kX{ArgumentKind::Coordinate, "X"};
const ArgumentSyntax kY{ArgumentKind::Coordinate, "Y"};

ArgumentSyntax Integer(const char* name) {
    return {ArgumentKind::Integer, name};
}

// The window system's way: the message goes through the control's window procedure.
ReplayCommandDefinition Mouse(const char* name, UINT message, UINT flags) {
    return {name, {kX, kY}, [message, flags](ReplaySession& session, const ReplayCommand& c) {
                session.Staff().WindowProc(message, flags, MAKELPARAM(c.numbers[0], c.numbers[1]));
            }};
}

struct NamedKey {
    const char* name;
    int virtualKey;
};

constexpr NamedKey kKeys[] = {
    {"up", VK_UP},       {"down", VK_DOWN},     {"pageup", VK_PRIOR},   {"pagedown", VK_NEXT},
    {"home", VK_HOME},   {"end", VK_END},       {"left", VK_LEFT},      {"right", VK_RIGHT},
    {"space", VK_SPACE}, {"delete", VK_DELETE}, {"backspace", VK_BACK}, {"enter", VK_RETURN},
};
constexpr std::string_view kCtrl = "ctrl+";

std::vector<std::string> KeyNames() {
    std::vector<std::string> names;
    for (const std::string_view prefix : {std::string_view(), kCtrl}) {
        for (const NamedKey& key : kKeys) {
            names.push_back(std::string(prefix) + key.name);
        }
    }
    return names;
}

// A key press on the focused staff, as the window system delivers it; "ctrl+" holds Ctrl
// down for that one key.
void PressKey(ReplaySession& session, const ReplayCommand& c) {
    std::string_view name = c.words[0];
    const bool ctrl = name.starts_with(kCtrl);
    name.remove_prefix(ctrl ? kCtrl.size() : 0);
    const auto* key = std::find_if(std::begin(kKeys), std::end(kKeys),
                                   [name](const NamedKey& k) { return name == k.name; });
    HeadlessBackend& keyboard = session.Headless().backend;
    keyboard.SetKeyDown(VK_CONTROL, ctrl);
    session.Staff().WindowProc(WM_KEYDOWN, static_cast<WPARAM>(key->virtualKey), 1);
    keyboard.SetKeyDown(VK_CONTROL, false);
}

void PrintNotes(ReplaySession& session, const ReplayCommand&) {
    int steps[CStaffControl::kMaxNoteSlots] = {};
    int count = 0;
    session.Staff().GetNotes(steps, count);
    session.Out() << "notes " << count;
    for (int i = 0; i < count; ++i) {
        session.Out() << ' ' << steps[i];
    }
    session.Out() << '\n' << std::flush;
}

void PrintState(ReplaySession& session, const ReplayCommand&) {
    const CStaffControl& staff = session.Staff();
    session.Out() << "state " << staff.NoteCount() << ' ' << staff.SelectedNote();
    for (int i = 0; i < staff.NoteCount(); ++i) {
        const CPoint centre = staff.NoteCentre(i);
        session.Out() << ' ' << centre.x << ',' << centre.y;
    }
    session.Out() << '\n' << std::flush;
}

// The note the keys work on, by its centre.
void PrintCurrent(ReplaySession& session, const ReplayCommand&) {
    const CStaffControl& staff = session.Staff();
    if (staff.CurrentNote() == -1) {
        session.Out() << "current none";
    } else {
        const CPoint centre = staff.NoteCentre(staff.CurrentNote());
        session.Out() << "current " << centre.x << ',' << centre.y;
    }
    session.Out() << '\n' << std::flush;
}

}  // namespace

std::vector<ReplayCommandDefinition> StaffCommands() {
    return {
        {"maxnotes",
         {Integer("N")},
         [](ReplaySession& s, const ReplayCommand& c) { s.Staff().SetMaxNotes(c.numbers[0]); }},
        ClefCommand(),
        LedgerCommand(),
        {"fixed",
         {Integer("COL"), Integer("STEP"), Integer("COUNT")},
         [](ReplaySession& s, const ReplayCommand& c) {
             s.Staff().SetFixedNote(c.numbers[0], c.numbers[1], c.numbers[2]);
         }},
        {"range",
         {Integer("LEFT"), Integer("RIGHT")},
         [](ReplaySession& s, const ReplayCommand& c) {
             s.Staff().SetRange(c.numbers[0], c.numbers[1]);
         }},
        Mouse("down", WM_LBUTTONDOWN, MK_LBUTTON),
        Mouse("move", WM_MOUSEMOVE, MK_LBUTTON),
        Mouse("up", WM_LBUTTONUP, 0),
        {"key", {{ArgumentKind::Word, "NAME", KeyNames()}}, PressKey},
        {"notes", {}, PrintNotes},
        {"state", {}, PrintState},
        {"current", {}, PrintCurrent},
    };
}
