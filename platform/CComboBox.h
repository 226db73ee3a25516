// A drop-down list from a dialog template (COMBOBOX with CBS_DROPDOWNLIST): the user picks
// one of the items the program put in it.
#pragma once

#include "platform/CWnd.h"

class CComboBox : public CWnd {
  public:
    // The new item's index, at the end of the list; CB_ERR without a window.
    int AddString(LPCSTR text);
    void ResetContent();
    // -1 clears the choice.
    void SetCurSel(int index);
    // The chosen item, CB_ERR when there is none.
    int GetCurSel() const;
};
