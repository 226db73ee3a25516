// A narrow-character string. Texts are UTF-8 here; resource strings are converted from
// their stored UTF-16 when loaded.
#pragma once

#include <string>

#include "platform/WinTypes.h"

class CString {
  public:
    CString() = default;
    CString(LPCSTR text) : m_text(text != nullptr ? text : "") {}  // NOLINT: implicit as in MFC

    // Loads a string-table entry of the program's resources; false (and empty) if absent.
    BOOL LoadString(UINT nID);
    BOOL IsEmpty() const { return m_text.empty() ? TRUE : FALSE; }
    int GetLength() const { return static_cast<int>(m_text.size()); }
    void Format(LPCSTR format, ...) __attribute__((format(printf, 2, 3)));

    operator LPCSTR() const { return m_text.c_str(); }  // NOLINT: implicit as in MFC
    const std::string& str() const { return m_text; }

  private:
    std::string m_text;
};
