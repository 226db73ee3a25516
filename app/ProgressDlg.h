// How the learner stands in one drill and clef: every step of the range asked as a picture,
// on a staff of the round's ledger lines, and the same in words, weakest step first.
#pragma once

#include "app/ProgressStaff.h"
#include "platform/CDialog.h"
#include "platform/CStatic.h"
#include "practice/History.h"
#include "practice/RoundSettings.h"
#include "practice/Statistics.h"

class CProgressDlg : public CDialog {
  public:
    // The statistics of the notes without a sign of their own under the settings' key.
    CProgressDlg(CWnd* pParent, const practice::History& history,
                 const practice::RoundSettings& settings);

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    DECLARE_MESSAGE_MAP()

    CProgressStaff m_picture;
    CStatic m_stcWords;
    std::vector<practice::StepStatistics> m_steps;
    practice::ClefChoice m_clef;
    int m_nLedgerLines;
};
