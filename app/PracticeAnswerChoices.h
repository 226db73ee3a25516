// The practice dialog's row of how a round is answered: with the staff and the buttons, or
// with the microphone, and then whether a voice or an instrument sings, whether any octave
// counts, how long a note is held and the A4 it is tuned to.
#pragma once

#include "platform/CButton.h"
#include "platform/CComboBox.h"
#include "platform/CDialog.h"
#include "practice/AnswerChoices.h"

class CPracticeAnswerChoices {
  public:
    void Exchange(CDataExchange* pDX);
    void Fill();
    // The microphone's own choices are offered while it answers.
    void Show(const practice::AnswerChoices& choices);
    // A change between voice and instrument takes that one's octave rule.
    practice::AnswerChoices Read(const practice::AnswerChoices& current);

  private:
    CComboBox m_cboAnswerWith;
    CComboBox m_cboSound;
    CButton m_chkAnyOctave;
    CComboBox m_cboHold;
    CComboBox m_cboA4;
};
