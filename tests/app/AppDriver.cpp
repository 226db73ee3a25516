#include "tests/app/AppDriver.h"

#include "platform/CDialog.h"
#include "platform/CWinApp.h"
#include "res/resource.h"

int AppDriver::Run(const std::function<void(MainDialogUser&)>& script) {
    m_backend.SetModalDriver([&](CDialog& dialog, HeadlessWindow& window) {
        if (dialog.TemplateId() == IDD_ABOUTBOX) {
            ++aboutBoxesOpened;
            aboutCaption = window.Text();
            window.Deliver(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            return;
        }
        MainDialogUser user(window);
        script(user);
        if (!window.ModalResult()) {
            user.Click(IDOK);
        }
    });
    return AfxWinMain();
}
