#include "app/PracticeSigns.h"

#include <string>

#include "app/ChoiceList.h"
#include "app/ControlBindings.h"
#include "app/PracticeTexts.h"
#include "res/resource.h"

namespace {

// C major first, then the sharp keys, the flat keys and a new key each round.
constexpr std::array<int, 16> kKeys = {0,  1,  2,  3,  4,  5,  6,  7,
                                       -1, -2, -3, -4, -5, -6, -7, practice::kRandomKey};

}  // namespace

void CPracticeSigns::Exchange(CDataExchange* pDX) {
    BindControls(pDX, {{IDC_ACCIDENTALS, m_cboAccidentals},
                       {IDC_KEY, m_cboKey},
                       {IDC_SHARP, m_btnSharp},
                       {IDC_FLAT, m_btnFlat}});
}

void CPracticeSigns::Fill() {
    choice_list::AddTexts(m_cboAccidentals, {IDS_ACCIDENTALS_NONE, IDS_ACCIDENTALS_ALL});
    for (const int key : kKeys) {
        m_cboKey.AddString(key == practice::kRandomKey
                               ? practice_texts::LoadText(IDS_KEY_RANDOM).c_str()
                               : practice_texts::MajorKeyName(key).c_str());
    }
}

void CPracticeSigns::Show(const practice::RoundSettings& settings) {
    m_cboAccidentals.SetCurSel(settings.accidentals == practice::AccidentalChoice::All ? 1 : 0);
    m_cboKey.SetCurSel(choice_list::IndexOf(kKeys, settings.key, 0));
}

practice::RoundSettings CPracticeSigns::Read(practice::RoundSettings settings) const {
    settings.accidentals = m_cboAccidentals.GetCurSel() == 1 ? practice::AccidentalChoice::All
                                                             : practice::AccidentalChoice::None;
    settings.key = choice_list::Chosen(m_cboKey, kKeys).value_or(0);
    return settings;
}

void CPracticeSigns::Offer(const practice::Question& question) {
    const BOOL read = question.drill == practice::Drill::Read ? TRUE : FALSE;
    m_btnSharp.EnableWindow(read);
    m_btnFlat.EnableWindow(read);
}
