#include "platform/headless/HeadlessBackend.h"

#include "platform/CDialog.h"
#include "platform/headless/HeadlessWindow.h"

INT_PTR HeadlessBackend::RunModalDialog(CDialog& dialog, UINT, CWnd*) {
    HeadlessWindow window(m_log, 0, 0);
    dialog.Attach(&window);
    window.Deliver(WM_INITDIALOG);
    if (m_driver) {
        m_driver(dialog, window);
    }
    dialog.Attach(nullptr);
    // Nobody is there to close a dialog that its driver left open: it counts as cancelled.
    return window.ModalResult().value_or(IDCANCEL);
}

int HeadlessBackend::MessageBox(const std::string& utf8Text, UINT type) {
    m_log.Add(
        {.kind = LoggedCall::Kind::MessageBox, .value = static_cast<int>(type), .text = utf8Text});
    return IDOK;
}

int HeadlessBackend::GetSystemMetrics(int index) {
    return index == SM_CXICON || index == SM_CYICON ? kIconSize : 0;
}
