#include "tools/replay/ReplayPractice.h"

#include <iostream>

#include "practice/PracticeDays.h"
#include "practice/Statistics.h"
#include "staff/NoteWords.h"

using namespace practice;

ReplayPractice::ReplayPractice(CStaffControl& staff, std::ostream& out)
    : m_staff(staff), m_out(out), m_clock(SystemClock().UtcMs()) {}

ReplayPractice::~ReplayPractice() = default;

void ReplayPractice::UseHistoryFile(const std::string& file) {
    m_round.reset();
    m_history = History();
    m_file = std::make_unique<ProgressFile>(file);
    for (const std::string& line : LoadMessages(m_file->Load(m_history, m_clock.UtcMs()))) {
        std::cerr << "canzet-replay: " << line << '\n';
    }
}

void ReplayPractice::SetSignChoices(AccidentalChoice accidentals, int key) {
    m_accidentals = accidentals;
    m_key = key;
}

void ReplayPractice::StartRound(RoundSettings settings) {
    settings.accidentals = m_accidentals;
    settings.key = m_key;
    m_settings = settings;
    // A round beyond the first ledger lines gets a staff with room for it, and keeps it.
    if (settings.ledgerLines > m_staff.Geometry().LedgerLines()) {
        m_staff.SetLedgerLines(settings.ledgerLines);
        m_staff.MoveWindow(0, 0, staff::kStaffWidth, m_staff.Geometry().Height(), FALSE);
    }
    m_round.reset();
    m_round = std::make_unique<PracticeRound>(settings, m_history, m_clock, m_file.get(), *this);
    if (m_bReviewFirst) {
        PracticeDays days = PracticeDays::Of(m_history);
        std::vector<NoteKey> due;
        for (const DueNote& note : days.Schedule().DueOn(days.DayOf(m_clock.UtcMs()), settings)) {
            due.push_back(note.key);
        }
        m_round->AskFirst(std::move(due));
    }
    m_round->Start();
}

bool ReplayPractice::PrintStats() {
    if (!m_settings) {
        return false;
    }
    // Under the key of the last round.
    const int key = m_round ? m_round->Settings().key : 0;
    for (const StepStatistics& s :
         StepStatisticsOf(m_history, m_settings->drill, m_settings->clef, m_settings->lowStep,
                          m_settings->highStep, key)) {
        m_out << "stats " << s.step << ' ' << s.answers << ' ' << s.right << ' ' << s.medianMs
              << '\n'
              << std::flush;
    }
    return true;
}

bool ReplayPractice::ConfirmStaffNote() {
    if (!m_round || m_round->State() != RoundState::Asking ||
        m_round->Current().drill == Drill::Read) {
        return false;
    }
    int steps[CStaffControl::kMaxNoteSlots] = {};
    int count = 0;
    m_staff.GetNotes(steps, count);
    // One note at most: it is in the first slot.
    return m_round->ConfirmStep(count > 0 ? steps[0] : m_settings->NoStep(),
                                m_staff.AccidentalOf(0));
}

// As the practice window sets its staff up: a fixed note to read, or an empty staff that
// takes one note.
void ReplayPractice::ShowQuestion(const Question& question) {
    m_staff.SetClef(StaffClefOf(question.clef));
    m_staff.ClearNotes();
    const bool read = question.drill == Drill::Read;
    m_staff.SetFixedNote(0, read ? question.step : -1, 1);
    m_staff.SetMaxNotes(read ? 0 : 1);
    if (m_staff.KeySignature() != question.signature) {
        m_staff.SetKeySignature(question.signature);
    }
    m_staff.SetFixedAccidental(0, read ? question.accidental : staff::Accidental::None);
    m_staff.SetAccidentalKeys(Signed() && !read);
    m_out << "question " << question.number << ' ' << NameOf(question.drill) << ' '
          << NameOf(question.clef) << ' ' << question.step;
    if (Signed()) {
        m_out << ' ' << question.PitchName();
    }
    m_out << '\n' << std::flush;
    if (m_names && question.drill == Drill::Place) {
        const staff::NoteName name = staff::NameOfPitch(question.Pitch(), question.signature);
        m_out << "prompt " << staff::NoteWords(name, *m_names, question.PitchName()) << '\n'
              << std::flush;
    }
    m_staff.InvalidateRect(nullptr);
}

void ReplayPractice::PlayKey(int key) {
    m_staff.PlayNote(key);
}

void ReplayPractice::ShowResult(const AnswerResult& result) {
    const AnswerRecord& a = result.answer;
    m_out << "result " << (a.right ? "right " : "wrong ");
    if (Signed()) {
        const bool noNote = a.drill != Drill::Read && a.givenStep == m_settings->NoStep();
        const bool naturalShown =
            a.drill != Drill::Read && a.givenAccidental == staff::Accidental::Natural;
        m_out << result.question.PitchName() << ' '
              << (noNote ? std::to_string(a.givenStep)
                         : staff::NameOf(GivenPitchOf(result.question, a), naturalShown,
                                         staff::ReplayWords()))
              << ' ' << a.ms;
    } else {
        m_out << a.asked << ' ';
        if (a.drill == Drill::Read) {
            m_out << a.givenLetter;
        } else {
            m_out << a.givenStep;
        }
        m_out << ' ' << a.ms;
    }
    if (a.givenKey >= 0) {
        m_out << " key " << a.givenKey;
    }
    m_out << '\n' << std::flush;
}

void ReplayPractice::ShowSummary(const RoundSummary& summary) {
    m_out << "summary " << summary.right << ' ' << summary.total << ' ' << summary.medianMs << '\n'
          << std::flush;
}

void ReplayPractice::ProgressNotSaved(const SaveFailure& failure) {
    m_out.flush();
    std::cerr << "canzet-replay: answers are not saved to " << failure.file.string() << ": "
              << failure.detail << '\n';
}
