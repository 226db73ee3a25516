// The keys that answer Read in every naming system: the letter keys C to B answer a letter,
// as the letters' buttons do, and the digit keys 1 to 7 a degree of the key (do = 1), as
// the solfège and numbers' buttons do, whatever the buttons show.
#pragma once

#include "app/PracticeAnswers.h"
#include "app/PracticeRounds.h"
#include "platform/WinTypes.h"

class CPracticeKeys {
  public:
    CPracticeKeys(CPracticeRounds& rounds, CPracticeAnswers& answers);

    // A character typed in the dialog (WM_CHAR): true when it named a note while a Read
    // question shows, which then takes it as its answer.
    bool Typed(const MSG& message);

  private:
    CPracticeRounds& m_rounds;
    CPracticeAnswers& m_answers;
};
