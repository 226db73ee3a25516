#include "app/PracticeDlg.h"

#include "app/ProgressDlg.h"
#include "res/resource.h"
#include "staff/StaffGeometry.h"

namespace {
// The staff's place: under the prompt, at its picture's size.
constexpr int kStaffX = 10;
constexpr int kStaffY = 104;
}  // namespace

#define ON_NAME_BUTTON(letter) \
    AFX_MSG_ENTRY(WM_COMMAND, BN_CLICKED, IDC_NAME_##letter, self_->OnName(#letter[0]); return 0;)

BEGIN_MESSAGE_MAP(CPracticeDlg, CDialog)
ON_CBN_SELCHANGE(IDC_DRILL, OnChoiceChanged)
ON_CBN_SELCHANGE(IDC_CLEF, OnChoiceChanged)
ON_CBN_SELCHANGE(IDC_LOWEST, OnChoiceChanged)
ON_CBN_SELCHANGE(IDC_HIGHEST, OnChoiceChanged)
ON_CBN_SELCHANGE(IDC_LENGTH, OnChoiceChanged)
ON_CBN_SELCHANGE(IDC_ACCIDENTALS, OnChoiceChanged)
ON_CBN_SELCHANGE(IDC_KEY, OnChoiceChanged)
ON_BN_CLICKED(IDC_SHARP, OnSharp)
ON_BN_CLICKED(IDC_FLAT, OnFlat)
ON_CBN_SELCHANGE(IDC_REVIEW, OnChoiceChanged)
ON_CBN_SELCHANGE(IDC_GOAL, OnGoalChanged)
AFX_MSG_ENTRY(kHistoryLoaded, 0, 0, self_->OnHistoryLoaded(); return 0;)
ON_CBN_SELCHANGE(IDC_LEDGER_LINES, OnChoiceChanged)
ON_NAME_BUTTON(C)
ON_NAME_BUTTON(D)
ON_NAME_BUTTON(E)
ON_NAME_BUTTON(F)
ON_NAME_BUTTON(G)
ON_NAME_BUTTON(A)
ON_NAME_BUTTON(B)
ON_BN_CLICKED(IDC_CHECK, OnCheckOrNext)
ON_BN_CLICKED(IDC_PLAY_AGAIN, OnPlayAgain)
ON_BN_CLICKED(IDC_PROGRESS, OnProgress)
ON_BN_CLICKED(IDC_MIDI_ECHO, OnMidiEcho)
ON_CBN_SELCHANGE(IDC_ANSWER_WITH, OnAnswerChoiceChanged)
ON_CBN_SELCHANGE(IDC_LISTEN_SOUND, OnAnswerChoiceChanged)
ON_BN_CLICKED(IDC_ANY_OCTAVE, OnAnswerChoiceChanged)
ON_CBN_SELCHANGE(IDC_HOLD, OnAnswerChoiceChanged)
ON_CBN_SELCHANGE(IDC_A4, OnAnswerChoiceChanged)
ON_CBN_SELCHANGE(IDC_NAMES, OnNamesChanged)
ON_CONTROL(STAFFN_RETURN, IDC_PRACTICE_STAFF, OnCheckOrNext)
ON_CONTROL(STAFFN_DRAGENDED, IDC_PRACTICE_STAFF, OnStaffDragEnded)
END_MESSAGE_MAP()

CPracticeDlg::CPracticeDlg(CWnd* pParent, const PracticeSetup& setup)
    : CDialog(IDD_PRACTICE, pParent),
      m_namesGiven(setup.names),
      m_rounds(setup, static_cast<practice::RoundObserver&>(*this)),
      m_answers(m_rounds, m_staff),
      m_keys(m_rounds, m_answers),
      m_keyboards(m_answers),
      m_feedback(m_rounds, m_staff),
      m_bListen(setup.listen),
      m_microphone(m_answers, m_staff),
      m_today(m_rounds.Clock()) {
    m_rounds.SetAskFirst(
        [this](const practice::RoundSettings& settings) { return m_today.AskFirst(settings); });
}

void CPracticeDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    m_choices.Exchange(pDX);
    m_names.Exchange(pDX);
    DDX_Control(pDX, IDC_PRACTICE_STAFF, m_staff);
    m_keyboards.Exchange(pDX);
    m_answers.Exchange(pDX);
    m_feedback.Exchange(pDX);
    m_today.Exchange(pDX);
    m_answerChoices.Exchange(pDX);
    m_microphone.Exchange(pDX);
}

BOOL CPracticeDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    m_staff.MoveWindow(kStaffX, kStaffY, staff::kStaffWidth, staff::kStaffHeight, FALSE);
    m_staff.SetMaxNotes(1);
    m_staff.SetClef(true);

    m_feedback.SetUpLines();
    m_rounds.Open(*this);
    FitStaff(m_rounds.Settings().ledgerLines);
    m_choices.Fill();
    m_choices.Show(m_rounds.Settings());
    m_names.Open(m_namesGiven, m_rounds.ChoicesFile());
    ShowNames();
    m_today.Open(m_rounds.History(), m_rounds.ProgressPath(), m_rounds.Settings());
    m_rounds.Start();
    m_keyboards.Open(m_rounds.ChoicesFile());
    m_answerChoices.Open(m_rounds.ChoicesFile(), m_bListen);
    m_microphone.Choose(m_answerChoices.Choices());
    // A learner who sees the first note answers it at once; the choices are a Tab away.
    m_answers.TakeFocus();
    return FALSE;
}

