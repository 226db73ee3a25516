#include "app/PracticeNames.h"

#include <array>

#include "app/ChoiceList.h"
#include "app/PracticeTexts.h"
#include "practice/LastChoices.h"
#include "res/resource.h"

namespace {
// In the list's order.
constexpr std::array<staff::NameSystem, 3> kSystems = {
    staff::NameSystem::Letters, staff::NameSystem::Solfege, staff::NameSystem::Numbers};
constexpr std::array<UINT, 3> kSystemNames = {IDS_NAMES_LETTERS, IDS_NAMES_SOLFEGE,
                                              IDS_NAMES_NUMBERS};
}  // namespace

void CPracticeNames::Exchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_NAMES, m_cboNames);
}

void CPracticeNames::Open(std::optional<staff::NameSystem> given,
                          const std::filesystem::path& choicesFile) {
    choice_list::AddTexts(m_cboNames, kSystemNames);
    if (!given && !choicesFile.empty()) {
        given = practice::LoadNames(choicesFile);
    }
    m_names = given.value_or(staff::NameSystem::Letters);
    m_cboNames.SetCurSel(choice_list::IndexOf(kSystems, m_names, CB_ERR));
}

void CPracticeNames::Chosen(const std::filesystem::path& choicesFile) {
    if (choice_list::Take(m_cboNames, kSystems, m_names) && !choicesFile.empty()) {
        practice::SaveNames(choicesFile, m_names);
    }
}
