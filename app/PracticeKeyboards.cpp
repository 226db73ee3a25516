#include "app/PracticeKeyboards.h"

#include <string>

#include "app/Announce.h"
#include "app/ControlBindings.h"
#include "app/PlayedKeys.h"
#include "practice/LastChoices.h"
#include "res/resource.h"

CPracticeKeyboards::~CPracticeKeyboards() {
    Close();
}

void CPracticeKeyboards::Exchange(CDataExchange* pDX) {
    BindControls(pDX, {{IDC_MIDI_KEYBOARDS, m_stcKeyboards}, {IDC_MIDI_ECHO, m_chkMidiEcho}});
}

void CPracticeKeyboards::Open(const std::filesystem::path& choicesFile) {
    PlayedKeys().Listen(*this);
    PlayedKeys().SetKeyboardsShown([this] { ShowKeyboards(); });
    ShowKeyboards();
    if (!PlayedKeys().EchoNamed()) {
        PlayedKeys().SetEcho(practice::LoadMidiEcho(choicesFile).value_or(PlayedKeys().Echo()));
    }
    m_chkMidiEcho.SetCheck(PlayedKeys().Echo() ? BST_CHECKED : BST_UNCHECKED);
}

void CPracticeKeyboards::EchoClicked(const std::filesystem::path& choicesFile) {
    const bool echo = m_chkMidiEcho.GetCheck() == BST_CHECKED;
    PlayedKeys().SetEcho(echo);
    if (!choicesFile.empty()) {
        practice::SaveMidiEcho(choicesFile, echo);
    }
}

void CPracticeKeyboards::Close() {
    PlayedKeys().StopListening(*this);
    PlayedKeys().SetKeyboardsShown({});
}

void CPracticeKeyboards::KeyChanged(const input::KeyEvent& event) {
    m_answers.Played(event);
}

void CPracticeKeyboards::ShowKeyboards() {
    Announce(m_stcKeyboards, PlayedKeys().KeyboardsText());
}
