// A push button or a check box from a dialog template.
#pragma once

#include "platform/CWnd.h"

class CButton : public CWnd {
  public:
    // Check boxes: BST_CHECKED or BST_UNCHECKED.
    int GetCheck() const {
        return GetPeer() != nullptr && GetPeer()->IsChecked() ? BST_CHECKED : BST_UNCHECKED;
    }
    void SetCheck(int check) {
        if (GetPeer() != nullptr) {
            GetPeer()->SetCheck(check == BST_CHECKED);
        }
    }
};
