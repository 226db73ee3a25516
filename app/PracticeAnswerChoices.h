// The practice dialog's row of how a round is answered: with the staff and the buttons, or
// with the microphone, and then whether a voice or an instrument sings, whether any octave
// counts, how long a note is held and the A4 it is tuned to.
#pragma once

#include <filesystem>

#include "platform/CButton.h"
#include "platform/CComboBox.h"
#include "platform/CDialog.h"
#include "practice/AnswerChoices.h"

class CPracticeAnswerChoices {
  public:
    void Exchange(CDataExchange* pDX);
    // The choices remembered in `choicesFile`; `listen` answers with the microphone this
    // time, whatever was chosen last.
    void Open(const std::filesystem::path& choicesFile, bool listen);
    // The learner changed one: it is shown, remembered and returned.
    const practice::AnswerChoices& Chosen(const std::filesystem::path& choicesFile);
    const practice::AnswerChoices& Choices() const { return m_choices; }

  private:
    void Fill();
    // The microphone's own choices are offered while it answers.
    void Show(const practice::AnswerChoices& choices);
    // A change between voice and instrument takes that one's octave rule.
    practice::AnswerChoices Read(const practice::AnswerChoices& current);

    practice::AnswerChoices m_choices;
    CComboBox m_cboAnswerWith;
    CComboBox m_cboSound;
    CButton m_chkAnyOctave;
    CComboBox m_cboHold;
    CComboBox m_cboA4;
};
