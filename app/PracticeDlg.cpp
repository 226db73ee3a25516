#include "app/PracticeDlg.h"

#include <array>
#include <cstdio>

#include "app/PracticeTexts.h"
#include "app/ProgressDlg.h"
#include "platform/CString.h"
#include "platform/CWinApp.h"
#include "practice/LastChoices.h"
#include "practice/ProgressFolder.h"
#include "res/resource.h"
#include "staff/StaffGeometry.h"

namespace {
// The staff's place: under the prompt, at its picture's size.
constexpr int kStaffX = 10;
constexpr int kStaffY = 56;
constexpr int kStaffWidth = 600;
constexpr int kStaffHeight = 160;

// Read shows its note in the middle of three columns. After a wrong Place or Hear answer
// the right note stands in a column of five, on the side away from the learner's note.
constexpr int kReadColumn = 1;
constexpr int kReadColumns = 3;
constexpr int kBesideColumns = 5;
constexpr int kBesideLeftColumn = 1;
constexpr int kBesideRightColumn = 3;
constexpr int kNoteAreaMiddle = staff::kNoteAreaLeft + staff::kNoteAreaWidth / 2;

constexpr std::array<practice::Drill, 3> kDrills = {practice::Drill::Read, practice::Drill::Place,
                                                    practice::Drill::Hear};
constexpr std::array<UINT, 3> kDrillNames = {IDS_DRILL_READ, IDS_DRILL_PLACE, IDS_DRILL_HEAR};
constexpr std::array<practice::ClefChoice, 3> kClefs = {
    practice::ClefChoice::Treble, practice::ClefChoice::Bass, practice::ClefChoice::Both};
constexpr std::array<UINT, 3> kClefNames = {IDS_CLEF_TREBLE, IDS_CLEF_BASS, IDS_CLEF_BOTH};
constexpr std::array<int, 4> kLengths = {10, 20, 50, practice::RoundSettings::kEndless};
constexpr int kDefaultLength = 1;

template <typename T, std::size_t N>
int IndexOf(const std::array<T, N>& values, T value, int fallback) {
    for (std::size_t i = 0; i < N; ++i) {
        if (values[i] == value) {
            return static_cast<int>(i);
        }
    }
    return fallback;
}

template <typename T, std::size_t N>
T At(const std::array<T, N>& values, int index) {
    return values[index >= 0 && static_cast<std::size_t>(index) < N
                      ? static_cast<std::size_t>(index)
                      : 0];
}
}  // namespace

#define ON_NAME_BUTTON(letter) \
    AFX_MSG_ENTRY(WM_COMMAND, BN_CLICKED, IDC_NAME_##letter, self_->OnName(#letter[0]); return 0;)

BEGIN_MESSAGE_MAP(CPracticeDlg, CDialog)
ON_CBN_SELCHANGE(IDC_DRILL, OnChoiceChanged)
ON_CBN_SELCHANGE(IDC_CLEF, OnChoiceChanged)
ON_CBN_SELCHANGE(IDC_LOWEST, OnChoiceChanged)
ON_CBN_SELCHANGE(IDC_HIGHEST, OnChoiceChanged)
ON_CBN_SELCHANGE(IDC_LENGTH, OnChoiceChanged)
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
ON_CONTROL(STAFFN_RETURN, IDC_PRACTICE_STAFF, OnCheckOrNext)
ON_CONTROL(STAFFN_DRAGENDED, IDC_PRACTICE_STAFF, OnStaffDragEnded)
END_MESSAGE_MAP()

CPracticeDlg::CPracticeDlg(CWnd* pParent, const PracticeSetup& setup)
    : CDialog(IDD_PRACTICE, pParent),
      m_setup(setup),
      m_progressPath(setup.progressFile.empty() ? practice::DefaultProgressFile()
                                                : setup.progressFile),
      m_clock(setup.clock != nullptr ? *setup.clock : m_systemClock) {}

// The round goes before the history and file it writes to.
CPracticeDlg::~CPracticeDlg() {
    m_round.reset();
}

void CPracticeDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DRILL, m_cboDrill);
    DDX_Control(pDX, IDC_CLEF, m_cboClef);
    DDX_Control(pDX, IDC_LOWEST, m_cboLowest);
    DDX_Control(pDX, IDC_HIGHEST, m_cboHighest);
    DDX_Control(pDX, IDC_LENGTH, m_cboLength);
    DDX_Control(pDX, IDC_PROMPT, m_stcPrompt);
    DDX_Control(pDX, IDC_PRACTICE_STAFF, m_staff);
    for (int i = 0; i < kNameButtons; ++i) {
        DDX_Control(pDX, IDC_NAME_C + i, m_btnNames[static_cast<std::size_t>(i)]);
    }
    DDX_Control(pDX, IDC_PLAY_AGAIN, m_btnPlayAgain);
    DDX_Control(pDX, IDC_CHECK, m_btnCheck);
    DDX_Control(pDX, IDC_RESULT, m_stcResult);
    DDX_Control(pDX, IDC_SCORE, m_stcScore);
}

