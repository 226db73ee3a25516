// The notes as words: for screen readers, the window's text and the tooltip over a note.
#include <array>
#include <cstdint>
#include <string>

#include "platform/CString.h"
#include "res/resource.h"
#include "staff/StaffControl.h"
#include "staff/StaffGeometry.h"

using namespace staff;

namespace {

constexpr int kKeysPerOctave = 12;

// Scientific pitch notation: middle C, key 60, is C4.
std::string PitchName(int key) {
    static constexpr std::array<const char*, kKeysPerOctave> kNames = {
        "C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
    const int octave = key / kKeysPerOctave - 1;
    return std::string(kNames[static_cast<std::size_t>(key % kKeysPerOctave)]) +
           std::to_string(octave);
}

std::string LoadText(UINT id) {
    CString text;
    text.LoadString(id);
    return text.str();
}

}  // namespace

std::string CStaffControl::NoteText(int index) const {
    const int y = m_ptNotes[index].y;
    CString text;
    text.Format(LoadText(IDS_STAFF_NOTE).c_str(), PitchName(StepToKey(LineOffset(y))).c_str(),
                YToStep(y));
    return text.str();
}

std::string CStaffControl::NotesText() const {
    if (m_nNoteCount == 0) {
        return LoadText(IDS_STAFF_NO_NOTE);
    }
    bool taken[kMaxNoteSlots] = {};
    std::string text;
    // Left to right; notes at the same x in slot order.
    for (int n = 0; n < m_nNoteCount; ++n) {
        int next = -1;
        for (int i = 0; i < m_nNoteCount; ++i) {
            if (!taken[i] && (next == -1 || m_ptNotes[i].x < m_ptNotes[next].x)) {
                next = i;
            }
        }
        taken[next] = true;
        text += (n == 0 ? "" : LoadText(IDS_STAFF_NOTE_SEPARATOR)) + NoteText(next);
    }
    return text;
}

std::string CStaffControl::GetToolTipText(CPoint point, CRect& area) const {
    for (int i = 0; i < m_nNoteCount; ++i) {
        // The hit box of a press, in 64 bits as there: a limit can put a centre anywhere.
        const std::int64_t x = m_ptNotes[i].x;
        const std::int64_t y = m_ptNotes[i].y;
        if (point.x >= x - kNoteHalfWidth && point.x < x + kNoteHalfWidth &&
            point.y >= y - kNoteHalfHeight && point.y < y + kNoteHalfHeight) {
            area =
                CRect(static_cast<int>(x - kNoteHalfWidth), static_cast<int>(y - kNoteHalfHeight),
                      static_cast<int>(x + kNoteHalfWidth), static_cast<int>(y + kNoteHalfHeight));
            return NoteText(i);
        }
    }
    return {};
}

void CStaffControl::UpdateAccessibleText() {
    std::string text = NotesText();
    if (text == m_strAccessible) {
        return;
    }
    m_strAccessible = std::move(text);
    SetAccessibleText(LoadText(IDS_STAFF_NAME).c_str(), m_strAccessible.c_str());
}
