#include "app/ProgressStaff.h"

#include "platform/CDC.h"
#include "staff/StaffGeometry.h"

namespace {
// The meter: a frame under the lowest ledger line's note, inside the picture.
constexpr int kMeterHalfWidth = 9;
constexpr int kMeterTop = 138;
constexpr int kMeterBottom = 156;  // outside the frame
constexpr int kFullPercent = 100;
}  // namespace

BEGIN_MESSAGE_MAP(CProgressStaff, CStaffControl)
ON_WM_PAINT()
END_MESSAGE_MAP()

void CProgressStaff::SetShares(const std::array<int, kSteps>& percentRight) {
    m_nPercentRight = percentRight;
    for (int column = 0; column < kSteps; ++column) {
        SetFixedNote(column, column + 1, kSteps);
    }
}

// A picture, not a place to edit: it holds no note of the user's and is not in the tab
// order.
void CProgressStaff::PreSubclassWindow() {
    CStaffControl::PreSubclassWindow();
    SetMaxNotes(0);
    ModifyStyle(WS_TABSTOP, 0);
}

void CProgressStaff::OnPaint() {
    CPaintDC dc(this);
    if (m_bmpStaff.IsEmpty()) {
        dc.PatBlt(0, 0, staff::kStaffWidth, staff::kStaffHeight, WHITENESS);
    } else {
        CDC memory;
        memory.CreateCompatibleDC(&dc);
        memory.SelectObject(&m_bmpStaff);
        dc.BitBlt(0, 0, staff::kStaffWidth, staff::kStaffHeight, &memory, 0, 0, SRCCOPY);
    }
    for (int column = 0; column < kSteps; ++column) {
        DrawMeter(dc, ColumnToX(column), m_nPercentRight[static_cast<std::size_t>(column)]);
        if (m_nFixedSteps[column] != -1) {
            DrawFixedNote(column, m_nFixedSteps[column]);
        }
    }
}

void CProgressStaff::DrawMeter(CDC& dc, int x, int percentRight) {
    if (percentRight == kUnanswered) {
        return;
    }
    const int left = x - kMeterHalfWidth;
    const int right = x + kMeterHalfWidth;
    dc.MoveTo(left, kMeterTop);
    dc.LineTo(right, kMeterTop);
    dc.LineTo(right, kMeterBottom - 1);
    dc.LineTo(left, kMeterBottom - 1);
    dc.LineTo(left, kMeterTop);
    const int inside = kMeterBottom - 1 - (kMeterTop + 1);
    const int filled = inside * percentRight / kFullPercent;
    dc.PatBlt(left + 1, kMeterBottom - 1 - filled, right - left - 1, filled, BLACKNESS);
}
