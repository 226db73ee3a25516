// The practice dialog's answers: a note's name by its button (a sharp or a flat by theirs
// first), a note placed on the staff by mouse or keys and checked, Next, and the Hear drill's
// "play again".
#pragma once

#include <array>

#include "app/PracticeRounds.h"
#include "input/KeyInput.h"
#include "platform/CButton.h"
#include "platform/CDialog.h"
#include "practice/OctaveRule.h"
#include "staff/StaffControl.h"

class CPracticeAnswers {
  public:
    CPracticeAnswers(CPracticeRounds& rounds, CStaffControl& staff);

    void Exchange(CDataExchange* pDX);
    // Offers the answer controls of the question's drill.
    void Offer(const practice::Question& question);
    // The focus where the question is answered: Read's name buttons, Place's and Hear's
    // staff.
    void TakeFocus();

    // The name buttons in this system; letters until set.
    void SetNames(staff::NameSystem names);
    // The letter of the button, with the sign chosen for it; in solfège and numbers the
    // button is the key's scale degree, sounding as the signature has it.
    void Name(char letter);
    // A letter as the letters' buttons answer it, a degree 1..7 as the solfège and numbers'
    // buttons do, whatever the buttons show.
    void Letter(char letter);
    void Degree(int degree);
    // +1 sharp, -1 flat: the sign for the next letter, shown on the name buttons (C♯ to
    // B♯); the same sign again takes it back.
    void ChooseSign(int alter);
    // Check in a question, Next after its answer, a new round after the summary.
    void CheckOrNext();
    void StaffDragEnded();
    void PlayAgain();
    // A key played on an instrument answers the question, whatever has the focus; Place and
    // Hear show it on the staff first, as if it had been placed there.
    // A note heard by the microphone, judged by `rule`, then as a key played.
    void Heard(const input::KeyEvent& event, practice::OctaveRule rule);
    // While a heard note is being judged: its result says what was sung.
    bool Hearing() const { return m_bHearing; }
    void Played(const input::KeyEvent& event);

  private:
    void Answer(char letter, int alter);
    void ConfirmStaffNote();
    void ShowSign(int alter);
    void ShowCaptions();

    CPracticeRounds& m_rounds;
    CStaffControl& m_staff;
    static constexpr int kNameButtons = 7;  // C D E F G A B
    std::array<CButton, kNameButtons> m_btnNames;
    CButton m_btnPlayAgain;
    CButton m_btnSharp;
    CButton m_btnFlat;
    int m_nAlter = 0;
    int m_nSignature = 0;  // the question's
    staff::NameSystem m_names = staff::NameSystem::Letters;
    bool m_bHearing = false;
};
