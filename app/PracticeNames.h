// The practice dialog's choice of how notes are named: letters, solfège or numbered
// notation, remembered with the other choices; --names chooses over the remembered one.
#pragma once

#include <filesystem>
#include <optional>

#include "platform/CComboBox.h"
#include "platform/CDialog.h"
#include "staff/NoteNames.h"

class CPracticeNames {
  public:
    void Exchange(CDataExchange* pDX);
    // Fills the list and shows the given system, else the remembered one, else letters.
    void Open(std::optional<staff::NameSystem> given, const std::filesystem::path& choicesFile);
    // The learner's choice, which is remembered.
    void Chosen(const std::filesystem::path& choicesFile);
    staff::NameSystem Names() const { return m_names; }

  private:
    CComboBox m_cboNames;
    staff::NameSystem m_names = staff::NameSystem::Letters;
};
