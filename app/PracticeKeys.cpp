#include "app/PracticeKeys.h"

#include <cctype>
#include <string_view>

CPracticeKeys::CPracticeKeys(CPracticeRounds& rounds, CPracticeAnswers& answers)
    : m_rounds(rounds), m_answers(answers) {}

bool CPracticeKeys::Typed(const MSG& message) {
    const practice::PracticeRound* round = m_rounds.Round();
    if (message.message != WM_CHAR || message.wParam > 0x7F || round == nullptr ||
        round->Current().drill != practice::Drill::Read) {
        return false;
    }
    const auto typed = static_cast<char>(std::toupper(static_cast<int>(message.wParam)));
    if (typed >= '1' && typed <= '7') {
        m_answers.Degree(typed - '0');
        return true;
    }
    if (std::string_view("CDEFGAB").find(typed) != std::string_view::npos) {
        m_answers.Letter(typed);
        return true;
    }
    return false;
}
