// The practice dialog's choices: the drill, the clef, the range, the length, the ledger
// lines, the signs on the notes and the key a round is asked with, as the learner sets them
// in the dialog's lists.
#pragma once

#include "platform/CComboBox.h"
#include "platform/CDialog.h"
#include "practice/RoundSettings.h"

class CPracticeChoices {
  public:
    void Exchange(CDataExchange* pDX);
    void Fill();
    void Show(const practice::RoundSettings& settings);
    // The range offers every step of the chosen ledger lines, named as pitches of the
    // chosen clef.
    void FillRange(const practice::RoundSettings& settings);
    practice::RoundSettings Read(const practice::RoundSettings& current) const;

  private:
    CComboBox m_cboDrill;
    CComboBox m_cboClef;
    CComboBox m_cboLowest;
    CComboBox m_cboHighest;
    CComboBox m_cboLength;
    CComboBox m_cboLedgerLines;
    CComboBox m_cboAccidentals;
    CComboBox m_cboKey;
};
