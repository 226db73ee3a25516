#include "app/PracticeFeedback.h"

#include <cstdlib>
#include <vector>

#include "app/Announce.h"
#include "app/ControlBindings.h"
#include "app/PracticeNameTexts.h"
#include "app/PracticeTexts.h"
#include "platform/CString.h"
#include "platform/CWinApp.h"
#include "res/resource.h"
#include "staff/NoteWords.h"
#include "staff/StaffGeometry.h"

namespace {
// Where a fixed note stands: column `index` of `of` across the note area.
struct Column {
    int index;
    int of;
};
// Read shows its note in the middle of three columns. After a wrong Place or Hear answer
// the right note stands in a column of five, on the side away from the learner's note.
constexpr Column kRead = {1, 3};
constexpr Column kBesideLeft = {1, 5};
constexpr Column kBesideRight = {3, 5};
constexpr int kNoteAreaMiddle = staff::kNoteAreaLeft + staff::kNoteAreaWidth / 2;
// After a wrong Read answer the question's note keeps its place, the middle of five
// columns, and the named note stands right of it.
constexpr Column kReadMiddle = {2, 5};
constexpr Column kReadNamed = {3, 5};
constexpr int kLinesPercent = 150;
// Marks that tell right from wrong without colour.
constexpr char kRightMark[] = "\u2713 ";
constexpr char kWrongMark[] = "\u2717 ";

// The step nearest the asked one that bears the named letter: where the learner's answer
// stands on this staff.
int StepOfLetter(char letter, int asked, practice::Clef clef, int ledgerLines) {
    const staff::StaffGeometry staff(ledgerLines);
    int best = asked;
    for (int step = staff.LowestStep(); step <= staff.HighestStep(); ++step) {
        if (practice::LetterOf(step, clef) == letter &&
            (best == asked || std::abs(step - asked) < std::abs(best - asked))) {
            best = step;
        }
    }
    return best;
}

// A note and its sign fixed in `column`; step -1 clears the column.
void Fix(CStaffControl& staff, Column column, int step, staff::Accidental sign,
         NoteShade shade = NoteShade::Plain) {
    staff.SetFixedNote(column.index, step, column.of, shade);
    staff.SetFixedAccidental(column.index, sign);
}

// The sign the named note needs on the staff, where the signature does not give it.
staff::Accidental NamedSign(const practice::AnswerResult& result) {
    const staff::SpelledPitch named = practice::GivenPitchOf(result.question, result.answer);
    if (named.alter ==
        staff::SignatureAlter(result.question.signature, staff::LetterOf(named.letterStep))) {
        return staff::Accidental::None;
    }
    return named.alter > 0   ? staff::Accidental::Sharp
           : named.alter < 0 ? staff::Accidental::Flat
                             : staff::Accidental::Natural;
}
}  // namespace

CPracticeFeedback::CPracticeFeedback(const CPracticeRounds& rounds, CStaffControl& staff)
    : m_rounds(rounds), m_staff(staff) {}

void CPracticeFeedback::Exchange(CDataExchange* pDX) {
    BindControls(pDX, {{IDC_PROMPT, m_stcPrompt},
                       {IDC_NUMBERED_NOTE, m_numberedNote},
                       {IDC_CHECK, m_btnCheck},
                       {IDC_RESULT, m_stcResult},
                       {IDC_SCORE, m_stcScore}});
}

void CPracticeFeedback::SetUpLines() {
    m_stcPrompt.SetFontScale(kLinesPercent);
    m_stcResult.SetFontScale(kLinesPercent);
}

void CPracticeFeedback::ClearFixedNotes() {
    for (int column = 0; column < CStaffControl::kFixedColumns; ++column) {
        Fix(m_staff, {column, 1}, -1, staff::Accidental::None);
    }
}

void CPracticeFeedback::ShowQuestion(const practice::Question& question) {
    const bool read = question.drill == practice::Drill::Read;
    ClearFixedNotes();
    m_staff.ClearNotes();
    m_staff.SetNotesShade(NoteShade::Plain);
    m_staff.SetClef(practice::StaffClefOf(question.clef));
    m_staff.SetMaxNotes(read ? 0 : 1);
    // Signs: the round's key, the note's own sign, and keys for the learner's signs.
    const practice::RoundSettings& settings = m_rounds.Settings();
    const bool signs = settings.accidentals == practice::AccidentalChoice::All || settings.key != 0;
    if (m_staff.KeySignature() != question.signature) {
        m_staff.SetKeySignature(question.signature);
    }
    m_staff.SetAccidentalKeys(signs && !read);
    if (read) {
        Fix(m_staff, kRead, question.step, question.accidental);
        // The question's note, read as a placed note is.
        const std::string letters = signs ? question.PitchName(PitchWords()) : question.PitchName();
        const std::string name = staff::NoteWordsWithLetters(
            staff::NameOfPitch(question.Pitch(), question.signature), m_names, letters);
        CString text;
        text.Format(practice_texts::LoadText(IDS_STAFF_NOTE).c_str(), name.c_str(), question.step);
        m_staff.SetAccessibleText(practice_texts::LoadText(IDS_STAFF_NAME).c_str(), text);
    }
    m_staff.InvalidateRect(nullptr, FALSE);

    ShowPrompt(question);
    Announce(m_stcResult, "");
    ShowScore();
    SetCheckCaption(IDS_CHECK);
    if (m_bFollowFocus) {
        if (read) {
            m_btnCheck.SetFocus();
        } else {
            m_staff.SetFocus();
        }
    }
}

