#include "app/ProgressDlg.h"

#include <algorithm>

#include "app/PracticeTexts.h"
#include "res/resource.h"

namespace {
constexpr int kPictureX = 10;
constexpr int kPictureY = 10;

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

CProgressDlg::CProgressDlg(CWnd* pParent, const practice::History& history, practice::Drill drill,
                           practice::ClefChoice clef, int signature)
    : CDialog(IDD_PROGRESS, pParent),
      m_steps(practice::StepStatisticsOf(history, drill, clef, practice::kLowestStep,
                                         practice::kHighestStep, signature)),
      m_clef(clef) {}

BEGIN_MESSAGE_MAP(CProgressDlg, CDialog)
END_MESSAGE_MAP()

void CProgressDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PROGRESS_STAFF, m_picture);
    DDX_Control(pDX, IDC_PROGRESS_WORDS, m_stcWords);
}

BOOL CProgressDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    std::array<int, CProgressStaff::kSteps> shares{};
    shares.fill(CProgressStaff::kUnanswered);
    for (const practice::StepStatistics& step : m_steps) {
        if (step.answers > 0) {
            shares[static_cast<std::size_t>(step.step - practice::kLowestStep)] =
                step.PercentRight();
        }
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
        words += practice_texts::StepProgress(step, m_clef);
    }

    m_picture.MoveWindow(kPictureX, kPictureY, 600, 160, FALSE);
    m_picture.SetClef(m_clef != practice::ClefChoice::Bass);
    m_picture.SetShares(shares);
    // A screen reader reads the picture as the words beside it.
    m_picture.SetAccessibleText(practice_texts::LoadText(IDS_PROGRESS_NAME).c_str(), words.c_str());
    m_stcWords.SetWindowText(words.c_str());
    return TRUE;
}
