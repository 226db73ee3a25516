#include "input/midi/winmm/WinMmMidiIn.h"

#include <algorithm>
#include <chrono>

#include "input/midi/winmm/MidiInCallback.h"

namespace input::midi {
namespace {

constexpr wchar_t kWindowClass[] = L"CanzetMidiIn";

std::string Utf8Of(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(std::max(size, 1)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr, nullptr);
    utf8.resize(utf8.size() - 1);
    return utf8;
}

bool Has(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

WinMmMidiIn::~WinMmMidiIn() {
    Close();
}

void WinMmMidiIn::Open(HINSTANCE instance) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kWindowClass;
    RegisterClassW(&windowClass);
    // A top-level window, never shown: device changes are broadcast to those alone.
    m_window = CreateWindowExW(0, kWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                               instance, nullptr);
    if (m_window != nullptr) {
        SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    Rescan();
}

void WinMmMidiIn::Close() {
    CloseDevices();
    if (m_window != nullptr) {
        DestroyWindow(m_window);
        m_window = nullptr;
    }
}

void CALLBACK WinMmMidiIn::Callback(HMIDIIN, UINT message, DWORD_PTR self, DWORD_PTR packed,
                                    DWORD_PTR) {
    const std::int64_t now = std::chrono::duration_cast<std::chrono::milliseconds>(
                                 std::chrono::steady_clock::now().time_since_epoch())
                                 .count();
    if (const auto key = KeyFromMidiIn(message, packed, now)) {
        reinterpret_cast<WinMmMidiIn*>(self)->m_sink.KeyPlayed(*key);
    }
}

LRESULT CALLBACK WinMmMidiIn::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<WinMmMidiIn*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_DEVICECHANGE && self != nullptr) {
        self->Rescan();
        return TRUE;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void WinMmMidiIn::Rescan() {
    std::vector<std::string> before;
    for (const Device& device : m_devices) {
        before.push_back(device.name);
    }
    CloseDevices();
    const UINT count = midiInGetNumDevs();
    for (UINT id = 0; id < count; ++id) {
        MIDIINCAPSW caps{};
        HMIDIIN handle = nullptr;
        if (midiInGetDevCapsW(id, &caps, sizeof caps) != MMSYSERR_NOERROR ||
            midiInOpen(&handle, id, reinterpret_cast<DWORD_PTR>(&Callback),
                       reinterpret_cast<DWORD_PTR>(this), CALLBACK_FUNCTION) != MMSYSERR_NOERROR) {
            continue;
        }
        midiInStart(handle);
        m_devices.push_back({handle, Utf8Of(caps.szPname)});
    }
    std::vector<std::string> after;
    for (const Device& device : m_devices) {
        after.push_back(device.name);
        if (!Has(before, device.name)) {
            m_sink.KeyboardCame(device.name);
        }
    }
    for (const std::string& name : before) {
        if (!Has(after, name)) {
            m_sink.KeyboardWent(name);
        }
    }
}

// A device unplugged is closed like any other; its handle answers with an error, no fault.
void WinMmMidiIn::CloseDevices() {
    for (const Device& device : m_devices) {
        midiInStop(device.handle);
        midiInReset(device.handle);
        midiInClose(device.handle);
    }
    m_devices.clear();
}

}  // namespace input::midi
