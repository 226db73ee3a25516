// Keyboard editing of the notes while the staff has the focus. Every key works on the
// current note; what it changes is sounded, stored and repainted in the order a drag uses.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/Backend.h"
#include "staff/SignLayout.h"
#include "staff/StaffControl.h"
#include "staff/StaffGeometry.h"

using namespace staff;

namespace {

constexpr int kMiddleStep = 7;
constexpr int kOctave = 7;
constexpr int kStepAcross = 8;
// Notes placed from the keyboard keep a visible gap between their 25-pixel-wide glyphs.
constexpr int kPlacedApart = 30;

}  // namespace

std::vector<int> CStaffControl::LeftToRight() const {
    std::vector<int> order(static_cast<std::size_t>(m_nNoteCount));
    for (int i = 0; i < m_nNoteCount; ++i) {
        order[static_cast<std::size_t>(i)] = i;
    }
    std::stable_sort(order.begin(), order.end(),
                     [this](int a, int b) { return m_ptNotes[a].x < m_ptNotes[b].x; });
    return order;
}

void CStaffControl::PreSubclassWindow() {
    ModifyStyle(0, WS_TABSTOP);
    m_accessible = {};
    UpdateAccessibleText();
}

// Enter is asked for only when it is the key in question, so Tab and Escape stay the dialog's.
UINT CStaffControl::OnGetDlgCode(UINT nChar) {
    return DLGC_WANTARROWS | (nChar == VK_RETURN ? DLGC_WANTMESSAGE : 0);
}

void CStaffControl::OnSetFocus(CWnd* pOldWnd) {
    m_bFocused = true;
    CWnd::InvalidateRect(nullptr, FALSE);
    CWnd::OnSetFocus(pOldWnd);
}

void CStaffControl::OnKillFocus(CWnd* pNewWnd) {
    m_bFocused = false;
    CWnd::InvalidateRect(nullptr, FALSE);
    CWnd::OnKillFocus(pNewWnd);
}

void CStaffControl::OnUpdateUIState(WPARAM wParam, LPARAM lParam) {
    DefWindowProc(WM_UPDATEUISTATE, wParam, lParam);
    if (m_bFocused) {
        CWnd::InvalidateRect(nullptr, FALSE);
    }
}

void CStaffControl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    const bool hasCurrent = m_nCurrent != -1;
    const int step = hasCurrent ? YToStep(m_ptNotes[m_nCurrent].y) : 0;
    bool changed = false;
    switch (nChar) {
        case VK_UP:
        case VK_DOWN: {
            const int sign = nChar == VK_UP ? 1 : -1;
            if (!hasCurrent) {
                changed = PlaceNoteFromKeyboard();
            } else {
                changed = MoveCurrentToStep(step + sign * (ctrl ? kOctave : 1));
            }
            break;
        }
        case VK_PRIOR:
        case VK_NEXT:
            changed =
                hasCurrent && MoveCurrentToStep(step + (nChar == VK_PRIOR ? kOctave : -kOctave));
            break;
        case VK_HOME:
        case VK_END:
            changed = hasCurrent && MoveCurrentToStep(nChar == VK_HOME ? m_geometry.HighestStep()
                                                                       : m_geometry.LowestStep());
            break;
        case VK_LEFT:
        case VK_RIGHT: {
            const int direction = nChar == VK_RIGHT ? 1 : -1;
            changed =
                ctrl ? ChooseNeighbour(direction) : MoveCurrentAcross(direction * kStepAcross);
            break;
        }
        case VK_SPACE:
            changed = PlaceNoteFromKeyboard();
            if (!changed && hasCurrent) {
                PlayNote(NoteKeyAt(m_nCurrent, m_geometry.LineOffset(m_ptNotes[m_nCurrent].y)));
            }
            break;
        case VK_DELETE:
        case VK_BACK:
            changed = RemoveCurrent();
            break;
        case VK_RETURN:
            NotifyParent(STAFFN_RETURN);
            return;
        default:
            if (!SetCurrentAccidentalFromKey(nChar)) {
                CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
                return;
            }
            changed = true;
            break;
    }
    if (changed) {
        CWnd::InvalidateRect(nullptr, FALSE);
        UpdateAccessibleText(m_nCurrent);
    }
}

bool CStaffControl::PlaceNoteFromKeyboard() {
    CPoint placed;
    if (m_nNoteCount >= m_nMaxNotes || !FindFreePlace(placed)) {
        return false;
    }
    m_accidentals[m_nNoteCount] = Accidental::None;
    PlayNote(NoteKeyAt(m_nNoteCount, m_geometry.LineOffset(placed.y)));
    m_nCurrent = m_nNoteCount;
    m_ptNotes[m_nNoteCount++] = placed;
    return true;
}

