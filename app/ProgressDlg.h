// How the learner stands in one drill and clef: every step of the range asked as a picture,
// on a staff of the round's ledger lines, and the same in words, weakest step first; and over
// the last 30, 90 or 365 days, a chart with the same facts in words.
#pragma once

#include "app/ProgressChart.h"
#include "app/ProgressStaff.h"
#include "platform/CComboBox.h"
#include "platform/CDialog.h"
#include "platform/CStatic.h"
#include "practice/DailyGoal.h"
#include "practice/History.h"
#include "practice/RoundSettings.h"
#include "practice/Statistics.h"
#include "staff/NoteNames.h"

class CProgressDlg : public CDialog {
  public:
    // The statistics of the notes without a sign of their own under the settings' key;
    // `totals` and `goal` outlive the dialog; `today` is the learner's day; the notes are
    // named in `names`.
    CProgressDlg(CWnd* pParent, const practice::History& history,
                 const practice::RoundSettings& settings, const practice::DailyTotals& totals,
                 int today, const practice::DailyGoal& goal, staff::NameSystem names);

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnDaysChanged();

    DECLARE_MESSAGE_MAP()

    CProgressStaff m_picture;
    CStatic m_stcWords;
    std::vector<practice::StepStatistics> m_steps;
    practice::ClefChoice m_clef;
    int m_nSignature;
    staff::NameSystem m_names;
    int m_nLedgerLines;
    CProgressChart m_chart;
    CComboBox m_cboDays;
    CStatic m_stcChartWords;
    const practice::DailyTotals& m_totals;
    int m_nToday;
    practice::DailyGoal m_goal;
};
