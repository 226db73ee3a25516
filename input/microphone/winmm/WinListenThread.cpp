// The Windows build's runtime has no std::thread: the listener runs on a thread of the
// system's own.
#include <windows.h>

#include "input/microphone/ListenThread.h"

namespace input {

namespace {

// SetThreadDescription came with Windows 10 (1607): looked up, so that older systems run
// the thread unnamed.
void NameThisThread() {
    using SetDescription = HRESULT(WINAPI*)(HANDLE, PCWSTR);
    const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    const auto set = kernel == nullptr ? nullptr
                                       : reinterpret_cast<SetDescription>(reinterpret_cast<void*>(
                                             GetProcAddress(kernel, "SetThreadDescription")));
    if (set != nullptr) {
        set(GetCurrentThread(), L"canzet-listen");
    }
}

class WinListenThread : public ListenThread {
  public:
    explicit WinListenThread(std::function<void()> run) : m_run(std::move(run)) {
        m_thread = CreateThread(nullptr, 0, &WinListenThread::Main, this, 0, nullptr);
    }
    ~WinListenThread() override {
        if (m_thread != nullptr) {
            CloseHandle(m_thread);
        }
    }

    bool Started() const { return m_thread != nullptr; }
    void Join() override { WaitForSingleObject(m_thread, INFINITE); }
    // The thread holds what it runs with: it ends on its own.
    void Detach() override {}

  private:
    static DWORD WINAPI Main(void* self) {
        NameThisThread();
        // The function is moved out first: a detached thread may outlive this object.
        const std::function<void()> run = std::move(static_cast<WinListenThread*>(self)->m_run);
        run();
        return 0;
    }

    std::function<void()> m_run;
    HANDLE m_thread = nullptr;
};

}  // namespace

std::unique_ptr<ListenThread> StartListenThread(std::function<void()> run) {
    auto thread = std::make_unique<WinListenThread>(std::move(run));
    if (!thread->Started()) {
        return nullptr;
    }
    return thread;
}

}  // namespace input
