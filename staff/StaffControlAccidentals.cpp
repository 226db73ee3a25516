// Sharps, flats and naturals: each note's own sign, the key signature, the keys that set a
// sign and the pitch that follows from both.
#include <algorithm>
#include <cstdlib>

#include "platform/CDC.h"
#include "res/resource.h"
#include "staff/SignLayout.h"
#include "staff/StaffControl.h"
#include "staff/StaffGeometry.h"

using namespace staff;

namespace {

constexpr int kOemPlus = 0xBB;  // the = + key of the main keyboard
constexpr int kOemMinus = 0xBD;
constexpr int kNumpadPlus = 0x6B;
constexpr int kNumpadMinus = 0x6D;
constexpr int kNumpadZero = 0x60;

std::size_t SignIndex(Accidental accidental) {
    return accidental == Accidental::Flat ? 1 : accidental == Accidental::Natural ? 2 : 0;
}

}  // namespace

int CStaffControl::MiddleLine() const {
    return MiddleLineOf(m_clef);
}

void CStaffControl::SetAccidental(int index, Accidental accidental) {
    if (index < 0 || index >= kMaxNoteSlots) {
        return;
    }
    m_accidentals[index] = accidental;
    UpdateAccessibleText();
}

void CStaffControl::SetFixedAccidental(int nColumn, Accidental accidental) {
    if (nColumn >= 0 && nColumn < kFixedColumns) {
        m_fixedAccidentals[nColumn] = accidental;
    }
}

void CStaffControl::SetKeySignature(int signature) {
    m_nSignature = std::clamp(signature, -kMaxSignature, kMaxSignature);
    UpdateAccessibleText();
}

int CStaffControl::NoteKeyAt(int slot, int lineOffset) const {
    const Accidental accidental =
        slot >= 0 && slot < kMaxNoteSlots ? m_accidentals[slot] : Accidental::None;
    if (accidental == Accidental::None && m_nSignature == 0) {
        return StepToKey(lineOffset);
    }
    // Beyond the staff positions a note sounds as the outermost one on its side, as it
    // does without signs.
    const int offset =
        std::clamp(lineOffset, 7 - m_geometry.HighestStep(), 7 - m_geometry.LowestStep());
    return KeyOf(PitchAt(MiddleLine(), offset, accidental, m_nSignature));
}

void CStaffControl::LoadSignPictures() {
    static constexpr UINT kIds[3][3][2] = {
        {{IDB_SHARP, IDB_SHARP_2X},
         {IDB_SHARP_SELECTED, IDB_SHARP_SELECTED_2X},
         {IDB_SHARP_MASK, IDB_SHARP_MASK_2X}},
        {{IDB_FLAT, IDB_FLAT_2X},
         {IDB_FLAT_SELECTED, IDB_FLAT_SELECTED_2X},
         {IDB_FLAT_MASK, IDB_FLAT_MASK_2X}},
        {{IDB_NATURAL, IDB_NATURAL_2X},
         {IDB_NATURAL_SELECTED, IDB_NATURAL_SELECTED_2X},
         {IDB_NATURAL_MASK, IDB_NATURAL_MASK_2X}},
    };
    for (std::size_t sign = 0; sign < 3; ++sign) {
        for (std::size_t picture = 0; picture < 3; ++picture) {
            CBitmap& bitmap = m_bmpSigns[sign][picture];
            bitmap.DeleteObject();
            bitmap.LoadBitmap(kIds[sign][picture][0]);
            bitmap.LoadDoubleBitmap(kIds[sign][picture][1]);
        }
    }
}

// As a note is drawn: the mask whitens the sign's ink, the glyph darkens it.
void CStaffControl::DrawSign(int left, int y, Accidental accidental, bool selected) {
    if (accidental == Accidental::None) {
        return;
    }
    CBitmap(&pictures)[3] = m_bmpSigns[SignIndex(accidental)];
    const SignPicture size = SignPictureOf(accidental);
    const int top = y - size.anchorRow;
    CClientDC client(this);
    CDC memory;
    memory.CreateCompatibleDC(&client);
    memory.SelectObject(&pictures[2]);
    client.BitBlt(left, top, size.width, size.height, &memory, 0, 0, MERGEPAINT);
    memory.SelectObject(&pictures[selected ? 1 : 0]);
    client.BitBlt(left, top, size.width, size.height, &memory, 0, 0, SRCAND);
}

void CStaffControl::DrawKeySignature() {
    const Accidental sign = m_nSignature > 0 ? Accidental::Sharp : Accidental::Flat;
    const std::vector<int> offsets = SignatureOffsets(MiddleLine(), m_nSignature);
    for (std::size_t i = 0; i < offsets.size(); ++i) {
        DrawSign(SignatureSignLeft(m_nSignature, static_cast<int>(i)),
                 m_geometry.MiddleLineY() + kHalfStep * offsets[i], sign, false);
    }
}

bool CStaffControl::SetCurrentAccidentalFromKey(UINT nChar) {
    if (!m_bAccidentalKeys || m_nCurrent == -1) {
        return false;
    }
    Accidental accidental = Accidental::None;
    switch (nChar) {
        case kOemPlus:
        case kNumpadPlus:
            accidental = Accidental::Sharp;
            break;
        case kOemMinus:
        case kNumpadMinus:
            accidental = Accidental::Flat;
            break;
        case 'N':
            accidental = Accidental::Natural;
            break;
        case '0':
        case kNumpadZero:
            break;
        default:
            return false;
    }
    m_accidentals[m_nCurrent] = accidental;
    PlayNote(NoteKeyAt(m_nCurrent, m_geometry.LineOffset(m_ptNotes[m_nCurrent].y)));
    return true;
}
