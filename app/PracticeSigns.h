// The practice dialog's sharps and flats: the choice of signs on the notes and of the key,
// and the sharp and flat buttons, offered for Read (the answers give their sign to the
// next letter).
#pragma once

#include <array>

#include "platform/CButton.h"
#include "platform/CComboBox.h"
#include "platform/CDialog.h"
#include "practice/Question.h"
#include "practice/RoundSettings.h"

class CPracticeSigns {
  public:
    void Exchange(CDataExchange* pDX);
    void Fill();
    void Show(const practice::RoundSettings& settings);
    practice::RoundSettings Read(practice::RoundSettings settings) const;
    // The sign buttons answer Read only.
    void Offer(const practice::Question& question);

  private:
    CComboBox m_cboAccidentals;
    CComboBox m_cboKey;
    CButton m_btnSharp;
    CButton m_btnFlat;
};
