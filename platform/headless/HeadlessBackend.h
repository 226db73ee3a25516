// The application-wide side of the headless window system: message boxes are logged and
// answered with OK; a modal dialog gets a window, WM_INITDIALOG and, if set, a driver that
// stands in for the user until the dialog ends.
#pragma once

#include <deque>
#include <functional>
#include <mutex>
#include <set>
#include <utility>

#include "platform/Backend.h"
#include "platform/headless/CallLog.h"

class HeadlessWindow;

class HeadlessBackend : public Backend {
  public:
    using ModalDriver = std::function<void(CDialog& dialog, HeadlessWindow& window)>;

    explicit HeadlessBackend(CallLog& log) : m_log(log) {}

    INT_PTR RunModalDialog(CDialog& dialog, UINT templateId, CWnd* parent) override;
    int MessageBox(const std::string& utf8Text, UINT type) override;
    int GetSystemMetrics(int index) override;
    SHORT GetKeyState(int virtualKey) override;

    // Kept until RunPostedWork, which the test's own thread calls as its window loop would.
    void PostToWindowThread(std::function<void()> work) override;
    void RunPostedWork();

    // Holds a key down, or lets it go, for the key messages that follow.
    void SetKeyDown(int virtualKey, bool down);

    // Runs inside every modal dialog after its initialisation.
    void SetModalDriver(ModalDriver driver) { m_driver = std::move(driver); }

    static constexpr int kIconSize = 32;

  private:
    CallLog& m_log;
    ModalDriver m_driver;
    std::set<int> m_keysDown;
    std::mutex m_postedMutex;
    std::deque<std::function<void()>> m_posted;
};
