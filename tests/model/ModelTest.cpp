// One million random editing events, each applied to the staff control and to the
// reference, compared step by step: the note record, the selection, the redraw requests,
// the default processing and the MIDI bytes that reach the device, all in call order.
// Keys mixed in are held to invariants instead: the current note is -1 or a slot in use,
// and a note placed from the keyboard overlaps no other.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "EventSource.h"
#include "ReferenceStaff.h"
#include "staff/test/HeadlessStaff.h"

namespace {

constexpr long kEvents = 1'000'000;
constexpr unsigned kSeed = 20261207;

std::string Describe(const ModelEvent& event) {
    std::ostringstream out;
    switch (event.kind) {
        case ModelEvent::Kind::Press:
            out << "down " << event.point.x << ' ' << event.point.y << " flags " << event.flags;
            break;
        case ModelEvent::Kind::Move:
            out << "move " << event.point.x << ' ' << event.point.y << " flags " << event.flags;
            break;
        case ModelEvent::Kind::Release:
            out << "up " << event.point.x << ' ' << event.point.y << " flags " << event.flags;
            break;
        case ModelEvent::Kind::MaxNotes:
            out << "maxnotes " << event.a;
            break;
        case ModelEvent::Kind::Clef:
            out << "clef " << (event.a != 0 ? "treble" : "bass");
            break;
        case ModelEvent::Kind::Columns:
            out << "fixed " << event.a << " -1 " << event.b;
            break;
        case ModelEvent::Kind::Range:
            out << "range " << event.a << ' ' << event.b;
            break;
        case ModelEvent::Kind::Notes:
            out << "notes";
            break;
        case ModelEvent::Kind::Renew:
            out << "(new control)";
            break;
        case ModelEvent::Kind::Key:
            out << "key 0x" << std::hex << event.a << (event.b != 0 ? " with ctrl" : "");
            break;
    }
    return out.str();
}

std::string Describe(const RefCall& call) {
    std::ostringstream out;
    switch (call.kind) {
        case RefCall::Kind::NoteOn:
            out << "midi " << std::hex << call.message;
            break;
        case RefCall::Kind::Invalidate:
            out << "invalidate";
            break;
        case RefCall::Kind::Default:
            out << "default " << std::hex << call.message << std::dec << " flags " << call.flags
                << " at " << call.point.x << ',' << call.point.y;
            break;
        case RefCall::Kind::Notify:
            out << "notify " << std::hex << call.message;
            break;
    }
    return out.str();
}

std::string Describe(const std::vector<RefCall>& calls) {
    std::string text;
    for (const RefCall& call : calls) {
        text += "  " + Describe(call) + "\n";
    }
    return text.empty() ? "  (none)\n" : text;
}

std::string Describe(const RefState& state) {
    std::ostringstream out;
    out << "count " << state.noteCount << " selected " << state.selected << " notes";
    for (const RefPoint& note : state.notes) {
        out << ' ' << note.x << ',' << note.y;
    }
    return out.str();
}

// The control under test on the headless staff, and what the window system and the MIDI
// device report, merged into one sequence in the order it happened.
class Rig {
  public:
    Rig() {
        m_staff.log.SetListener(
            [this](const LoggedCall& call) { m_seen.push_back(Translate(call)); });
        m_staff.midi.SetMessageListener([this](DWORD message) {
            m_seen.push_back({RefCall::Kind::NoteOn, message, 0, {}});
        });
        Renew();
    }

    void Renew() {
        m_staff.Renew();
        Control().InitMidi();
        Forget();
    }

    StaffProbe& Control() { return m_staff.Staff(); }
    void Key(int virtualKey, bool ctrl) {
        m_staff.backend.SetKeyDown(VK_CONTROL, ctrl);
        Window().Deliver(WM_KEYDOWN, static_cast<WPARAM>(virtualKey), 1);
        m_staff.backend.SetKeyDown(VK_CONTROL, false);
    }
    HeadlessWindow& Window() { return m_staff.window; }

    void Forget() {
        m_seen.clear();
        m_staff.log.Clear();
        m_staff.midi.ClearRecord();
    }

    const std::vector<RefCall>& Seen() const { return m_seen; }

    RefState State() const {
        RefState state;
        const StaffProbe& control = m_staff.Staff();
        state.noteCount = control.NoteCount();
        state.selected = control.SelectedNote();
        for (int i = 0; i < ReferenceStaff::kSlots; ++i) {
            const CPoint centre = control.NoteCentre(i);
            state.notes[i] = {centre.x, centre.y};
        }
        return state;
    }

