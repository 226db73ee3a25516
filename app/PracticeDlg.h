// The practice dialog: the learner chooses a drill, a clef, a range and a length, and
// answers one question after another on its staff, by mouse or keyboard. A round of the
// practice engine asks, judges and keeps; this dialog wires its choices, rounds, answers and
// feedback together.
#pragma once

#include <optional>

#include "app/PracticeAnswerChoices.h"
#include "app/PracticeAnswers.h"
#include "app/PracticeChoices.h"
#include "app/PracticeFeedback.h"
#include "app/PracticeKeyboards.h"
#include "app/PracticeKeys.h"
#include "app/PracticeMicrophone.h"
#include "app/PracticeNames.h"
#include "app/PracticeRounds.h"
#include "app/PracticeSetup.h"
#include "app/PracticeToday.h"
#include "platform/CDialog.h"
#include "practice/RoundObserver.h"
#include "staff/StaffControl.h"

class CPracticeDlg : public CDialog, private practice::RoundObserver {
  public:
    CPracticeDlg(CWnd* pParent, const PracticeSetup& setup);

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnCancel() override;
    // The letter and digit keys answer Read whatever the buttons show.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    void OnChoiceChanged();
    void OnGoalChanged();
    void OnHistoryLoaded();
    void OnName(char letter);
    void OnCheckOrNext();
    void OnStaffDragEnded();
    void OnPlayAgain();
    void OnProgress();
    void OnSharp();
    void OnFlat();
    void FitStaff(int ledgerLines);
    void OnMidiEcho();
    void OnAnswerChoiceChanged();
    void OnNamesChanged();

    DECLARE_MESSAGE_MAP()

  private:
    void ShowQuestion(const practice::Question& question) override;
    void PlayKey(int key) override;
    void ShowResult(const practice::AnswerResult& result) override;
    void ShowSummary(const practice::RoundSummary& summary) override;
    void ProgressNotSaved(const practice::SaveFailure& failure) override;
    void ShowNames();

    CStaffControl m_staff;
    CPracticeChoices m_choices;
    CPracticeNames m_names;
    std::optional<staff::NameSystem> m_namesGiven;
    CPracticeRounds m_rounds;
    CPracticeAnswers m_answers;
    CPracticeKeys m_keys;
    CPracticeKeyboards m_keyboards;
    CPracticeFeedback m_feedback;
    CPracticeAnswerChoices m_answerChoices;
    bool m_bListen;
    CPracticeMicrophone m_microphone;
    CPracticeToday m_today;
};
