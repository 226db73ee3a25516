// How the learner stands in one drill and clef: every step of the staff as a picture, and
// the same in words, weakest step first.
#pragma once

#include "app/ProgressStaff.h"
#include "platform/CDialog.h"
#include "platform/CStatic.h"
#include "practice/History.h"
#include "practice/Statistics.h"

class CProgressDlg : public CDialog {
  public:
    // Notes without a sign of their own under the key `signature` (0: C major).
    CProgressDlg(CWnd* pParent, const practice::History& history, practice::Drill drill,
                 practice::ClefChoice clef, int signature = 0);

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    DECLARE_MESSAGE_MAP()

    CProgressStaff m_picture;
    CStatic m_stcWords;
    std::vector<practice::StepStatistics> m_steps;
    practice::ClefChoice m_clef;
};
