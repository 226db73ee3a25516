// The notes as words: for screen readers, the window's text and the tooltip over a note.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/CString.h"
#include "res/resource.h"
#include "staff/NoteWords.h"
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

NameWords PitchWords() {
    return {LoadText(IDS_PITCH_SHARP), LoadText(IDS_PITCH_FLAT), LoadText(IDS_PITCH_NATURAL),
            "%s%d"};
}

std::string CStaffControl::NoteText(int index) const {
    const int y = m_ptNotes[index].y;
    const Accidental accidental = m_accidentals[index];
    const int offset = std::clamp(m_geometry.LineOffset(y), 7 - m_geometry.HighestStep(),
                                  7 - m_geometry.LowestStep());
    // Natural notes keep the words they always had; a sign, drawn or in force, is named.
    const bool plain = accidental == Accidental::None && m_nSignature == 0;
    const std::string pitch =
        plain ? PitchName(StepToKey(m_geometry.LineOffset(y)))
              : WrittenName(MiddleLine(), offset, accidental, m_nSignature, PitchWords());
    const NoteName name =
        NameOfPitch(PitchAt(MiddleLine(), offset, accidental, m_nSignature), m_nSignature);
    CString text;
    text.Format(LoadText(IDS_STAFF_NOTE).c_str(),
                NoteWordsWithLetters(name, m_names, pitch).c_str(), YToStep(y));
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

std::string CStaffControl::NoteOfText(int index, int rank) const {
    CString text;
    text.Format(LoadText(IDS_STAFF_NOTE_OF).c_str(), rank + 1, m_nNoteCount,
                NoteText(index).c_str());
    return text.str();
}

std::string CStaffControl::GetToolTipText(CPoint point, CRect& area) const {
    const int slot = NoteAt(point);
    if (slot == -1) {
        return {};
    }
    area = NoteBox(slot);
    return NoteText(slot);
}

void CStaffControl::UpdateAccessibleText(int toldSlot) {
    AccessibleList list{LoadText(IDS_STAFF_NAME), NotesText(), {}, -1};
    int told = -1;
    const std::vector<int> order = LeftToRight();
    for (int rank = 0; rank < static_cast<int>(order.size()); ++rank) {
        const int slot = order[static_cast<std::size_t>(rank)];
        list.items.push_back({NoteText(slot), NoteOfText(slot, rank), NoteBox(slot)});
        list.current = slot == m_nCurrent ? rank : list.current;
        told = slot == toldSlot ? rank : told;
    }
    // A key's change is told even when the text stays, as a move across does.
    if (told == -1 && list == m_accessible) {
        return;
    }
    m_accessible = std::move(list);
    SetAccessibleList(m_accessible, told);
}
