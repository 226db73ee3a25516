// Decodes the input into any sequence of owner calls, mouse and key events, focus changes
// and repaints on a staff control in a headless window, and checks after every step that
// the note record keeps its invariants. AddressSanitizer catches any write outside an array
// or a surface.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>

#include "ByteStream.h"
#include "staff/test/HeadlessStaff.h"

namespace {

void Check(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "staff invariant broken: %s\n", what);
        std::abort();
    }
}

class Invariants {
  public:
    explicit Invariants(const StaffProbe& staff) : m_staff(staff) { Remember(); }

    // Before an event: what the count and capacity were, so that a new note can be
    // checked against the capacity in force when it was placed.
    void Before() {
        m_countBefore = m_staff.NoteCount();
        m_capacityBefore = m_staff.State().m_nMaxNotes;
        m_selectedBefore = m_staff.SelectedNote();
    }

    void After(bool wasRelease, bool wasKey) {
        Remember();
        const int count = m_staff.NoteCount();
        Check(count >= 0 && count <= CStaffControl::kMaxNoteSlots, "note count within 0..5");
        Check(count >= m_countBefore - (wasKey ? 1 : 0), "only a key removes a note, one");
        Check(count <= m_countBefore + 1, "one event places at most one note");
        if (count > m_countBefore) {
            Check(count <= m_capacityBefore, "a note is placed only while there is room");
        }
        const int current = m_staff.CurrentNote();
        Check(current >= -1 && current < count, "the current note is -1 or a slot in use");
        if (wasKey && count > m_countBefore) {
            Check(current == count - 1, "a note placed from the keyboard becomes current");
            for (int i = 0; i < count - 1; ++i) {
                const CPoint a = m_staff.NoteCentre(i);
                const CPoint b = m_staff.NoteCentre(count - 1);
                Check(std::llabs(std::int64_t{a.x} - b.x) >= 24 ||
                          std::llabs(std::int64_t{a.y} - b.y) >= 14,
                      "a note placed from the keyboard overlaps no other");
            }
        }
        const int selected = m_staff.SelectedNote();
        Check(selected == -1 || (selected >= 0 && selected < count),
              "selection is -1 or a slot in use");
        for (int i = 0; i < CStaffControl::kMaxNoteSlots; ++i) {
            const CPoint centre = m_staff.NoteCentre(i);
            if (i >= count) {
                Check(centre.x == -1 && centre.y == -1, "unused slots hold (-1, -1)");
                continue;
            }
            Check(centre.y >= 39 && centre.y <= 123, "a centre's y lies within 39..123");
            Check((centre.x >= 80 && centre.x <= 568) || m_limits.count(centre.x) == 1,
                  "a centre's x lies within 80..568 or on a limit");
        }
        if (wasRelease && m_selectedBefore >= 0) {
            const int y = m_staff.NoteCentre(m_selectedBefore).y;
            Check((y - 81) % 7 == 0, "a released note stands on the grid");
        }
    }

  private:
    void Remember() {
        m_limits.insert(m_staff.State().m_nLeftLimit);
        m_limits.insert(m_staff.State().m_nRightLimit);
    }

    const StaffProbe& m_staff;
    std::set<int> m_limits;
    int m_countBefore = 0;
    int m_capacityBefore = 0;
    int m_selectedBefore = -1;
};

CPoint AnyPoint(ByteStream& in, bool wide) {
    if (wide) {
        const int x = in.Int32();
        return CPoint(x, in.Int32());
    }
    const int x = in.Int16();
    return CPoint(x, in.Int16());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    HeadlessStaff rig;
    HeadlessWindow& window = rig.window;
    TestMidiDevice& device = rig.midi;
    StaffProbe& staff = rig.Staff();
    staff.SetClef(true);
    staff.InitMidi();
    Invariants invariants(staff);
    ByteStream in(data, size);
    int steps = 0;
    while (!in.Empty() && steps++ < 4096) {
        const std::uint8_t op = in.Byte();
        invariants.Before();
        bool release = false;
        bool key = false;
        switch (op % 16) {
            case 0:
                staff.SetMaxNotes(in.Int());
                break;
            case 1:
                staff.SetClef((in.Byte() & 1) != 0);
                break;
            case 2: {
                const int column = in.Int();
                const int step = in.Int();
                staff.SetFixedNote(column, step, in.Int());
                break;
            }
            case 3: {
                const int left = in.Int();
                staff.SetRange(left, in.Int());
                break;
            }
            case 4: {
                int steps5[CStaffControl::kMaxNoteSlots];
                int count = -1;
                staff.GetNotes(steps5, count);
                Check(count == staff.NoteCount(), "GetNotes reports the count");
                for (int i = 0; i < count; ++i) {
                    Check(steps5[i] >= 1 && steps5[i] <= 13, "reported steps lie in 1..13");
                }
                break;
            }
            case 5: {
                const CPoint point = AnyPoint(in, false);
                window.Deliver(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
                break;
            }
            case 6: {
                const CPoint point = AnyPoint(in, false);
                window.Deliver(WM_MOUSEMOVE, in.Byte() & 1, MAKELPARAM(point.x, point.y));
                break;
            }
            case 7: {
                const CPoint point = AnyPoint(in, false);
                window.Deliver(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
                release = true;
                break;
            }
            case 8:
                staff.Press(MK_LBUTTON, AnyPoint(in, true));
                break;
            case 9:
                staff.Move(MK_LBUTTON, AnyPoint(in, true));
                break;
            case 10:
                staff.Release(0, AnyPoint(in, true));
                release = true;
                break;
            case 11: {
                // A part of the window, anywhere, even partly or wholly off it.
                const int left = in.Int16();
                const int top = in.Int16();
                const CRect part(left, top, left + in.Byte() * 4, top + in.Byte());
                window.Invalidate(&part, FALSE);
                window.RunPendingPaint();
                break;
            }
            case 12:
                staff.InvalidateRect(nullptr, FALSE);
                window.RunPendingPaint();
                break;
            case 13:
                // The device comes and goes: an open that fails, or a fresh one.
                device.SetOpenResult((in.Byte() & 1) != 0 ? MMSYSERR_ERROR : MMSYSERR_NOERROR);
                staff.InitMidi();
                break;
            case 14: {
                // Any key the staff handles, with Ctrl or without, during a drag too.
                static constexpr int kKeys[] = {VK_UP,    VK_DOWN,   VK_PRIOR, VK_NEXT,
                                                VK_HOME,  VK_END,    VK_LEFT,  VK_RIGHT,
                                                VK_SPACE, VK_DELETE, VK_BACK,  VK_RETURN};
                const std::uint8_t choice = in.Byte();
                rig.backend.SetKeyDown(VK_CONTROL, (choice & 0x80) != 0);
                window.Deliver(WM_KEYDOWN, static_cast<WPARAM>(kKeys[choice % 12]), 1);
                rig.backend.SetKeyDown(VK_CONTROL, false);
                key = true;
                break;
            }
            default:
                window.Deliver((in.Byte() & 1) != 0 ? WM_SETFOCUS : WM_KILLFOCUS);
                window.RunPendingPaint();
                break;
        }
        invariants.After(release, key);
    }
    window.RunPendingPaint();
    return 0;
}