BOOL CPracticeDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    m_staff.MoveWindow(kStaffX, kStaffY, kStaffWidth, kStaffHeight, FALSE);
    m_staff.SetMaxNotes(1);
    m_staff.SetClef(true);

    if (!m_progressPath.empty()) {
        m_progressFile.emplace(m_progressPath);
        for (const std::string& line :
             practice::LoadMessages(m_progressFile->Load(m_history, m_clock.UtcMs()))) {
            std::fprintf(stderr, "canzet: %s\n", line.c_str());
        }
        m_settings = practice::LoadLastChoices(practice::ChoicesFileBeside(m_progressPath))
                         .value_or(practice::RoundSettings{});
    }
    FillChoices();
    ShowChoices();
    StartRound();
    return TRUE;
}

void CPracticeDlg::FillChoices() {
    for (const UINT id : kDrillNames) {
        m_cboDrill.AddString(practice_texts::LoadText(id).c_str());
    }
    for (const UINT id : kClefNames) {
        m_cboClef.AddString(practice_texts::LoadText(id).c_str());
    }
    for (const int length : kLengths) {
        m_cboLength.AddString(length == practice::RoundSettings::kEndless
                                  ? practice_texts::LoadText(IDS_LENGTH_ENDLESS).c_str()
                                  : std::to_string(length).c_str());
    }
}

// The range names its steps as pitches of the chosen clef.
void CPracticeDlg::FillRange() {
    m_cboLowest.ResetContent();
    m_cboHighest.ResetContent();
    for (int step = practice::kLowestStep; step <= practice::kHighestStep; ++step) {
        const std::string name = practice_texts::StepName(step, m_settings.clef);
        m_cboLowest.AddString(name.c_str());
        m_cboHighest.AddString(name.c_str());
    }
    m_cboLowest.SetCurSel(m_settings.lowStep - practice::kLowestStep);
    m_cboHighest.SetCurSel(m_settings.highStep - practice::kLowestStep);
}

void CPracticeDlg::ShowChoices() {
    m_cboDrill.SetCurSel(IndexOf(kDrills, m_settings.drill, 0));
    m_cboClef.SetCurSel(IndexOf(kClefs, m_settings.clef, 0));
    m_cboLength.SetCurSel(IndexOf(kLengths, m_settings.count, kDefaultLength));
    FillRange();
}

// A range given upside down keeps the step just chosen and meets it with the other end.
practice::RoundSettings CPracticeDlg::ReadChoices() const {
    practice::RoundSettings settings = m_settings;
    settings.drill = At(kDrills, m_cboDrill.GetCurSel());
    settings.clef = At(kClefs, m_cboClef.GetCurSel());
    settings.count = At(kLengths, m_cboLength.GetCurSel());
    const int low = m_cboLowest.GetCurSel() + practice::kLowestStep;
    const int high = m_cboHighest.GetCurSel() + practice::kLowestStep;
    if (low > high) {
        const bool lowChanged = low != m_settings.lowStep;
        settings.lowStep = lowChanged ? low : high;
        settings.highStep = lowChanged ? low : high;
    } else {
        settings.lowStep = low;
        settings.highStep = high;
    }
    return settings;
}

// The running round ends under the choices it was asked with; when it has a summary, that
// stays until Next starts the round of the new choices.
void CPracticeDlg::OnChoiceChanged() {
    const bool summarised = StopRound();
    m_settings = ReadChoices();
    FillRange();
    if (!m_progressPath.empty()) {
        practice::SaveLastChoices(practice::ChoicesFileBeside(m_progressPath), m_settings);
    }
    if (summarised) {
        SetCheckCaption(IDS_NEXT);
    } else {
        StartRound();
    }
}

// Closing ends the round, so that an endless one is summed up too.
void CPracticeDlg::OnCancel() {
    StopRound();
    CDialog::OnCancel();
}

// True when a running round ended with a summary, that is, with anything answered.
bool CPracticeDlg::StopRound() {
    if (!m_round || m_round->State() == practice::RoundState::Finished) {
        return false;
    }
    m_round->Stop();
    return m_round->Answered() > 0;
}

void CPracticeDlg::StartRound() {
    m_settings.seed =
        m_setup.seed ? *m_setup.seed + m_nRounds : static_cast<std::uint64_t>(m_clock.UtcMs());
    ++m_nRounds;
    m_round.reset();
    m_round = std::make_unique<practice::PracticeRound>(
        m_settings, m_history, m_clock, m_progressFile ? &*m_progressFile : nullptr,
        static_cast<practice::RoundObserver&>(*this));
    m_round->Start();
}

void CPracticeDlg::OnName(char letter) {
    if (m_round && m_round->State() == practice::RoundState::Asking) {
        m_round->AnswerLetter(letter);
    }
}

