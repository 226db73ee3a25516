#include "staff/StaffControl.h"

#include <algorithm>
#include <tuple>
#include <utility>

#include "res/resource.h"
#include "staff/SignLayout.h"
#include "staff/StaffGeometry.h"

BEGIN_MESSAGE_MAP(CStaffControl, CStatic)
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_PAINT()
ON_WM_KEYDOWN()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_GETDLGCODE()
AFX_MSG_ENTRY(WM_UPDATEUISTATE, 0, 0, self_->OnUpdateUIState(wParam_, lParam_); return 0;)
END_MESSAGE_MAP()

CStaffControl::CStaffControl() {
    std::fill(std::begin(m_ptNotes), std::end(m_ptNotes), CPoint(-1, -1));
    std::fill(std::begin(m_nFixedSteps), std::end(m_nFixedSteps), -1);
}

// The pictures are released after this body, in the reverse of their declaration order.
CStaffControl::~CStaffControl() {
    CloseMidi();
}

void CStaffControl::SetMaxNotes(int nMaxNotes) {
    m_nMaxNotes = std::min(nMaxNotes, kMaxNoteSlots);
}

void CStaffControl::SetClef(bool bTreble) {
    SetClef(bTreble ? staff::Clef::Treble : staff::Clef::Bass);
}

void CStaffControl::SetClef(staff::Clef clef) {
    m_clef = clef;
    LoadPictures();
    // The pitch names follow the clef.
    UpdateAccessibleText();
}

void CStaffControl::SetLedgerLines(int nLedgerLines) {
    const staff::StaffGeometry before = m_geometry;
    m_geometry = staff::StaffGeometry(nLedgerLines);
    for (int i = 0; i < m_nNoteCount; ++i) {
        CPoint& note = m_ptNotes[i];
        note.y = std::clamp<LONG>(note.y + m_geometry.Shift() - before.Shift(),
                                  m_geometry.ClampTop(), m_geometry.ClampBottom());
    }
    if (!m_bmpStaff.IsEmpty()) {
        LoadPictures();
    }
    UpdateAccessibleText();
}

// With one ledger line the treble and bass clefs have pictures of their own, the
// program's first two; every other staff is the middle of a tall picture of its clef.
void CStaffControl::LoadPictures() {
    constexpr UINT kTall[] = {IDB_STAFF_TALL_TREBLE, IDB_STAFF_TALL_BASS, IDB_STAFF_TALL_ALTO,
                              IDB_STAFF_TALL_TENOR};
    constexpr UINT kTallDouble[] = {IDB_STAFF_TALL_TREBLE_2X, IDB_STAFF_TALL_BASS_2X,
                                    IDB_STAFF_TALL_ALTO_2X, IDB_STAFF_TALL_TENOR_2X};
    const auto clef = static_cast<std::size_t>(m_clef);
    UINT staffId = kTall[clef];
    UINT staffDoubleId = kTallDouble[clef];
    m_nPictureTop = staff::StaffGeometry(staff::kMaxLedgerLines).Shift() - m_geometry.Shift();
    if (m_geometry.LedgerLines() == 1 && m_clef == staff::Clef::Treble) {
        staffId = IDB_STAFF_TREBLE;
        staffDoubleId = IDB_STAFF_TREBLE_2X;
        m_nPictureTop = 0;
    } else if (m_geometry.LedgerLines() == 1 && m_clef == staff::Clef::Bass) {
        staffId = IDB_STAFF_BASS;
        staffDoubleId = IDB_STAFF_BASS_2X;
        m_nPictureTop = 0;
    }
    const std::tuple<CBitmap*, UINT, UINT> pictures[] = {
        {&m_bmpStaff, staffId, staffDoubleId},
        {&m_bmpNote, IDB_NOTE, IDB_NOTE_2X},
        {&m_bmpNoteSelected, IDB_NOTE_SELECTED, IDB_NOTE_SELECTED_2X},
        {&m_bmpNoteMask, IDB_NOTE_MASK, IDB_NOTE_MASK_2X},
    };
    for (const auto& [bitmap, id, doubleId] : pictures) {
        bitmap->DeleteObject();
        bitmap->LoadBitmap(id);
        bitmap->LoadDoubleBitmap(doubleId);
    }
    LoadSignPictures();
}

bool CStaffControl::IsTreble() const {
    return m_clef == staff::Clef::Treble;
}

void CStaffControl::SetFixedNote(int nColumn, int nStep, int nColumns, NoteShade shade) {
    if (nColumn < 0 || nColumn >= kFixedColumns) {
        return;
    }
    m_nFixedSteps[nColumn] = nStep;
    m_fixedShades[nColumn] = shade;
    m_nColumns = nColumns;
    LoadShade(shade);
}

void CStaffControl::SetNotesShade(NoteShade shade) {
    m_notesShade = shade;
    LoadShade(shade);
}

void CStaffControl::LoadShade(NoteShade shade) {
    if (shade == NoteShade::Right && m_bmpNoteRight.IsEmpty()) {
        m_bmpNoteRight.LoadBitmap(IDB_NOTE_RIGHT);
        m_bmpNoteRight.LoadDoubleBitmap(IDB_NOTE_RIGHT_2X);
    }
}

void CStaffControl::SetRange(int nLeftColumn, int nRightColumn) {
    if (nLeftColumn != -1) {
        m_nLeftLimit = ColumnToX(nLeftColumn);
    }
    if (nRightColumn != -1) {
        m_nRightLimit = ColumnToX(nRightColumn);
    }
}

void CStaffControl::GetNotes(int* pSteps, int& nCount) {
    nCount = m_nNoteCount;
    // One pass of neighbour exchanges, not a full sort. The selection and the keyboard's
    // note follow their notes.
    for (int i = 0; i < m_nNoteCount - 1; ++i) {
        if (m_ptNotes[i].x > m_ptNotes[i + 1].x) {
            std::swap(m_ptNotes[i], m_ptNotes[i + 1]);
            std::swap(m_accidentals[i], m_accidentals[i + 1]);
            for (int* index : {&m_nSelected, &m_nCurrent}) {
                if (*index == i) {
                    *index = i + 1;
                } else if (*index == i + 1) {
                    *index = i;
                }
            }
        }
    }
    for (int i = 0; i < m_nNoteCount; ++i) {
        pSteps[i] = YToStep(m_ptNotes[i].y);
    }
}

void CStaffControl::ClearNotes() {
    std::fill(std::begin(m_ptNotes), std::end(m_ptNotes), CPoint(-1, -1));
    std::fill(std::begin(m_accidentals), std::end(m_accidentals), staff::Accidental::None);
    m_nNoteCount = 0;
    m_nSelected = -1;
    // The keyboard's note went with the others.
    m_nCurrent = -1;
    UpdateAccessibleText();
}

int CStaffControl::YToStep(int y) const {
    return m_geometry.YToStep(y);
}

int CStaffControl::StepToY(int step) const {
    return m_geometry.StepToY(step);
}

int CStaffControl::ColumnToX(int column) const {
    return staff::SignedColumnToX(column, m_nColumns, m_nSignature, m_bAccidentalKeys);
}

int CStaffControl::StepToKey(int lineOffset) const {
    return m_geometry.StepToKey(lineOffset, m_clef);
}