bool CStaffControl::IsFree(CPoint place) const {
    if (ClampPoint(place).x != place.x) {
        return false;
    }
    for (int i = 0; i < m_nNoteCount; ++i) {
        // A note takes the places closer than the gap across and than a box's height up and
        // down; in 64 bits, as a limit can put a centre anywhere.
        const std::int64_t dx = std::int64_t{m_ptNotes[i].x} - place.x;
        const std::int64_t dy = std::int64_t{m_ptNotes[i].y} - place.y;
        if (std::abs(dx) < kPlacedApart && std::abs(dy) < 2 * kNoteHalfHeight) {
            return false;
        }
    }
    return true;
}

// A free place on one side starts one gap from a note: at the first place past the current
// note, the edge of the allowed range, or one gap beside another note.
bool CStaffControl::FindFreePlace(CPoint& place) const {
    const int y = StepToY(kMiddleStep);
    const bool hasCurrent = m_nCurrent != -1;
    // The first note placed from the keyboard goes to the middle of the note area, on the
    // middle line; later ones beside the current note.
    const std::int64_t placedX = (NoteAreaLeft(m_nSignature, m_bAccidentalKeys) + kClampRight) / 2;
    const std::int64_t origin = hasCurrent ? m_ptNotes[m_nCurrent].x : placedX;
    const std::int64_t gap = hasCurrent ? kPlacedApart : 0;
    for (const int side : {1, -1}) {
        const std::int64_t start = origin + side * gap;
        std::vector<std::int64_t> candidates{
            start,
            ClampPoint(
                CPoint(side > 0 ? NoteAreaLeft(m_nSignature, m_bAccidentalKeys) : kClampRight, y))
                .x};
        for (int i = 0; i < m_nNoteCount; ++i) {
            candidates.push_back(std::int64_t{m_ptNotes[i].x} + side * kPlacedApart);
        }
        std::sort(candidates.begin(), candidates.end());
        if (side < 0) {
            std::reverse(candidates.begin(), candidates.end());
        }
        for (const std::int64_t x : candidates) {
            if ((x - start) * side >= 0 && x >= INT32_MIN && x <= INT32_MAX &&
                IsFree(CPoint(static_cast<int>(x), y))) {
                place = CPoint(static_cast<int>(x), y);
                return true;
            }
        }
    }
    return false;
}

// A note between rows first goes to the row of its own step, so every move lands on a row.
bool CStaffControl::MoveCurrentToStep(int step) {
    CPoint& note = m_ptNotes[m_nCurrent];
    const int y = StepToY(std::clamp(step, m_geometry.LowestStep(), m_geometry.HighestStep()));
    if (y == note.y) {
        return false;
    }
    if (m_geometry.LineOffset(y) != m_geometry.LineOffset(note.y)) {
        PlayNote(NoteKeyAt(m_nCurrent, m_geometry.LineOffset(y)));
    }
    note.y = y;
    return true;
}

bool CStaffControl::MoveCurrentAcross(int dx) {
    if (m_nCurrent == -1) {
        return false;
    }
    CPoint& note = m_ptNotes[m_nCurrent];
    const LONG x = ClampPoint(CPoint(note.x + dx, note.y)).x;
    if (x == note.x) {
        return false;
    }
    note.x = x;
    return true;
}

bool CStaffControl::ChooseNeighbour(int direction) {
    const std::vector<int> order = LeftToRight();
    const auto at = std::find(order.begin(), order.end(), m_nCurrent);
    if (at == order.end()) {
        return false;
    }
    const auto position = at - order.begin() + direction;
    if (position < 0 || position >= static_cast<long>(order.size())) {
        return false;
    }
    m_nCurrent = order[static_cast<std::size_t>(position)];
    return true;
}

// The notes after the removed one close the gap; the keyboard goes on with the note to its
// right, or else the one to its left.
bool CStaffControl::RemoveCurrent() {
    if (m_nCurrent == -1) {
        return false;
    }
    const int removed = m_nCurrent;
    if (!ChooseNeighbour(1) && !ChooseNeighbour(-1)) {
        m_nCurrent = -1;
    }
    std::copy(m_ptNotes + removed + 1, m_ptNotes + m_nNoteCount, m_ptNotes + removed);
    std::copy(m_accidentals + removed + 1, m_accidentals + m_nNoteCount, m_accidentals + removed);
    m_accidentals[m_nNoteCount - 1] = Accidental::None;
    m_ptNotes[--m_nNoteCount] = CPoint(-1, -1);
    for (int* index : {&m_nSelected, &m_nCurrent}) {
        if (*index == removed) {
            *index = -1;
        } else if (*index > removed) {
            --*index;
        }
    }
    return true;
}
