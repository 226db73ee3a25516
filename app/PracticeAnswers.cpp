#include "app/PracticeAnswers.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "app/ControlBindings.h"
#include "app/PracticeNameTexts.h"
#include "res/resource.h"

CPracticeAnswers::CPracticeAnswers(CPracticeRounds& rounds, CStaffControl& staff)
    : m_rounds(rounds), m_staff(staff) {}

void CPracticeAnswers::Exchange(CDataExchange* pDX) {
    for (int i = 0; i < kNameButtons; ++i) {
        DDX_Control(pDX, IDC_NAME_C + i, m_btnNames[static_cast<std::size_t>(i)]);
    }
    BindControls(
        pDX, {{IDC_PLAY_AGAIN, m_btnPlayAgain}, {IDC_SHARP, m_btnSharp}, {IDC_FLAT, m_btnFlat}});
}

void CPracticeAnswers::Offer(const practice::Question& question) {
    const bool read = question.drill == practice::Drill::Read;
    for (CButton& button : m_btnNames) {
        button.EnableWindow(read ? TRUE : FALSE);
    }
    m_btnPlayAgain.EnableWindow(question.drill == practice::Drill::Hear ? TRUE : FALSE);
    m_nSignature = question.signature;
    ShowSign(0);
    // The sign buttons answer Read only.
    m_btnSharp.EnableWindow(read ? TRUE : FALSE);
    m_btnFlat.EnableWindow(read ? TRUE : FALSE);
}

void CPracticeAnswers::TakeFocus() {
    const practice::PracticeRound* round = m_rounds.Round();
    if (round == nullptr) {
        return;
    }
    if (round->Current().drill == practice::Drill::Read) {
        m_btnNames.front().SetFocus();
    } else {
        m_staff.SetFocus();
    }
}

void CPracticeAnswers::SetNames(staff::NameSystem names) {
    m_names = names;
    ShowCaptions();
}

void CPracticeAnswers::Name(char letter) {
    if (m_names == staff::NameSystem::Letters) {
        Letter(letter);
    } else {
        Degree(static_cast<int>(std::string_view("CDEFGAB").find(letter)) + 1);
    }
}

void CPracticeAnswers::Letter(char letter) {
    Answer(letter, m_nAlter);
}

void CPracticeAnswers::Degree(int degree) {
    const int named = staff::LetterOfDegree(degree, staff::TonicOf(m_nSignature));
    Answer("CDEFGAB"[named],
           std::clamp(m_nAlter + staff::SignatureAlter(m_nSignature, named), -1, 1));
}

void CPracticeAnswers::Answer(char letter, int alter) {
    ShowSign(0);
    practice::PracticeRound* round = m_rounds.Round();
    if (round != nullptr && round->State() == practice::RoundState::Asking) {
        round->AnswerLetter(letter, alter);
    }
}

void CPracticeAnswers::ChooseSign(int alter) {
    ShowSign(m_nAlter == alter ? 0 : alter);
}

void CPracticeAnswers::ShowSign(int alter) {
    if (alter == m_nAlter) {
        return;
    }
    m_nAlter = alter;
    ShowCaptions();
}

void CPracticeAnswers::ShowCaptions() {
    for (std::size_t i = 0; i < m_btnNames.size(); ++i) {
        m_btnNames[i].SetWindowText(
            practice_texts::NameButtonCaption(static_cast<int>(i), m_nAlter, m_names).c_str());
    }
}

void CPracticeAnswers::CheckOrNext() {
    practice::PracticeRound* round = m_rounds.Round();
    if (round == nullptr) {
        return;
    }
    switch (round->State()) {
        case practice::RoundState::Asking:
            ConfirmStaffNote();
            break;
        case practice::RoundState::Answered:
            round->Next();
            break;
        case practice::RoundState::Finished:
            m_rounds.Start();
            break;
    }
}

void CPracticeAnswers::StaffDragEnded() {
    practice::PracticeRound* round = m_rounds.Round();
    if (round != nullptr && round->State() == practice::RoundState::Asking) {
        ConfirmStaffNote();
    }
}

// Place and Hear take the step of the learner's note; with none placed there is nothing
// to check yet.
void CPracticeAnswers::ConfirmStaffNote() {
    practice::PracticeRound& round = *m_rounds.Round();
    if (round.Current().drill == practice::Drill::Read) {
        return;
    }
    int steps[CStaffControl::kMaxNoteSlots] = {};
    int count = 0;
    m_staff.GetNotes(steps, count);
    if (count > 0) {
        round.ConfirmStep(steps[0], m_staff.AccidentalOf(0));
    }
}

void CPracticeAnswers::PlayAgain() {
    if (practice::PracticeRound* round = m_rounds.Round()) {
        round->PlayAgain();
    }
}

void CPracticeAnswers::Heard(const input::KeyEvent& event, practice::OctaveRule rule) {
    if (const practice::PracticeRound* round = m_rounds.Round()) {
        input::KeyEvent judged = event;
        judged.key = practice::JudgedKey(event.key, round->Current().Key(), rule);
        m_bHearing = true;
        Played(judged);
        m_bHearing = false;
    }
}

void CPracticeAnswers::Played(const input::KeyEvent& event) {
    practice::PracticeRound* round = m_rounds.Round();
    if (!event.down || round == nullptr || round->State() != practice::RoundState::Asking) {
        return;
    }
    if (round->Current().drill != practice::Drill::Read) {
        m_staff.PlaceKey(event.key);
    }
    round->AnswerKey(event.key, event.timeMs);
}
