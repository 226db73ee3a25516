#include "app/ProgressStaff.h"

#include "platform/CDC.h"
#include "staff/StaffGeometry.h"

namespace {
// The meter: a frame under the lowest ledger line's note, inside the picture; as far below
// the lowest place on a taller staff.
constexpr int kMeterHalfWidth = 9;
constexpr int kMeterTop = 15;     // below the lowest place
constexpr int kMeterBottom = 33;  // outside the frame
constexpr int kFullPercent = 100;
}  // namespace

BEGIN_MESSAGE_MAP(CProgressStaff, CStaffControl)
ON_WM_PAINT()
END_MESSAGE_MAP()

void CProgressStaff::SetShares(int lowStep, const std::vector<int>& percentRight) {
    m_nLowStep = lowStep;
    m_nPercentRight = percentRight;
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
    const int height = m_geometry.Height();
    if (m_bmpStaff.IsEmpty()) {
        dc.PatBlt(0, 0, staff::kStaffWidth, height, WHITENESS);
    } else {
        CDC memory;
        memory.CreateCompatibleDC(&dc);
        memory.SelectObject(&m_bmpStaff);
        dc.BitBlt(0, 0, staff::kStaffWidth, height, &memory, 0, m_nPictureTop, SRCCOPY);
    }
    // More steps than the staff has fixed columns: the columns are this picture's own.
    const int columns = static_cast<int>(m_nPercentRight.size());
    for (int column = 0; column < columns; ++column) {
        const int x = staff::ColumnToX(column, columns);
        DrawMeter(dc, x, m_nPercentRight[static_cast<std::size_t>(column)]);
        DrawNote(x, StepToY(m_nLowStep + column));
    }
}

void CProgressStaff::DrawMeter(CDC& dc, int x, int percentRight) {
    if (percentRight == kUnanswered) {
        return;
    }
    const int left = x - kMeterHalfWidth;
    const int right = x + kMeterHalfWidth;
    const int top = m_geometry.ClampBottom() + kMeterTop;
    const int bottom = m_geometry.ClampBottom() + kMeterBottom;
    dc.MoveTo(left, top);
    dc.LineTo(right, top);
    dc.LineTo(right, bottom - 1);
    dc.LineTo(left, bottom - 1);
    dc.LineTo(left, top);
    const int inside = bottom - 1 - (top + 1);
    const int filled = inside * percentRight / kFullPercent;
    dc.PatBlt(left + 1, bottom - 1 - filled, right - left - 1, filled, BLACKNESS);
}
