// How canzet-replay names notes: `names letters|solfege|numbers`, and digits 1 to 7 (do = 1)
// as answers to Read beside the letters.
#pragma once

#include <vector>

#include "tools/replay/ReplayCommand.h"

std::vector<ReplayCommandDefinition> NameCommands();
// Lets `answer` take the digits too, each as the letter of its scale degree.
void AnswerByDigits(std::vector<ReplayCommandDefinition>& commands);
