// The practice dialog: the learner chooses a drill, a clef, a range and a length, and
// answers one question after another on its staff, by mouse or keyboard. A round of the
// practice engine asks, judges and keeps; this dialog shows, sounds and takes the answers.
#pragma once

#include <array>
#include <memory>
#include <optional>

#include "app/PracticeSetup.h"
#include "platform/CButton.h"
#include "platform/CComboBox.h"
#include "platform/CDialog.h"
#include "platform/CStatic.h"
#include "practice/History.h"
#include "practice/PracticeClock.h"
#include "practice/PracticeRound.h"
#include "practice/ProgressFile.h"
#include "practice/RoundObserver.h"
#include "staff/StaffControl.h"

class CPracticeDlg : public CDialog, private practice::RoundObserver {
  public:
    CPracticeDlg(CWnd* pParent, const PracticeSetup& setup);
    ~CPracticeDlg() override;

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnCancel() override;

    void OnChoiceChanged();
    void OnName(char letter);
    void OnCheckOrNext();
    void OnStaffDragEnded();
    void OnPlayAgain();
    void OnProgress();

    DECLARE_MESSAGE_MAP()

  private:
    void ShowQuestion(const practice::Question& question) override;
    void PlayKey(int key) override;
    void ShowResult(const practice::AnswerResult& result) override;
    void ShowSummary(const practice::RoundSummary& summary) override;
    void ProgressNotSaved(const practice::SaveFailure& failure) override;

    void FillChoices();
    void FillRange();
    void ShowChoices();
    practice::RoundSettings ReadChoices() const;
    void StartRound();
    bool StopRound();
    void ConfirmStaffNote();
    void ShowScore();
    // Sets a line's text and tells assistive technologies of the change.
    void Announce(CWnd& line, const std::string& text);
    void SetCheckCaption(UINT id);
    void ClearFixedNotes();

    CComboBox m_cboDrill;
    CComboBox m_cboClef;
    CComboBox m_cboLowest;
    CComboBox m_cboHighest;
    CComboBox m_cboLength;
    CStatic m_stcPrompt;
    CStaffControl m_staff;
    static constexpr int kNameButtons = 7;  // C D E F G A B
    std::array<CButton, kNameButtons> m_btnNames;
    CButton m_btnPlayAgain;
    CButton m_btnCheck;
    CStatic m_stcResult;
    CStatic m_stcScore;

    PracticeSetup m_setup;
    std::filesystem::path m_progressPath;
    practice::SystemClock m_systemClock;
    practice::PracticeClock& m_clock;
    practice::History m_history;
    std::optional<practice::ProgressFile> m_progressFile;
    practice::RoundSettings m_settings;
    std::unique_ptr<practice::PracticeRound> m_round;
    std::uint64_t m_nRounds = 0;
    // The focus follows the round only when the learner moves it on, not at the start.
    bool m_bFollowFocus = false;
    bool m_bToldNotSaved = false;
};
