// The progress picture: the staff with every step of a range as a note in its own column,
// and under each note a meter filled from the bottom by the share of right answers (empty:
// none right, full: all right, no meter: never answered), so that shades, not hue, tell them
// apart. It paints itself in its own way; the staff control's painting stays as it is.
#pragma once

#include <vector>

#include "staff/StaffControl.h"

class CProgressStaff : public CStaffControl {
  public:
    static constexpr int kUnanswered = -1;

    // Percent right for the steps from lowStep on, one entry each; kUnanswered: no answers.
    void SetShares(int lowStep, const std::vector<int>& percentRight);

  protected:
    void PreSubclassWindow() override;
    void OnPaint();
    void DrawMeter(CDC& dc, int x, int percentRight);

    DECLARE_MESSAGE_MAP()

    int m_nLowStep = 1;
    std::vector<int> m_nPercentRight;
};
