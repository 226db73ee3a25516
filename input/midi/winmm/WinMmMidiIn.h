// MIDI keyboards on Windows: every midiIn device, opened at start and again whenever the
// system says its devices changed (WM_DEVICECHANGE, to a hidden window of this source's
// own), so that one plugged in later is heard and one unplugged is closed. The system's
// callbacks come on a thread of its own; the keys go to the sink from there.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "input/midi/MidiInSink.h"

namespace input::midi {

class WinMmMidiIn {
  public:
    explicit WinMmMidiIn(MidiInSink& sink) : m_sink(sink) {}
    ~WinMmMidiIn();
    WinMmMidiIn(const WinMmMidiIn&) = delete;
    WinMmMidiIn& operator=(const WinMmMidiIn&) = delete;

    // On the window's thread, which then hears of device changes.
    void Open(HINSTANCE instance);
    void Close();

  private:
    struct Device {
        HMIDIIN handle;
        std::string name;
    };

    static void CALLBACK Callback(HMIDIIN handle, UINT message, DWORD_PTR self, DWORD_PTR packed,
                                  DWORD_PTR time);
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Closes every device and opens those there are now, telling who came and went.
    void Rescan();
    void CloseDevices();

    MidiInSink& m_sink;
    HWND m_window = nullptr;
    std::vector<Device> m_devices;
};

}  // namespace input::midi