// The running round ends under the choices it was asked with; when it has a summary, that
// stays until Next starts the round of the new choices.
void CPracticeDlg::OnChoiceChanged() {
    const bool summarised = m_rounds.Stop();
    m_rounds.Choose(m_choices.Read(m_rounds.Settings()));
    FitStaff(m_rounds.Settings().ledgerLines);
    m_choices.FillRange(m_rounds.Settings());
    m_today.Show(m_rounds.Settings());
    if (summarised) {
        m_feedback.SetCheckCaption(IDS_NEXT);
    } else {
        m_rounds.Start();
    }
}

// The history read in the background: the days and due notes are worked out again; the
// round under way goes on, the next one asks by the whole history.
void CPracticeDlg::OnHistoryLoaded() {
    if (m_rounds.Adopt()) {
        m_today.Reload(m_rounds.History(), m_rounds.Settings());
    }
}

void CPracticeDlg::OnGoalChanged() {
    m_today.GoalChosen(m_rounds.Settings());
}

// The staff takes the height of its ledger lines; what lies below it moves with its bottom,
// and the dialog grows or shrinks by as much.
void CPracticeDlg::FitStaff(int ledgerLines) {
    const int before = m_staff.Geometry().Height();
    m_staff.SetLedgerLines(ledgerLines);
    const int dy = m_staff.Geometry().Height() - before;
    if (dy == 0) {
        return;
    }
    m_staff.MoveWindow(kStaffX, kStaffY, staff::kStaffWidth, m_staff.Geometry().Height(), FALSE);
    ShiftControls(kStaffY + 1, dy);
    CRect client;
    GetClientRect(&client);
    SetClientSize(client.Width(), client.Height() + dy);
    InvalidateRect(nullptr, TRUE);
}

// Closing ends the round, so that an endless one is summed up too.
void CPracticeDlg::OnCancel() {
    m_keyboards.Close();
    m_microphone.Close();
    m_rounds.Stop();
    m_rounds.WaitForLoad();
    CDialog::OnCancel();
}

BOOL CPracticeDlg::PreTranslateMessage(MSG* pMsg) {
    return m_keys.Typed(*pMsg) ? TRUE : FALSE;
}

void CPracticeDlg::OnName(char letter) {
    m_answers.Name(letter);
}

void CPracticeDlg::OnSharp() {
    m_answers.ChooseSign(1);
}

void CPracticeDlg::OnFlat() {
    m_answers.ChooseSign(-1);
}

// The focus follows the round when the learner moves it on.
void CPracticeDlg::OnCheckOrNext() {
    m_feedback.FollowFocus(true);
    m_answers.CheckOrNext();
    m_feedback.FollowFocus(false);
}

void CPracticeDlg::OnStaffDragEnded() {
    m_answers.StaffDragEnded();
}

void CPracticeDlg::OnPlayAgain() {
    m_answers.PlayAgain();
}

void CPracticeDlg::OnProgress() {
    // The key of the round asked last: a new key each round shows the one drawn.
    practice::RoundSettings shown = m_rounds.Settings();
    if (const practice::PracticeRound* round = m_rounds.Round()) {
        shown.key = round->Settings().key;
    }
    CProgressDlg dlg(this, m_rounds.History(), shown, m_today.Days().Totals(), m_today.Today(),
                     m_today.Goal(), m_names.Names());
    dlg.DoModal();
}

void CPracticeDlg::ShowQuestion(const practice::Question& question) {
    m_answers.Offer(question);
    m_feedback.ShowQuestion(question);
}

void CPracticeDlg::PlayKey(int key) {
    m_staff.PlayNote(key);
    m_microphone.Sounded();
}

void CPracticeDlg::ShowResult(const practice::AnswerResult& result) {
    m_feedback.ShowResult(result, m_answers.Hearing());
    m_today.Answered(result.answer, m_rounds.Settings());
}

void CPracticeDlg::ShowSummary(const practice::RoundSummary& summary) {
    m_feedback.ShowSummary(summary);
}

void CPracticeDlg::ProgressNotSaved(const practice::SaveFailure& failure) {
    m_feedback.ProgressNotSaved(failure);
}

// The round goes on; what names its notes changes at once.
void CPracticeDlg::OnNamesChanged() {
    m_names.Chosen(m_rounds.ChoicesFile());
    ShowNames();
}

void CPracticeDlg::ShowNames() {
    m_staff.SetNameSystem(m_names.Names());
    m_answers.SetNames(m_names.Names());
    m_feedback.SetNames(m_names.Names());
}

void CPracticeDlg::OnMidiEcho() {
    m_keyboards.EchoClicked(m_rounds.ChoicesFile());
}

// How a round is answered changes nothing of the round under way.
void CPracticeDlg::OnAnswerChoiceChanged() {
    m_microphone.Choose(m_answerChoices.Chosen(m_rounds.ChoicesFile()));
}