  private:
    // Anything but a whole-window redraw without erase, or default processing of a mouse
    // message, is a call the editing must not make; it shows up as a mismatch.
    static RefCall Translate(const LoggedCall& call) {
        if (call.kind == LoggedCall::Kind::Invalidate && call.whole && call.flag == FALSE) {
            return {RefCall::Kind::Invalidate, 0, 0, {}};
        }
        if (call.kind == LoggedCall::Kind::Notify) {
            return {RefCall::Kind::Notify, static_cast<std::uint32_t>(call.value), 0, {}};
        }
        if (call.kind == LoggedCall::Kind::DefaultProcessing) {
            return {RefCall::Kind::Default,
                    call.message,
                    static_cast<unsigned>(call.wParam),
                    {GET_X_LPARAM(call.lParam), GET_Y_LPARAM(call.lParam)}};
        }
        return {RefCall::Kind::Default, 0xFFFF'0000u | static_cast<unsigned>(call.kind), 0, {}};
    }

    std::vector<RefCall> m_seen;
    HeadlessStaff m_staff;
};

UINT MessageOf(ModelEvent::Kind kind) {
    return kind == ModelEvent::Kind::Press  ? WM_LBUTTONDOWN
           : kind == ModelEvent::Kind::Move ? WM_MOUSEMOVE
                                            : WM_LBUTTONUP;
}

// Applies one event to both sides; returns the calls the reference expects.
std::vector<RefCall> Apply(const ModelEvent& event, Rig& rig, std::unique_ptr<ReferenceStaff>& ref,
                           std::vector<int>& refSteps, std::vector<int>& steps) {
    StaffProbe& control = rig.Control();
    switch (event.kind) {
        case ModelEvent::Kind::Press:
        case ModelEvent::Kind::Move:
        case ModelEvent::Kind::Release: {
            rig.Window().Deliver(MessageOf(event.kind), event.flags,
                                 MAKELPARAM(event.point.x, event.point.y));
            if (event.kind == ModelEvent::Kind::Press) {
                return ref->Press(event.flags, event.point);
            }
            return event.kind == ModelEvent::Kind::Move ? ref->Move(event.flags, event.point)
                                                        : ref->Release(event.flags, event.point);
        }
        case ModelEvent::Kind::MaxNotes:
            control.SetMaxNotes(event.a);
            ref->SetMaxNotes(event.a);
            return {};
        case ModelEvent::Kind::Clef:
            control.SetClef(event.a != 0);
            ref->SetClef(event.a != 0);
            return {};
        case ModelEvent::Kind::Columns:
            control.SetFixedNote(event.a, -1, event.b);
            ref->SetFixedNote(event.a, event.b);
            return {};
        case ModelEvent::Kind::Range:
            control.SetRange(event.a, event.b);
            ref->SetRange(event.a, event.b);
            return {};
        case ModelEvent::Kind::Notes: {
            int values[ReferenceStaff::kSlots] = {0, 0, 0, 0, 0};
            int count = -1;
            control.GetNotes(values, count);
            steps.assign(values, values + std::max(0, std::min(count, ReferenceStaff::kSlots)));
            refSteps = ref->GetNotes();
            return {};
        }
        case ModelEvent::Kind::Renew:
            rig.Renew();
            ref = std::make_unique<ReferenceStaff>();
            return {};
        case ModelEvent::Kind::Key:
            rig.Key(event.a, event.b != 0);
            ref->Adopt(rig.State());
            return rig.Seen();
    }
    return {};
}

// What keys must keep, whatever else they do; empty when it holds. Only a key's new note
// must find a free place: a press places one where the pointer is.
std::string KeyInvariants(StaffProbe& control, int countBefore, bool key) {
    const int count = control.NoteCount();
    const int current = control.CurrentNote();
    if (current < -1 || current >= count) {
        return "current note " + std::to_string(current) + " of " + std::to_string(count);
    }
    if (key && count > countBefore) {
        const CPoint placed = control.NoteCentre(count - 1);
        for (int i = 0; i < count - 1; ++i) {
            const CPoint other = control.NoteCentre(i);
            if (std::abs(other.x - placed.x) < 24 && std::abs(other.y - placed.y) < 14) {
                return "the placed note overlaps note " + std::to_string(i);
            }
        }
    }
    return {};
}

TEST(StaffModel, MillionRandomEventsMatchTheReference) {
    Rig rig;
    auto ref = std::make_unique<ReferenceStaff>();
    EventSource source(kSeed);
    std::deque<std::string> history;
    long compared = 0;
    long sounded = 0;
    long renewals = 0;

    std::vector<ModelEvent> pending = source.Setup();
    for (long i = 0; compared < kEvents; ++i) {
        ModelEvent event;
        if (!pending.empty()) {
            event = pending.front();
            pending.erase(pending.begin());
        } else {
            std::vector<RefPoint> notes(ref->State().notes.begin(),
                                        ref->State().notes.begin() + ref->State().noteCount);
            event = source.Next(notes);
        }
        history.push_back(Describe(event));
        if (history.size() > 40) {
            history.pop_front();
        }

        rig.Forget();
        const int countBefore = rig.Control().NoteCount();
        std::vector<int> refSteps;
        std::vector<int> steps;
        const std::vector<RefCall> expected = Apply(event, rig, ref, refSteps, steps);
        if (event.kind == ModelEvent::Kind::Renew) {
            ++renewals;
            pending = source.Setup();
            continue;
        }
        const RefState state = rig.State();
        const std::string broken =
            KeyInvariants(rig.Control(), countBefore, event.kind == ModelEvent::Kind::Key);
        const bool same =
            rig.Seen() == expected && state == ref->State() && steps == refSteps && broken.empty();
        if (!same) {
            std::string trail;
            for (const std::string& line : history) {
                trail += "  " + line + "\n";
            }
            FAIL() << "event " << i << " differs from the reference.\nLast events (oldest first):\n"
                   << trail << "Expected calls:\n"
                   << Describe(expected) << "Calls made:\n"
                   << Describe(rig.Seen()) << "Expected state: " << Describe(ref->State())
                   << "\nState:          " << Describe(state) << "\n"
                   << broken;
        }
        for (const RefCall& call : expected) {
            sounded += call.kind == RefCall::Kind::NoteOn ? 1 : 0;
        }
        ++compared;
    }
    std::printf("compared %ld events (%ld notes sounded, %ld fresh controls)\n", compared, sounded,
                renewals);
    RecordProperty("events_compared", static_cast<int>(compared));
    // A stream that never sounds or never renews would prove little.
    EXPECT_GT(sounded, kEvents / 100);
    EXPECT_GT(renewals, 100);
}

}  // namespace
