// The microphone while the practice dialog is answered with it: each note it accepts
// answers the question as a key played does, judged by the octave rule; the pitch being
// heard follows the voice on the staff, and a line at the dialog's bottom shows the level
// and what is wrong with the microphone. A microphone that is missing, refused or taken
// away is told once in a canzet: line and in that line; the round goes on with the other
// answers. Heard notes are not sounded back, which the microphone would hear.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "input/microphone/MicrophoneListener.h"
#include "platform/CDialog.h"
#include "platform/CStatic.h"
#include "practice/AnswerChoices.h"
#include "practice/OwnSound.h"

class CPracticeAnswers;
class CStaffControl;

class CPracticeMicrophone {
  public:
    CPracticeMicrophone(CPracticeAnswers& answers, CStaffControl& staff);
    ~CPracticeMicrophone();

    void Exchange(CDataExchange* pDX);
    // Listens with these choices (again, when they changed what is heard), or closes the
    // microphone when they do not choose it.
    void Choose(const practice::AnswerChoices& choices);
    void Close();
    // The program sounds a note now: what is heard begin with it is not an answer.
    void Sounded();

  private:
    void Heard(const input::KeyEvent& event);
    void Level(const input::HeardLevel& level);
    void Tell(const input::CaptureStatus& status);
    // Sets the line; screen readers hear `told`, which the meter beside it leaves alone.
    void ShowLine(const std::string& told, const std::string& meter);

    CPracticeAnswers& m_answers;
    CStaffControl& m_staff;
    CStatic m_stcLine;
    std::optional<practice::AnswerChoices> m_listening;  // the choices heard with
    std::string m_told;
    practice::OwnSound m_ownSound;
    std::unique_ptr<input::MicrophoneListener> m_listener;
};
