#include "practice/PracticeRound.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace practice {
namespace {

std::optional<Question> LastQuestionOf(const History& history, Drill drill) {
    const auto& answers = history.Answers();
    const auto last = std::find_if(answers.rbegin(), answers.rend(),
                                   [drill](const AnswerRecord& a) { return a.drill == drill; });
    if (last == answers.rend()) {
        return std::nullopt;
    }
    return Question{.drill = drill, .clef = last->clef, .step = last->asked};
}

bool IsNoteLetter(char letter) {
    return letter >= 'A' && letter <= 'G';
}

}  // namespace

PracticeRound::PracticeRound(const RoundSettings& settings, History& history, PracticeClock& clock,
                             ProgressFile* progress, RoundObserver& observer)
    : m_settings(settings),
      m_history(history),
      m_clock(clock),
      m_progress(progress),
      m_observer(observer),
      m_chooser(settings.seed),
      m_previous(LastQuestionOf(history, settings.drill)),
      m_firstAnswer(history.Answers().size()) {}

void PracticeRound::AskFirst(std::vector<NoteKey> notes) {
    std::erase_if(notes, [this](const NoteKey& key) { return key.drill != m_settings.drill; });
    // The same question never twice in a row: the last one asked goes second.
    if (notes.size() > 1 && m_previous && m_previous->clef == notes[0].clef &&
        m_previous->step == notes[0].step) {
        std::swap(notes[0], notes[1]);
    }
    m_askFirst = std::move(notes);
    m_nAskedFirst = 0;
}

void PracticeRound::Start() {
    Ask();
}

void PracticeRound::Ask() {
    if (m_nAskedFirst < m_askFirst.size()) {
        const NoteKey& key = m_askFirst[m_nAskedFirst++];
        m_question = Question{.drill = key.drill, .clef = key.clef, .step = key.step};
    } else {
        m_question = m_chooser.Next(m_settings, m_history, m_previous);
    }
    m_question.number = Answered() + 1;
    m_previous = m_question;
    m_state = RoundState::Asking;
    m_observer.ShowQuestion(m_question);
    if (m_question.drill == Drill::Hear) {
        m_observer.PlayKey(m_question.Key());
    }
    m_shownMs = m_clock.MonotonicMs();
}

bool PracticeRound::AnswerLetter(char letter) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    if (m_state != RoundState::Asking || m_question.drill != Drill::Read || !IsNoteLetter(upper)) {
        return false;
    }
    Judge(upper, 0, upper == m_question.Letter());
    return true;
}

bool PracticeRound::ConfirmStep(int step) {
    if (m_state != RoundState::Asking || m_question.drill == Drill::Read) {
        return false;
    }
    Judge(0, step, step == m_question.step);
    return true;
}

bool PracticeRound::AnswerKey(int key, std::int64_t startedMs) {
    if (m_state != RoundState::Asking || key < 0 || key > kHighestKey) {
        return false;
    }
    const bool right = key == m_question.Key();
    if (m_question.drill == Drill::Read) {
        Judge(KeyLetter(key), 0, right, startedMs, key);
    } else {
        Judge(0, StepOfKey(key, m_question.clef, m_settings.ledgerLines), right, startedMs, key);
    }
    return true;
}

bool PracticeRound::PlayAgain() {
    if (m_state != RoundState::Asking || m_question.drill != Drill::Hear) {
        return false;
    }
    m_observer.PlayKey(m_question.Key());
    return true;
}

void PracticeRound::Judge(char givenLetter, int givenStep, bool right,
                          std::optional<std::int64_t> givenAtMs, int givenKey) {
    const std::int64_t elapsed = givenAtMs.value_or(m_clock.MonotonicMs()) - m_shownMs;
    const AnswerRecord answer{
        .utcMs = m_clock.UtcMs(),
        .drill = m_question.drill,
        .clef = m_question.clef,
        .asked = m_question.step,
        .givenLetter = givenLetter,
        .givenStep = givenStep,
        .givenKey = givenKey,
        .right = right,
        .ms =
            static_cast<int>(std::clamp<std::int64_t>(elapsed, 0, std::numeric_limits<int>::max())),
    };
    m_history.Add(answer);
    m_rightInARow = right ? m_rightInARow + 1 : 0;
    m_state = RoundState::Answered;
    // The learner hears the feedback first; the disk may take its time before Next.
    m_observer.ShowResult({m_question, answer});
    if (!right) {
        m_observer.PlayKey(m_question.Key());
    }
    if (m_progress != nullptr) {
        const std::optional<SaveFailure> failure = m_progress->Append(answer);
        if (failure && !m_toldNotSaved) {
            m_toldNotSaved = true;
            m_observer.ProgressNotSaved(*failure);
        }
    }
    if (m_settings.count != RoundSettings::kEndless && Answered() >= m_settings.count) {
        Stop();
    }
}

bool PracticeRound::Next() {
    if (m_state != RoundState::Answered) {
        return false;
    }
    Ask();
    return true;
}

void PracticeRound::Stop() {
    if (m_state == RoundState::Finished) {
        return;
    }
    m_state = RoundState::Finished;
    if (Answered() > 0) {
        m_observer.ShowSummary(Summary());
    }
}

int PracticeRound::Answered() const {
    return static_cast<int>(Answers().size());
}

int PracticeRound::Right() const {
    const auto answers = Answers();
    return static_cast<int>(std::count_if(answers.begin(), answers.end(),
                                          [](const AnswerRecord& a) { return a.right; }));
}

RoundSummary PracticeRound::Summary() const {
    return SummaryOf(m_history.Answers(), m_firstAnswer);
}

std::span<const AnswerRecord> PracticeRound::Answers() const {
    return std::span<const AnswerRecord>(m_history.Answers()).subspan(m_firstAnswer);
}

}  // namespace practice
