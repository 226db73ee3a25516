// The choice of the next question, weighted toward the steps this learner gets wrong or
// answers slowly.
//
// The rule: every drill, clef and step has a weight and an age (answers since it was last
// asked). Steps never asked come first, in an order drawn from the seed. After that the
// step whose weight × (age + jitter) is largest comes next, the jitter a draw from the
// seed below a third of the candidates, so that the order is not a fixed cycle to learn.
// The weight is 1, plus 1 for each point of the step's Leitner-like debt (a wrong answer
// sets it to 10, a right one takes one off), plus a half while its average response time
// is half again as long as the others'. Equal weights give each step its turn once a
// cycle; a step just missed comes back every other question, and its spacing widens with
// each right answer until, ten right answers on, it is one step among the others again.
// The question just asked is never chosen again at once while there is another. With signs
// on the notes each step is asked plain and with each sign that changes what it sounds
// (short of E#, B#, Cb and Fb of the note's own), every written note weighed on its own.
#pragma once

#include <cstdint>
#include <optional>

#include "practice/History.h"
#include "practice/Question.h"
#include "practice/RoundSettings.h"

namespace practice {

class QuestionChooser {
  public:
    explicit QuestionChooser(std::uint64_t seed);

    // The next question of a round of `settings` (its number left 0): the same for the same
    // seed, history and earlier calls. `previous` is the question just asked, if any.
    // Under `settings.key`, which is a signature here, never kRandomKey.
    Question Next(const RoundSettings& settings, const History& history,
                  const std::optional<Question>& previous);
    // A key signature for a round of a new key each: -7..7.
    int DrawKey();

  private:
    std::uint64_t Draw();

    std::uint64_t m_state;
};

}  // namespace practice
