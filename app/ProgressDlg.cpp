#include "app/ProgressDlg.h"

#include <algorithm>
#include <array>

#include "app/Announce.h"
#include "app/ChoiceList.h"
#include "app/ControlBindings.h"
#include "app/PracticeNameTexts.h"
#include "app/PracticeTexts.h"
#include "res/resource.h"

namespace {
constexpr int kPictureX = 10;
constexpr int kPictureY = 10;
constexpr int kChartX = 10;
constexpr int kChartY = 180;
constexpr std::array<int, 3> kChartDays = {30, 90, 365};

// Lowest share right first, then the slowest; steps never answered last, low to high.
bool Weaker(const practice::StepStatistics& a, const practice::StepStatistics& b) {
    if ((a.answers == 0) != (b.answers == 0)) {
        return b.answers == 0;
    }
    if (a.answers == 0) {
        return a.step < b.step;
    }
    if (a.PercentRight() != b.PercentRight()) {
        return a.PercentRight() < b.PercentRight();
    }
    if (a.medianMs != b.medianMs) {
        return a.medianMs > b.medianMs;
    }
    return a.step < b.step;
}
}  // namespace

CProgressDlg::CProgressDlg(CWnd* pParent, const practice::History& history,
                           const practice::RoundSettings& settings,
                           const practice::DailyTotals& totals, int today,
                           const practice::DailyGoal& goal, staff::NameSystem names)
    : CDialog(IDD_PROGRESS, pParent),
      m_steps(practice::StepStatisticsOf(history, settings.drill, settings.clef, settings.lowStep,
                                         settings.highStep,
                                         settings.key == practice::kRandomKey ? 0 : settings.key)),
      m_clef(settings.clef),
      m_nSignature(settings.key == practice::kRandomKey ? 0 : settings.key),
      m_names(names),
      m_nLedgerLines(settings.ledgerLines),
      m_totals(totals),
      m_nToday(today),
      m_goal(goal) {}

BEGIN_MESSAGE_MAP(CProgressDlg, CDialog)
ON_CBN_SELCHANGE(IDC_CHART_DAYS, OnDaysChanged)
END_MESSAGE_MAP()

void CProgressDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    BindControls(pDX, {{IDC_PROGRESS_STAFF, m_picture},
                       {IDC_PROGRESS_WORDS, m_stcWords},
                       {IDC_CHART, m_chart},
                       {IDC_CHART_DAYS, m_cboDays},
                       {IDC_CHART_WORDS, m_stcChartWords}});
}

// The chart of the chosen span, and the same in words for everyone.
void CProgressDlg::OnDaysChanged() {
    const int days = choice_list::Chosen(m_cboDays, kChartDays).value_or(kChartDays[0]);
    practice::ChartFigures figures = practice::ChartFiguresOf(m_totals, m_nToday, days, m_goal);
    const std::string words = practice_texts::ChartWords(figures);
    m_chart.SetAccessibleText(practice_texts::LoadText(IDS_CHART_NAME).c_str(), words.c_str());
    m_chart.SetFigures(std::move(figures));
    const std::string shown = words + "\n\n" + practice_texts::LoadText(IDS_CHART_LEGEND);
    Announce(m_stcChartWords, shown);
}

BOOL CProgressDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    std::vector<int> shares;
    for (const practice::StepStatistics& step : m_steps) {
        shares.push_back(step.answers > 0 ? step.PercentRight() : CProgressStaff::kUnanswered);
    }
    std::vector<practice::StepStatistics> weakestFirst = m_steps;
    std::stable_sort(weakestFirst.begin(), weakestFirst.end(), Weaker);
    std::string words;
    for (const practice::StepStatistics& step : weakestFirst) {
        // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on "literal" + string
        // at the release build's -O3.
        if (!words.empty()) {
            words += '\n';
        }
        words += practice_texts::StepProgress(
            step, practice_texts::StepWords(step.step, m_clef, m_nSignature, m_names));
    }

    m_picture.SetLedgerLines(m_nLedgerLines);
    const int height = m_picture.Geometry().Height();
    m_picture.MoveWindow(kPictureX, kPictureY, staff::kStaffWidth, height, FALSE);
    // What lies under the picture (not the words beside it) moves down with its bottom.
    if (height > staff::kStaffHeight) {
        ShiftControls(kPictureY + staff::kStaffHeight / 2, height - staff::kStaffHeight);
        CRect client;
        GetClientRect(&client);
        SetClientSize(client.Width(), client.Height() + height - staff::kStaffHeight);
    }
    // Both clefs show on the treble staff.
    m_picture.SetClef(m_clef == practice::ClefChoice::Bass    ? staff::Clef::Bass
                      : m_clef == practice::ClefChoice::Alto  ? staff::Clef::Alto
                      : m_clef == practice::ClefChoice::Tenor ? staff::Clef::Tenor
                                                              : staff::Clef::Treble);
    m_picture.SetShares(m_steps.empty() ? 1 : m_steps.front().step, shares);
    // A screen reader reads the picture as the words beside it.
    m_picture.SetAccessibleText(practice_texts::LoadText(IDS_PROGRESS_NAME).c_str(), words.c_str());
    m_stcWords.SetWindowText(words.c_str());

    m_chart.MoveWindow(kChartX, kChartY + std::max(0, height - staff::kStaffHeight),
                       ChartLayout::kWidth, ChartLayout::kHeight, FALSE);
    for (const int days : kChartDays) {
        m_cboDays.AddString(practice_texts::ChartDays(days).c_str());
    }
    m_cboDays.SetCurSel(0);
    OnDaysChanged();
    return TRUE;
}
