#include "platform/CComboBox.h"

int CComboBox::AddString(LPCSTR text) {
    return GetPeer() != nullptr ? GetPeer()->AddListItem(text != nullptr ? text : "") : CB_ERR;
}

void CComboBox::ResetContent() {
    if (GetPeer() != nullptr) {
        GetPeer()->ClearList();
    }
}

void CComboBox::SetCurSel(int index) {
    if (GetPeer() != nullptr) {
        GetPeer()->SelectListItem(index);
    }
}

int CComboBox::GetCurSel() const {
    return GetPeer() != nullptr ? GetPeer()->SelectedListItem() : CB_ERR;
}
