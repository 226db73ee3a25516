// Keyboard editing of the notes while the staff has the focus. Every key works on the
// current note; what it changes is sounded, stored and repainted in the order a drag uses.
#include <algorithm>
#include <vector>

#include "platform/Backend.h"
#include "staff/StaffControl.h"
#include "staff/StaffGeometry.h"

using namespace staff;

namespace {

constexpr int kLowestStep = 1;
constexpr int kHighestStep = kPositionCount;
constexpr int kMiddleStep = (kLowestStep + kHighestStep) / 2;
constexpr int kOctave = 7;
// A note placed from the keyboard starts here, on the middle line.
constexpr int kPlacedX = (kClampLeft + kClampRight) / 2;
constexpr int kStepAcross = 8;

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
    m_strAccessible.clear();
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
            changed =
                hasCurrent && MoveCurrentToStep(nChar == VK_HOME ? kHighestStep : kLowestStep);
            break;
        case VK_LEFT:
        case VK_RIGHT: {
            const int direction = nChar == VK_RIGHT ? 1 : -1;
            // Choosing another note changes nothing that shows.
            if (ctrl) {
                ChooseNeighbour(direction);
            } else {
                changed = MoveCurrentAcross(direction * kStepAcross);
            }
            break;
        }
        case VK_SPACE:
            changed = PlaceNoteFromKeyboard();
            if (!changed && hasCurrent) {
                PlayNote(StepToKey(LineOffset(m_ptNotes[m_nCurrent].y)));
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
            CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
            return;
    }
    if (changed) {
        CWnd::InvalidateRect(nullptr, FALSE);
        UpdateAccessibleText();
    }
}

bool CStaffControl::PlaceNoteFromKeyboard() {
    if (m_nNoteCount >= m_nMaxNotes) {
        return false;
    }
    const CPoint placed = ClampPoint(CPoint(kPlacedX, StepToY(kMiddleStep)));
    PlayNote(StepToKey(LineOffset(placed.y)));
    m_nCurrent = m_nNoteCount;
    m_ptNotes[m_nNoteCount++] = placed;
    return true;
}

// A note between rows first goes to the row of its own step, so every move lands on a row.
bool CStaffControl::MoveCurrentToStep(int step) {
    CPoint& note = m_ptNotes[m_nCurrent];
    const int y = StepToY(std::clamp(step, kLowestStep, kHighestStep));
    if (y == note.y) {
        return false;
    }
    if (LineOffset(y) != LineOffset(note.y)) {
        PlayNote(StepToKey(LineOffset(y)));
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
