#include "ReferenceStaff.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

constexpr std::uint32_t kMouseMove = 0x0200;
constexpr std::uint32_t kButtonDown = 0x0201;
constexpr std::uint32_t kButtonUp = 0x0202;

// Keys from the top staff position (line offset -6) down to the bottom one (+6).
constexpr int kTreble[13] = {81, 79, 77, 76, 74, 72, 71, 69, 67, 65, 64, 62, 60};
constexpr int kBass[13] = {60, 59, 57, 55, 53, 52, 50, 48, 47, 45, 43, 41, 40};

// C++ division truncates toward zero, which is the rule the staff uses.
int LineOffsetOf(int y) {
    return (y - 81) / 7;
}

RefCall Invalidate() {
    return {RefCall::Kind::Invalidate, 0, 0, {}};
}

RefCall Default(std::uint32_t message, unsigned flags, RefPoint point) {
    return {RefCall::Kind::Default, message, flags, point};
}

}  // namespace

void ReferenceStaff::SetMaxNotes(int capacity) {
    // The record has five slots; a larger capacity means "as many as fit".
    m_capacity = std::min(capacity, kSlots);
}

void ReferenceStaff::SetFixedNote(int column, int columns) {
    if (column >= 0 && column < 16) {
        m_columns = columns;
    }
}

int ReferenceStaff::ColumnCentre(int column) const {
    const int half = 500 / m_columns / 2;
    return half * (2 * column + 1) + 80;
}

void ReferenceStaff::SetRange(int leftColumn, int rightColumn) {
    if (leftColumn != -1) {
        m_leftLimit = ColumnCentre(leftColumn);
    }
    if (rightColumn != -1) {
        m_rightLimit = ColumnCentre(rightColumn);
    }
}

std::vector<int> ReferenceStaff::GetNotes() {
    for (int i = 0; i + 1 < m_state.noteCount; ++i) {
        if (m_state.notes[i].x > m_state.notes[i + 1].x) {
            std::swap(m_state.notes[i], m_state.notes[i + 1]);
            // The dragged note stays the dragged note wherever the pass moves it.
            if (m_state.selected == i) {
                m_state.selected = i + 1;
            } else if (m_state.selected == i + 1) {
                m_state.selected = i;
            }
        }
    }
    std::vector<int> steps;
    for (int i = 0; i < m_state.noteCount; ++i) {
        steps.push_back(std::abs(LineOffsetOf(m_state.notes[i].y) - 7));
    }
    return steps;
}

RefPoint ReferenceStaff::Clamp(RefPoint point) const {
    point.x = std::clamp(point.x, 80, 568);
    point.y = std::clamp(point.y, 39, 123);
    if (m_leftLimit != -1) {
        point.x = std::max(point.x, m_leftLimit);
    }
    if (m_rightLimit != -1) {
        point.x = std::min(point.x, m_rightLimit);
    }
    return point;
}

int ReferenceStaff::HitSlot(RefPoint point) const {
    for (int i = 0; i < m_state.noteCount; ++i) {
        // Widened so that a centre pushed far out by a limit cannot overflow the box.
        const long long x = m_state.notes[i].x;
        const long long y = m_state.notes[i].y;
        if (point.x >= x - 12 && point.x < x + 12 && point.y >= y - 7 && point.y < y + 7) {
            return i;
        }
    }
    return -1;
}

std::vector<RefCall> ReferenceStaff::Press(unsigned flags, RefPoint point) {
    const RefPoint clamped = Clamp(point);
    const int hit = HitSlot(point);
    if (hit >= 0) {
        m_state.selected = hit;
    } else {
        if (m_state.noteCount >= m_capacity) {
            return {};
        }
        m_state.selected = m_state.noteCount++;
    }
    m_state.notes[m_state.selected] = clamped;
    return {Invalidate(), Default(kButtonDown, flags, point)};
}

std::vector<RefCall> ReferenceStaff::Move(unsigned flags, RefPoint point) {
    if (m_state.selected == -1) {
        return {};
    }
    if (point.x < 70 || point.x > 580 || point.y < 18 || point.y > 144) {
        m_state.selected = -1;
        return {Invalidate()};
    }
    std::vector<RefCall> calls;
    const RefPoint clamped = Clamp(point);
    RefPoint& note = m_state.notes[m_state.selected];
    const int offset = LineOffsetOf(clamped.y);
    if (offset != LineOffsetOf(note.y) && m_deviceOpen) {
        const int key = (m_treble ? kTreble : kBass)[offset + 6];
        calls.push_back(
            {RefCall::Kind::NoteOn, static_cast<std::uint32_t>(key) << 8 | 0x500090u, 0, {}});
    }
    note = clamped;
    calls.push_back(Invalidate());
    calls.push_back(Default(kMouseMove, flags, point));
    return calls;
}

std::vector<RefCall> ReferenceStaff::Release(unsigned flags, RefPoint point) {
    if (m_state.selected == -1) {
        return {};
    }
    RefPoint& note = m_state.notes[m_state.selected];
    note.y = LineOffsetOf(note.y) * 7 + 81;
    m_state.selected = -1;
    // The owner hears that the drag ended (STAFFN_DRAGENDED).
    constexpr std::uint32_t kDragEnded = 0x0101;
    return {
        Invalidate(), {RefCall::Kind::Notify, kDragEnded, 0, {}}, Default(kButtonUp, flags, point)};
}
