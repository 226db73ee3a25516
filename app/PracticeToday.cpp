#include "app/PracticeToday.h"

#include <array>

#include "app/Announce.h"
#include "app/ChoiceList.h"
#include "app/ControlBindings.h"
#include "app/PracticeTexts.h"
#include "platform/CString.h"
#include "practice/GoalFile.h"
#include "res/resource.h"

namespace {

using Kind = practice::DailyGoal::Kind;
constexpr std::array<practice::DailyGoal, 6> kGoals = {{{Kind::Minutes, 5},
                                                        {Kind::Minutes, 10},
                                                        {Kind::Minutes, 20},
                                                        {Kind::Answers, 50},
                                                        {Kind::Answers, 100},
                                                        {Kind::Answers, 200}}};
constexpr int kReviewFirst = 0;  // the review list: today's review, or the round's rule alone

std::string Filled(UINT id, int a, int b = 0, int c = 0) {
    CString text;
    text.Format(practice_texts::LoadText(id).c_str(), a, b, c);
    return text.str();
}

}  // namespace

void CPracticeToday::Exchange(CDataExchange* pDX) {
    BindControls(pDX, {{IDC_GOAL, m_cboGoal},
                       {IDC_REVIEW, m_cboReview},
                       {IDC_TODAY, m_stcToday},
                       {IDC_DUE, m_stcDue}});
}

int CPracticeToday::Today() {
    return m_days.DayOf(m_clock.UtcMs());
}

void CPracticeToday::Open(const practice::History& history,
                          const std::filesystem::path& progressFile,
                          const practice::RoundSettings& settings) {
    if (!progressFile.empty()) {
        m_goalFile = practice::GoalFileBeside(progressFile);
        m_goal = practice::LoadDailyGoal(m_goalFile);
    }
    for (const practice::DailyGoal& goal : kGoals) {
        m_cboGoal.AddString(
            Filled(goal.kind == Kind::Minutes ? IDS_GOAL_MINUTES : IDS_GOAL_ANSWERS, goal.amount)
                .c_str());
    }
    m_cboGoal.SetCurSel(choice_list::IndexOf(kGoals, m_goal, 0));
    choice_list::AddTexts(m_cboReview, {IDS_REVIEW_TODAY, IDS_REVIEW_NONE});
    Reload(history, settings);
}

void CPracticeToday::Reload(const practice::History& history,
                            const practice::RoundSettings& settings) {
    m_days = practice::PracticeDays::Of(history);
    const bool due = !m_days.Schedule().DueOn(Today(), settings).empty();
    m_cboReview.SetCurSel(due ? kReviewFirst : 1);
    // A goal met before the dialog opened is not said again.
    if (m_goal.MetOn(m_days.Totals().On(Today()))) {
        m_nToldMetOn = Today();
    }
    Show(settings);
}

std::vector<practice::NoteKey> CPracticeToday::AskFirst(const practice::RoundSettings& settings) {
    std::vector<practice::NoteKey> notes;
    if (m_cboReview.GetCurSel() == kReviewFirst) {
        for (const practice::DueNote& note : m_days.Schedule().DueOn(Today(), settings)) {
            notes.push_back(note.key);
        }
    }
    return notes;
}

void CPracticeToday::Answered(const practice::AnswerRecord& answer,
                              const practice::RoundSettings& settings) {
    m_days.Add(answer);
    Show(settings);
}

void CPracticeToday::GoalChosen(const practice::RoundSettings& settings) {
    if (!choice_list::Take(m_cboGoal, kGoals, m_goal)) {
        return;
    }
    if (!m_goalFile.empty()) {
        practice::SaveDailyGoal(m_goalFile, m_goal);
    }
    Show(settings);
}

std::string CPracticeToday::TodayLine() {
    const int today = Today();
    const practice::DayTotals totals = m_days.Totals().On(today);
    const int streak = m_days.Totals().Streak(today, m_goal);
    std::string line = Filled(m_goal.kind == Kind::Minutes ? IDS_TODAY_MINUTES : IDS_TODAY_ANSWERS,
                              m_goal.DoneOn(totals), m_goal.amount, streak);
    if (m_goal.MetOn(totals) && m_nToldMetOn != today) {
        m_nToldMetOn = today;
        line += practice_texts::LoadText(IDS_GOAL_MET);
    }
    return line;
}

std::string CPracticeToday::DueLine(const practice::RoundSettings& settings) {
    const int today = Today();
    const std::size_t due = m_days.Schedule().DueOn(today, settings).size();
    if (due > 0) {
        return due == 1 ? practice_texts::LoadText(IDS_DUE_TODAY_ONE)
                        : Filled(IDS_DUE_TODAY, static_cast<int>(due));
    }
    const std::optional<int> next = m_days.Schedule().NextDueAfter(today, settings);
    if (!next) {
        return practice_texts::LoadText(IDS_DUE_NONE_YET);
    }
    return *next == today + 1 ? practice_texts::LoadText(IDS_DUE_TOMORROW)
                              : Filled(IDS_DUE_IN_DAYS, *next - today);
}

void CPracticeToday::Show(const practice::RoundSettings& settings) {
    const std::string today = TodayLine();
    if (today != m_today) {
        m_today = today;
        Announce(m_stcToday, today);
    }
    const std::string due = DueLine(settings);
    if (due != m_due) {
        m_due = due;
        Announce(m_stcDue, due);
    }
}
