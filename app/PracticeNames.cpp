#include "app/PracticeNames.h"

#include <array>

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
    for (const UINT id : kSystemNames) {
        m_cboNames.AddString(practice_texts::LoadText(id).c_str());
    }
    if (!given && !choicesFile.empty()) {
        given = practice::LoadNames(choicesFile);
    }
    m_names = given.value_or(staff::NameSystem::Letters);
    for (std::size_t i = 0; i < kSystems.size(); ++i) {
        if (kSystems[i] == m_names) {
            m_cboNames.SetCurSel(static_cast<int>(i));
        }
    }
}

void CPracticeNames::Chosen(const std::filesystem::path& choicesFile) {
    const int index = m_cboNames.GetCurSel();
    if (index < 0 || static_cast<std::size_t>(index) >= kSystems.size()) {
        return;
    }
    m_names = kSystems[static_cast<std::size_t>(index)];
    if (!choicesFile.empty()) {
        practice::SaveNames(choicesFile, m_names);
    }
}
