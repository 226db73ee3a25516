#include "platform/headless/HeadlessBackend.h"

// RunModalDialog builds its dialog from the template: HeadlessDialog.cpp.

int HeadlessBackend::MessageBox(const std::string& utf8Text, UINT type) {
    m_log.Add(
        {.kind = LoggedCall::Kind::MessageBox, .value = static_cast<int>(type), .text = utf8Text});
    return IDOK;
}

int HeadlessBackend::GetSystemMetrics(int index) {
    return index == SM_CXICON || index == SM_CYICON ? kIconSize : 0;
}

SHORT HeadlessBackend::GetKeyState(int virtualKey) {
    // The high bit is set while the key is down, as the window system answers.
    return m_keysDown.contains(virtualKey) ? static_cast<SHORT>(-0x8000) : 0;
}

void HeadlessBackend::SetKeyDown(int virtualKey, bool down) {
    if (down) {
        m_keysDown.insert(virtualKey);
    } else {
        m_keysDown.erase(virtualKey);
    }
}

void HeadlessBackend::PostToWindowThread(std::function<void()> work) {
    std::lock_guard lock(m_postedMutex);
    m_posted.push_back(std::move(work));
}

void HeadlessBackend::RunPostedWork() {
    for (;;) {
        std::function<void()> work;
        {
            std::lock_guard lock(m_postedMutex);
            if (m_posted.empty()) {
                return;
            }
            work = std::move(m_posted.front());
            m_posted.pop_front();
        }
        work();
    }
}
