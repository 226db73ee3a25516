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
    return Question{.drill = drill,
                    .clef = last->clef,
                    .step = last->asked,
                    .accidental = last->accidental,
                    .signature = last->signature};
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
      m_firstAnswer(history.Answers().size()),
      m_bSigns(settings.accidentals != AccidentalChoice::None || settings.key != 0) {
    if (m_settings.key == kRandomKey) {
        m_settings.key = m_chooser.DrawKey();
    }
}

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
        m_question = Question{
            .drill = key.drill, .clef = key.clef, .step = key.step, .signature = m_settings.key};
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

bool PracticeRound::AnswerLetter(char letter, int alter) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    if (m_state != RoundState::Asking || m_question.drill != Drill::Read || !IsNoteLetter(upper) ||
        alter < -1 || alter > 1) {
        return false;
    }
    Judge({.givenLetter = upper, .givenAlter = alter},
          upper == m_question.Letter() && alter == m_question.Pitch().alter);
    return true;
}

bool PracticeRound::ConfirmStep(int step, staff::Accidental accidental) {
    if (m_state != RoundState::Asking || m_question.drill == Drill::Read) {
        return false;
    }
    const AnswerRecord given{
        .drill = m_question.drill, .givenStep = step, .givenAccidental = accidental};
    const staff::SpelledPitch pitch = GivenPitchOf(m_question, given);
    const bool right = step != m_settings.NoStep() &&
                       (m_question.drill == Drill::Place ? pitch == m_question.Pitch()
                                                         : staff::KeyOf(pitch) == m_question.Key());
    Judge(given, right);
    return true;
}

bool PracticeRound::AnswerKey(int key, std::int64_t startedMs) {
    if (m_state != RoundState::Asking || key < 0 || key > kHighestKey) {
        return false;
    }
    const bool right = key == m_question.Key();
    AnswerRecord given{.givenKey = key};
    if (m_question.drill == Drill::Read) {
        // A key has no spelling: a right one is kept as asked, another as the key reads
        // under the signature (with no signs about, a black key as the letter below).
        const staff::SpelledPitch pitch =
            right ? m_question.Pitch() : staff::WriteKey(key, m_question.signature).pitch;
        given.givenLetter =
            m_bSigns ? "CDEFGAB"[staff::LetterOf(pitch.letterStep)] : KeyLetter(key);
        given.givenAlter = m_bSigns ? pitch.alter : 0;
    } else if (!m_bSigns) {
        given.givenStep = StepOfKey(key, m_question.clef, m_settings.ledgerLines);
    } else {
        // Where the staff shows it (CStaffControl::PlaceKey), with its sign.
        const staff::WrittenKey written = staff::WriteKey(key, m_question.signature);
        const int step = 7 - (MiddleLineOf(m_question.clef) - written.pitch.letterStep);
        const staff::StaffGeometry geometry(m_settings.ledgerLines);
        const bool shown = step >= geometry.LowestStep() && step <= geometry.HighestStep();
        given.givenStep = shown ? step : m_settings.NoStep();
        given.givenAccidental = shown ? written.accidental : staff::Accidental::None;
    }
    Judge(given, right, startedMs);
    return true;
}

bool PracticeRound::PlayAgain() {
    if (m_state != RoundState::Asking || m_question.drill != Drill::Hear) {
        return false;
    }
    m_observer.PlayKey(m_question.Key());
    return true;
}

void PracticeRound::Judge(AnswerRecord answer, bool right, std::optional<std::int64_t> givenAtMs) {
    const std::int64_t elapsed = givenAtMs.value_or(m_clock.MonotonicMs()) - m_shownMs;
    answer.utcMs = m_clock.UtcMs();
    answer.drill = m_question.drill;
    answer.clef = m_question.clef;
    answer.asked = m_question.step;
    answer.right = right;
    answer.ms =
        static_cast<int>(std::clamp<std::int64_t>(elapsed, 0, std::numeric_limits<int>::max()));
    answer.accidental = m_question.accidental;
    answer.signature = m_question.signature;
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
