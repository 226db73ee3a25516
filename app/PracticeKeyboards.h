// The practice dialog's MIDI keyboards: which there are, whether the program echoes what
// they play, and their keys handed to the answers while the dialog is open.
#pragma once

#include <filesystem>

#include "app/PracticeAnswers.h"
#include "input/KeyInput.h"
#include "platform/CButton.h"
#include "platform/CStatic.h"

class CPracticeKeyboards : private input::KeyListener {
  public:
    explicit CPracticeKeyboards(CPracticeAnswers& answers) : m_answers(answers) {}
    ~CPracticeKeyboards() override;
    CPracticeKeyboards(const CPracticeKeyboards&) = delete;
    CPracticeKeyboards& operator=(const CPracticeKeyboards&) = delete;

    void Exchange(CDataExchange* pDX);
    void Open(const std::filesystem::path& choicesFile);
    void EchoClicked(const std::filesystem::path& choicesFile);
    void Close();

  private:
    void KeyChanged(const input::KeyEvent& event) override;
    // The MIDI keyboards there are, or that there is none, as a screen reader reads it.
    void ShowKeyboards();

    CPracticeAnswers& m_answers;
    CStatic m_stcKeyboards;
    CButton m_chkMidiEcho;
};
