// The practice dialog's feedback: the question on the staff and in words, the judged answer
// (the right note beside a wrong one), the score, the round's summary, and the one message
// when progress cannot be saved. Every line it changes is told to assistive technologies.
#pragma once

#include <string>

#include "app/NumberedNote.h"
#include "app/PracticeRounds.h"
#include "platform/CButton.h"
#include "platform/CDialog.h"
#include "platform/CStatic.h"
#include "staff/StaffControl.h"

class CPracticeFeedback {
  public:
    CPracticeFeedback(const CPracticeRounds& rounds, CStaffControl& staff);

    void Exchange(CDataExchange* pDX);
    // The prompt and the result line larger than the dialog's text, to be read at a glance.
    void SetUpLines();
    // The focus follows the round only when the learner moves it on, not at the start.
    void FollowFocus(bool follow) { m_bFollowFocus = follow; }

    // The names the prompt, the result and the question's note are told in; letters until
    // set. The question shown is told again in them.
    void SetNames(staff::NameSystem names);
    void ShowQuestion(const practice::Question& question);
    void ShowResult(const practice::AnswerResult& result, bool sung = false);
    void ShowSummary(const practice::RoundSummary& summary);
    void ProgressNotSaved(const practice::SaveFailure& failure);
    void SetCheckCaption(UINT id);

  private:
    void ShowScore();
    void ShowPrompt(const practice::Question& question);
    void ClearFixedNotes();
    void ShowOnStaff(const practice::AnswerResult& result);

    const CPracticeRounds& m_rounds;
    CStaffControl& m_staff;
    CStatic m_stcPrompt;
    CNumberedNote m_numberedNote;
    CButton m_btnCheck;
    CStatic m_stcResult;
    CStatic m_stcScore;
    bool m_bFollowFocus = false;
    bool m_bToldNotSaved = false;
    staff::NameSystem m_names = staff::NameSystem::Letters;
};
