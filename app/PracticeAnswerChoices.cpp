#include "app/PracticeAnswerChoices.h"

#include <algorithm>
#include <array>

#include "app/ChoiceList.h"
#include "app/ControlBindings.h"
#include "app/PracticeTexts.h"
#include "input/pitch/ListenSettings.h"
#include "platform/CString.h"
#include "practice/LastChoices.h"
#include "res/resource.h"

namespace {

using input::ListenSettings;
using practice::AnswerChoices;

// Holds for quick voices to slow bows and reeds.
constexpr std::array<int, 8> kHolds = {40, 60, 80, 100, 120, 150, 200, 300};
constexpr practice::HearingLimits kHearing{.minHoldMs = ListenSettings::kMinHoldMs,
                                           .maxHoldMs = ListenSettings::kMaxHoldMs,
                                           .minA4Hz = static_cast<int>(ListenSettings::kMinA4Hz),
                                           .maxA4Hz = static_cast<int>(ListenSettings::kMaxA4Hz)};
static_assert(kHolds.front() == kHearing.minHoldMs && kHolds.back() == kHearing.maxHoldMs);

std::string Formatted(UINT id, int value) {
    CString text;
    text.Format(practice_texts::LoadText(id).c_str(), value);
    return static_cast<const char*>(text);
}

}  // namespace

void CPracticeAnswerChoices::Exchange(CDataExchange* pDX) {
    BindControls(pDX, {{IDC_ANSWER_WITH, m_cboAnswerWith},
                       {IDC_LISTEN_SOUND, m_cboSound},
                       {IDC_ANY_OCTAVE, m_chkAnyOctave},
                       {IDC_HOLD, m_cboHold},
                       {IDC_A4, m_cboA4}});
}

void CPracticeAnswerChoices::Open(const std::filesystem::path& choicesFile, bool listen) {
    m_choices = practice::LoadAnswerChoices(choicesFile, kHearing);
    m_choices.microphone = m_choices.microphone || listen;
    Fill();
    Show(m_choices);
}

const AnswerChoices& CPracticeAnswerChoices::Chosen(const std::filesystem::path& choicesFile) {
    m_choices = Read(m_choices);
    Show(m_choices);
    if (!choicesFile.empty()) {
        practice::SaveAnswerChoices(choicesFile, m_choices);
    }
    return m_choices;
}

void CPracticeAnswerChoices::Fill() {
    choice_list::AddTexts(m_cboAnswerWith, {IDS_ANSWER_STAFF, IDS_ANSWER_MICROPHONE});
    choice_list::AddTexts(m_cboSound, {IDS_LISTEN_VOICE, IDS_LISTEN_INSTRUMENT});
    for (const int hold : kHolds) {
        m_cboHold.AddString(Formatted(IDS_HOLD_MS, hold).c_str());
    }
    for (int hz = kHearing.minA4Hz; hz <= kHearing.maxA4Hz; ++hz) {
        m_cboA4.AddString(Formatted(IDS_A4_HZ, hz).c_str());
    }
}

void CPracticeAnswerChoices::Show(const AnswerChoices& choices) {
    m_cboAnswerWith.SetCurSel(choices.microphone ? 1 : 0);
    m_cboSound.SetCurSel(choices.voice ? 0 : 1);
    m_chkAnyOctave.SetCheck(choices.octave == practice::OctaveRule::Any ? BST_CHECKED
                                                                        : BST_UNCHECKED);
    // A hold kept from a file that the list does not offer shows as the nearest longer one.
    const auto hold = std::lower_bound(kHolds.begin(), kHolds.end(), choices.holdMs);
    m_cboHold.SetCurSel(
        static_cast<int>(hold == kHolds.end() ? kHolds.size() - 1 : hold - kHolds.begin()));
    m_cboA4.SetCurSel(choices.a4Hz - kHearing.minA4Hz);
    const BOOL listening = choices.microphone ? TRUE : FALSE;
    m_cboSound.EnableWindow(listening);
    m_chkAnyOctave.EnableWindow(listening);
    m_cboHold.EnableWindow(listening);
    m_cboA4.EnableWindow(listening);
}

AnswerChoices CPracticeAnswerChoices::Read(const AnswerChoices& current) {
    AnswerChoices choices = current;
    choices.microphone = m_cboAnswerWith.GetCurSel() == 1;
    choices.voice = m_cboSound.GetCurSel() == 0;
    choices.octave = choices.voice != current.voice ? AnswerChoices::DefaultOctave(choices.voice)
                     : m_chkAnyOctave.GetCheck() == BST_CHECKED ? practice::OctaveRule::Any
                                                                : practice::OctaveRule::Exact;
    choices.holdMs = choice_list::Chosen(m_cboHold, kHolds).value_or(choices.holdMs);
    const int a4 = m_cboA4.GetCurSel();
    if (a4 >= 0) {
        choices.a4Hz = std::min(kHearing.minA4Hz + a4, kHearing.maxA4Hz);
    }
    return choices;
}
