#include "app/PracticeChoices.h"

#include <algorithm>
#include <array>
#include <string>

#include "app/ChoiceList.h"
#include "app/ControlBindings.h"
#include "app/PracticeTexts.h"
#include "res/resource.h"

namespace {
constexpr std::array<practice::Drill, 3> kDrills = {practice::Drill::Read, practice::Drill::Place,
                                                    practice::Drill::Hear};
constexpr std::array<UINT, 3> kDrillNames = {IDS_DRILL_READ, IDS_DRILL_PLACE, IDS_DRILL_HEAR};
constexpr std::array<practice::ClefChoice, 5> kClefs = {
    practice::ClefChoice::Treble, practice::ClefChoice::Bass, practice::ClefChoice::Alto,
    practice::ClefChoice::Tenor, practice::ClefChoice::Both};
constexpr std::array<UINT, 5> kClefNames = {IDS_CLEF_TREBLE, IDS_CLEF_BASS, IDS_CLEF_ALTO,
                                            IDS_CLEF_TENOR, IDS_CLEF_BOTH};
constexpr std::array<int, 4> kLengths = {10, 20, 50, practice::RoundSettings::kEndless};
constexpr int kDefaultLength = 1;
// C major first, then the sharp keys, the flat keys and a new key each round.
constexpr std::array<int, 16> kKeys = {0,  1,  2,  3,  4,  5,  6,  7,
                                       -1, -2, -3, -4, -5, -6, -7, practice::kRandomKey};

// A list with nothing chosen reads as its first entry.
template <typename T, std::size_t N>
T At(const CComboBox& list, const std::array<T, N>& values) {
    return choice_list::Chosen(list, values).value_or(values[0]);
}
}  // namespace

void CPracticeChoices::Exchange(CDataExchange* pDX) {
    BindControls(pDX, {{IDC_DRILL, m_cboDrill},
                       {IDC_CLEF, m_cboClef},
                       {IDC_LOWEST, m_cboLowest},
                       {IDC_HIGHEST, m_cboHighest},
                       {IDC_LENGTH, m_cboLength},
                       {IDC_LEDGER_LINES, m_cboLedgerLines},
                       {IDC_ACCIDENTALS, m_cboAccidentals},
                       {IDC_KEY, m_cboKey}});
}

void CPracticeChoices::Fill() {
    choice_list::AddTexts(m_cboDrill, kDrillNames);
    choice_list::AddTexts(m_cboClef, kClefNames);
    for (const int length : kLengths) {
        m_cboLength.AddString(length == practice::RoundSettings::kEndless
                                  ? practice_texts::LoadText(IDS_LENGTH_ENDLESS).c_str()
                                  : std::to_string(length).c_str());
    }
    for (int lines = staff::kMinLedgerLines; lines <= staff::kMaxLedgerLines; ++lines) {
        m_cboLedgerLines.AddString(std::to_string(lines).c_str());
    }
    choice_list::AddTexts(m_cboAccidentals, {IDS_ACCIDENTALS_NONE, IDS_ACCIDENTALS_ALL});
    for (const int key : kKeys) {
        m_cboKey.AddString(key == practice::kRandomKey
                               ? practice_texts::LoadText(IDS_KEY_RANDOM).c_str()
                               : practice_texts::MajorKeyName(key).c_str());
    }
}

void CPracticeChoices::FillRange(const practice::RoundSettings& settings) {
    m_cboLowest.ResetContent();
    m_cboHighest.ResetContent();
    const staff::StaffGeometry staff(settings.ledgerLines);
    for (int step = staff.LowestStep(); step <= staff.HighestStep(); ++step) {
        const std::string name = practice_texts::StepName(step, settings.clef);
        m_cboLowest.AddString(name.c_str());
        m_cboHighest.AddString(name.c_str());
    }
    m_cboLowest.SetCurSel(settings.lowStep - staff.LowestStep());
    m_cboHighest.SetCurSel(settings.highStep - staff.LowestStep());
}

void CPracticeChoices::Show(const practice::RoundSettings& settings) {
    m_cboDrill.SetCurSel(choice_list::IndexOf(kDrills, settings.drill, 0));
    m_cboClef.SetCurSel(choice_list::IndexOf(kClefs, settings.clef, 0));
    m_cboLength.SetCurSel(choice_list::IndexOf(kLengths, settings.count, kDefaultLength));
    m_cboLedgerLines.SetCurSel(settings.ledgerLines - staff::kMinLedgerLines);
    FillRange(settings);
    m_cboAccidentals.SetCurSel(settings.accidentals == practice::AccidentalChoice::All ? 1 : 0);
    m_cboKey.SetCurSel(choice_list::IndexOf(kKeys, settings.key, 0));
}

// A range given upside down keeps the step just chosen and meets it with the other end.
practice::RoundSettings CPracticeChoices::Read(const practice::RoundSettings& current) const {
    practice::RoundSettings settings = current;
    settings.drill = At(m_cboDrill, kDrills);
    settings.clef = At(m_cboClef, kClefs);
    settings.count = At(m_cboLength, kLengths);
    // The range lists hold the steps of the staff the current choices asked for.
    const int lowest = staff::StaffGeometry(current.ledgerLines).LowestStep();
    const int low = m_cboLowest.GetCurSel() + lowest;
    const int high = m_cboHighest.GetCurSel() + lowest;
    if (low > high) {
        const bool lowChanged = low != current.lowStep;
        settings.lowStep = lowChanged ? low : high;
        settings.highStep = lowChanged ? low : high;
    } else {
        settings.lowStep = low;
        settings.highStep = high;
    }
    // Fewer ledger lines take the range in to the staff they leave.
    const staff::StaffGeometry chosen(m_cboLedgerLines.GetCurSel() + staff::kMinLedgerLines);
    settings.ledgerLines = chosen.LedgerLines();
    settings.lowStep = std::clamp(settings.lowStep, chosen.LowestStep(), chosen.HighestStep());
    settings.highStep = std::clamp(settings.highStep, chosen.LowestStep(), chosen.HighestStep());
    settings.accidentals = m_cboAccidentals.GetCurSel() == 1 ? practice::AccidentalChoice::All
                                                             : practice::AccidentalChoice::None;
    settings.key = choice_list::Chosen(m_cboKey, kKeys).value_or(0);
    return settings;
}
