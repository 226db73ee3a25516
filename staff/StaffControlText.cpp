// The notes as words: for screen readers, the window's text and the tooltip over a note.
#include <cstdint>
#include <string>

#include "platform/CString.h"
#include "res/resource.h"
#include "staff/StaffControl.h"
#include "staff/StaffGeometry.h"

using namespace staff;

namespace {

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
    const std::string separator = LoadText(IDS_STAFF_NOTE_SEPARATOR);
    std::string text;
    for (const int slot : LeftToRight()) {
        text += (text.empty() ? "" : separator) + NoteText(slot);
    }
    return text;
}

std::string CStaffControl::GetToolTipText(CPoint point, CRect& area) const {
    const int slot = NoteAt(point);
    if (slot == -1) {
        return {};
    }
    // In 64 bits as the hit test: a limit can put a centre anywhere.
    const std::int64_t x = m_ptNotes[slot].x;
    const std::int64_t y = m_ptNotes[slot].y;
    area = CRect(static_cast<int>(x - kNoteHalfWidth), static_cast<int>(y - kNoteHalfHeight),
                 static_cast<int>(x + kNoteHalfWidth), static_cast<int>(y + kNoteHalfHeight));
    return NoteText(slot);
}

void CStaffControl::UpdateAccessibleText() {
    std::string text = NotesText();
    if (text == m_strAccessible) {
        return;
    }
    m_strAccessible = std::move(text);
    SetAccessibleText(LoadText(IDS_STAFF_NAME).c_str(), m_strAccessible.c_str());
}
