// The headless backend: message boxes in the log, modal dialogs with a driver.
#include <gtest/gtest.h>

#include "platform/CDialog.h"
#include "platform/CWinApp.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/headless/HeadlessWindow.h"

namespace {

class CountingDialog : public CDialog {
  public:
    CountingDialog() : CDialog(102) {}
    BOOL OnInitDialog() override {
        ++initialised;
        return CDialog::OnInitDialog();
    }
    int initialised = 0;
};

class HeadlessBackendTest : public ::testing::Test {
  protected:
    HeadlessBackendTest() { SetCurrentBackend(&backend); }
    ~HeadlessBackendTest() override { SetCurrentBackend(nullptr); }

    CallLog log;
    HeadlessBackend backend{log};
};

TEST_F(HeadlessBackendTest, MessageBoxesAreLoggedWithTextAndType) {
    EXPECT_EQ(AfxMessageBox("消息 message", MB_OK, 0), IDOK);
    ASSERT_EQ(log.Calls().size(), 1u);
    EXPECT_EQ(log.Calls()[0].kind, LoggedCall::Kind::MessageBox);
    EXPECT_EQ(log.Calls()[0].text, "消息 message");
    EXPECT_EQ(log.Calls()[0].value, static_cast<int>(MB_OK));
}

TEST_F(HeadlessBackendTest, ModalDialogIsInitialisedDrivenAndEnded) {
    CountingDialog dialog;
    backend.SetModalDriver([](CDialog& running, HeadlessWindow& window) {
        EXPECT_EQ(running.GetPeer(), &window);
        window.Deliver(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.initialised, 1);
    EXPECT_EQ(dialog.GetPeer(), nullptr);
}

TEST_F(HeadlessBackendTest, DialogNobodyEndsCountsAsCancelled) {
    CountingDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.initialised, 1);
}

TEST_F(HeadlessBackendTest, IconMetrics) {
    EXPECT_EQ(backend.GetSystemMetrics(SM_CXICON), 32);
    EXPECT_EQ(backend.GetSystemMetrics(SM_CYICON), 32);
}

}  // namespace