void CPracticeDlg::OnCheckOrNext() {
    if (!m_round) {
        return;
    }
    switch (m_round->State()) {
        case practice::RoundState::Asking:
            ConfirmStaffNote();
            break;
        case practice::RoundState::Answered:
            m_bFollowFocus = true;
            m_round->Next();
            m_bFollowFocus = false;
            break;
        case practice::RoundState::Finished:
            m_bFollowFocus = true;
            StartRound();
            m_bFollowFocus = false;
            break;
    }
}

void CPracticeDlg::OnStaffDragEnded() {
    if (m_round && m_round->State() == practice::RoundState::Asking) {
        ConfirmStaffNote();
    }
}

// Place and Hear take the step of the learner's note; with none placed there is nothing
// to check yet.
void CPracticeDlg::ConfirmStaffNote() {
    if (m_round->Current().drill == practice::Drill::Read) {
        return;
    }
    int steps[CStaffControl::kMaxNoteSlots] = {};
    int count = 0;
    m_staff.GetNotes(steps, count);
    if (count > 0) {
        m_round->ConfirmStep(steps[0]);
    }
}

void CPracticeDlg::OnPlayAgain() {
    if (m_round) {
        m_round->PlayAgain();
    }
}

void CPracticeDlg::OnProgress() {
    CProgressDlg dlg(this, m_history, m_settings.drill, m_settings.clef);
    dlg.DoModal();
}

void CPracticeDlg::ClearFixedNotes() {
    for (int column = 0; column < CStaffControl::kFixedColumns; ++column) {
        m_staff.SetFixedNote(column, -1, 1);
    }
}

void CPracticeDlg::ShowQuestion(const practice::Question& question) {
    const bool read = question.drill == practice::Drill::Read;
    ClearFixedNotes();
    m_staff.ClearNotes();
    m_staff.SetClef(question.clef == practice::Clef::Treble);
    m_staff.SetMaxNotes(read ? 0 : 1);
    if (read) {
        m_staff.SetFixedNote(kReadColumn, question.step, kReadColumns);
        // The question's note, read as a placed note is.
        CString text;
        text.Format(practice_texts::LoadText(IDS_STAFF_NOTE).c_str(), question.PitchName().c_str(),
                    question.step);
        m_staff.SetAccessibleText(practice_texts::LoadText(IDS_STAFF_NAME).c_str(), text);
    }
    m_staff.InvalidateRect(nullptr, FALSE);

    for (CButton& button : m_btnNames) {
        button.EnableWindow(read ? TRUE : FALSE);
    }
    m_btnPlayAgain.EnableWindow(question.drill == practice::Drill::Hear ? TRUE : FALSE);

    Announce(m_stcPrompt, practice_texts::Prompt(question));
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

void CPracticeDlg::PlayKey(int key) {
    m_staff.PlayNote(key);
}

void CPracticeDlg::ShowResult(const practice::AnswerResult& result) {
    if (!result.answer.right && result.question.drill != practice::Drill::Read) {
        int steps[CStaffControl::kMaxNoteSlots] = {};
        int count = 0;
        m_staff.GetNotes(steps, count);
        const int learnerX = count > 0 ? m_staff.NoteCentre(0).x : 0;
        const int column = learnerX < kNoteAreaMiddle ? kBesideRightColumn : kBesideLeftColumn;
        m_staff.SetFixedNote(column, result.question.step, kBesideColumns);
        m_staff.InvalidateRect(nullptr, FALSE);
    }
    Announce(m_stcResult, practice_texts::Result(result));
    ShowScore();
    SetCheckCaption(IDS_NEXT);
    m_btnCheck.SetFocus();
}

void CPracticeDlg::ShowSummary(const practice::RoundSummary& summary) {
    practice::History round;
    for (const practice::AnswerRecord& answer : m_round->Answers()) {
        round.Add(answer);
    }
    const std::vector<practice::StepStatistics> weakest =
        practice::WeakestSteps(practice::StepStatisticsOf(round, m_settings.drill, m_settings.clef,
                                                          m_settings.lowStep, m_settings.highStep));
    Announce(m_stcScore, practice_texts::Summary(summary, weakest, m_settings.clef));
}

void CPracticeDlg::ProgressNotSaved(const practice::SaveFailure& failure) {
    if (m_bToldNotSaved) {
        return;
    }
    m_bToldNotSaved = true;
    AfxMessageBox(practice_texts::NotSaved(failure).c_str(), MB_OK, 0);
}

void CPracticeDlg::ShowScore() {
    Announce(m_stcScore, practice_texts::Score(m_round->Current().number, m_settings.count,
                                               m_round->Right(), m_round->RightInARow()));
}

void CPracticeDlg::Announce(CWnd& line, const std::string& text) {
    // The accessible text first: a label whose name is set raises no second event when its
    // text follows.
    line.SetAccessibleText(text.c_str(), text.c_str());
    line.SetWindowText(text.c_str());
}

void CPracticeDlg::SetCheckCaption(UINT id) {
    m_btnCheck.SetWindowText(practice_texts::LoadText(id).c_str());
}
