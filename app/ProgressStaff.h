// The progress picture: the staff with every step as a fixed note in its own column, and
// under each note a meter filled from the bottom by the share of right answers (empty: none
// right, full: all right, no meter: never answered), so that shades, not hue, tell them
// apart. It paints itself in its own way; the staff control's painting stays as it is.
#pragma once

#include <array>

#include "staff/StaffControl.h"

class CProgressStaff : public CStaffControl {
  public:
    static constexpr int kSteps = 13;
    static constexpr int kUnanswered = -1;

    // Percent right for steps 1..13 (index 0 is step 1); kUnanswered: no answers.
    void SetShares(const std::array<int, kSteps>& percentRight);

  protected:
    void PreSubclassWindow() override;
    void OnPaint();
    void DrawMeter(CDC& dc, int x, int percentRight);

    DECLARE_MESSAGE_MAP()

    std::array<int, kSteps> m_nPercentRight{};
};