// The answered note green when right; when wrong, red with the right one black beside it.
void CPracticeFeedback::ShowOnStaff(const practice::AnswerResult& result) {
    const practice::Question& question = result.question;
    if (question.drill == practice::Drill::Read) {
        if (result.answer.right) {
            m_staff.SetFixedNote(kRead.index, question.step, kRead.of, NoteShade::Right);
        } else {
            Fix(m_staff, {kRead.index, kReadMiddle.of}, -1, staff::Accidental::None);
            Fix(m_staff, kReadMiddle, question.step, question.accidental);
            Fix(m_staff, kReadNamed,
                StepOfLetter(result.answer.givenLetter, question.step, question.clef,
                             m_rounds.Settings().ledgerLines),
                NamedSign(result), NoteShade::Wrong);
        }
    } else if (result.answer.right) {
        m_staff.SetNotesShade(NoteShade::Right);
    } else {
        int steps[CStaffControl::kMaxNoteSlots] = {};
        int count = 0;
        m_staff.GetNotes(steps, count);
        const int learnerX = count > 0 ? m_staff.NoteCentre(0).x : 0;
        Fix(m_staff, learnerX < kNoteAreaMiddle ? kBesideRight : kBesideLeft, question.step,
            question.accidental);
        m_staff.SetNotesShade(NoteShade::Wrong);
    }
    m_staff.InvalidateRect(nullptr, FALSE);
}

void CPracticeFeedback::SetNames(staff::NameSystem names) {
    m_names = names;
    const practice::PracticeRound* round = m_rounds.Round();
    if (round != nullptr && round->State() == practice::RoundState::Asking) {
        ShowPrompt(round->Current());
    }
}

// In numbered notation Place's note is drawn too, its octave as dots.
void CPracticeFeedback::ShowPrompt(const practice::Question& question) {
    Announce(m_stcPrompt, practice_texts::NamedPrompt(question, m_names));
    const bool drawn =
        m_names == staff::NameSystem::Numbers && question.drill == practice::Drill::Place;
    m_numberedNote.Show(
        drawn ? std::optional(staff::NameOfPitch(question.Pitch(), question.signature))
              : std::nullopt);
}

void CPracticeFeedback::ShowResult(const practice::AnswerResult& result, bool sung) {
    ShowOnStaff(result);
    Announce(m_stcResult,
             (result.answer.right ? kRightMark : kWrongMark) +
                 practice_texts::Result(result, m_rounds.Settings().NoStep(), sung, m_names));
    ShowScore();
    SetCheckCaption(IDS_NEXT);
    m_btnCheck.SetFocus();
}

void CPracticeFeedback::ShowSummary(const practice::RoundSummary& summary) {
    const practice::RoundSettings& settings = m_rounds.Settings();
    practice::History round;
    for (const practice::AnswerRecord& answer : m_rounds.Round()->Answers()) {
        round.Add(answer);
    }
    const std::vector<practice::StepStatistics> weakest = practice::WeakestSteps(
        practice::StepStatisticsOf(round, settings.drill, settings.clef, settings.lowStep,
                                   settings.highStep, m_rounds.Round()->Settings().key));
    Announce(m_stcScore, practice_texts::Summary(summary, weakest, settings.clef,
                                                 m_rounds.Round()->Settings().key, m_names));
}

void CPracticeFeedback::ProgressNotSaved(const practice::SaveFailure& failure) {
    if (m_bToldNotSaved) {
        return;
    }
    m_bToldNotSaved = true;
    AfxMessageBox(practice_texts::NotSaved(failure).c_str(), MB_OK, 0);
}

void CPracticeFeedback::ShowScore() {
    const practice::PracticeRound& round = *m_rounds.Round();
    Announce(m_stcScore, practice_texts::Score(round.Current().number, m_rounds.Settings().count,
                                               round.Right(), round.RightInARow()));
}

void CPracticeFeedback::SetCheckCaption(UINT id) {
    m_btnCheck.SetWindowText(practice_texts::LoadText(id).c_str());
}
