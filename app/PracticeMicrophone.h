// The microphone while the practice dialog listens (--listen): each note it accepts
// answers the question as a key played does, judged by the octave rule, and a microphone
// that is missing, refused or taken away is told once in a canzet: line; the round goes on
// with the other answers. Heard notes are not sounded back, which the microphone would hear.
#pragma once

#include <memory>

#include "input/microphone/MicrophoneListener.h"
#include "practice/OctaveRule.h"

class CPracticeAnswers;

class CPracticeMicrophone {
  public:
    CPracticeMicrophone(CPracticeAnswers& answers, practice::OctaveRule rule);
    ~CPracticeMicrophone();

    void Start();

  private:
    void Heard(const input::KeyEvent& event);
    static void Tell(const input::CaptureStatus& status);

    CPracticeAnswers& m_answers;
    practice::OctaveRule m_rule;
    std::unique_ptr<input::MicrophoneListener> m_listener;
};
