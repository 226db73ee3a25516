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
#include "app/PracticeMicrophone.h"
#include "app/PracticeNames.h"
#include "app/PracticeRounds.h"
#include "app/PracticeSetup.h"
#include "app/PracticeSigns.h"
#include "app/PracticeToday.h"
#include "input/KeyInput.h"
#include "platform/CButton.h"
#include "platform/CDialog.h"
#include "platform/CStatic.h"
#include "practice/RoundObserver.h"
#include "staff/StaffControl.h"

class CPracticeDlg : public CDialog, private practice::RoundObserver, private input::KeyListener {
  public:
    CPracticeDlg(CWnd* pParent, const PracticeSetup& setup);
    ~CPracticeDlg() override;

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnCancel() override;

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
    void KeyChanged(const input::KeyEvent& event) override;
    // The MIDI keyboards there are, or that there is none, as a screen reader reads it.
    void ShowKeyboards();
    void ShowNames();

    CStaffControl m_staff;
    CStatic m_stcKeyboards;
    CButton m_chkMidiEcho;
    CPracticeChoices m_choices;
    CPracticeSigns m_signs;
    CPracticeNames m_names;
    std::optional<staff::NameSystem> m_namesGiven;
    CPracticeRounds m_rounds;
    CPracticeAnswers m_answers;
    CPracticeFeedback m_feedback;
    CPracticeAnswerChoices m_answerChoices;
    practice::AnswerChoices m_answerWith;
    bool m_bListen;
    CPracticeMicrophone m_microphone;
    CPracticeToday m_today;
};
