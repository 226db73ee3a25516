// The practice dialog's answers: a note's name by its button, a note placed on the staff by
// mouse or keys and checked, Next, and the Hear drill's "play again".
#pragma once

#include <array>

#include "app/PracticeRounds.h"
#include "platform/CButton.h"
#include "platform/CDialog.h"
#include "staff/StaffControl.h"

class CPracticeAnswers {
  public:
    CPracticeAnswers(CPracticeRounds& rounds, CStaffControl& staff);

    void Exchange(CDataExchange* pDX);
    // Offers the answer controls of the question's drill.
    void Offer(const practice::Question& question);

    // The letter, with the sign chosen for it.
    void Name(char letter);
    // +1 sharp, -1 flat: the sign for the next letter, shown on the name buttons (C♯ to
    // B♯); the same sign again takes it back.
    void ChooseSign(int alter);
    // Check in a question, Next after its answer, a new round after the summary.
    void CheckOrNext();
    void StaffDragEnded();
    void PlayAgain();

  private:
    void ConfirmStaffNote();
    void ShowSign(int alter);

    CPracticeRounds& m_rounds;
    CStaffControl& m_staff;
    static constexpr int kNameButtons = 7;  // C D E F G A B
    std::array<CButton, kNameButtons> m_btnNames;
    CButton m_btnPlayAgain;
    int m_nAlter = 0;
};
