#include "staff/test/HeadlessStaff.h"

#include <utility>

#include "staff/test/Transcript.h"

HeadlessStaff::HeadlessStaff(MidiDevice* device) : m_mapper(device) {
    Renew();
}

HeadlessStaff::~HeadlessStaff() {
    // The control goes first, while its backend and MIDI device are still the process's.
    m_staff.reset();
}

void HeadlessStaff::Renew() {
    m_staff.reset();
    m_staff = std::make_unique<StaffProbe>();
    m_staff->Attach(&window);
}

void HeadlessStaff::Transcribe(std::function<void(const std::string&)> sink) {
    log.SetListener([sink](const LoggedCall& call) {
        // Every release tells the owner that the drag ended; the transcript shows the
        // release already, and stays as it was before owners were told.
        if (call.kind == LoggedCall::Kind::Notify &&
            call.value == static_cast<int>(STAFFN_DRAGENDED)) {
            return;
        }
        sink(DescribeCall(call));
    });
    midi.SetMessageListener([sink](DWORD message) { sink(DescribeMidiMessage(message)); });
}

void HeadlessStaff::KeepTranscript() {
    Transcribe([this](const std::string& line) { m_kept.push_back(line); });
}

std::vector<std::string> HeadlessStaff::TakeTranscript() {
    return std::exchange(m_kept, {});
}

void HeadlessStaff::Down(int x, int y, UINT flags) {
    window.Deliver(WM_LBUTTONDOWN, flags, MAKELPARAM(x, y));
}

void HeadlessStaff::Move(int x, int y, UINT flags) {
    window.Deliver(WM_MOUSEMOVE, flags, MAKELPARAM(x, y));
}

void HeadlessStaff::Up(int x, int y, UINT flags) {
    window.Deliver(WM_LBUTTONUP, flags, MAKELPARAM(x, y));
}

void HeadlessStaff::Repaint() {
    m_staff->InvalidateRect(nullptr, FALSE);
    window.RunPendingPaint();
}

void HeadlessStaff::Repaint(const RECT& part) {
    m_staff->InvalidateRect(&part, FALSE);
    window.RunPendingPaint();
}

std::vector<std::string> HeadlessStaff::MessageBoxes() const {
    std::vector<std::string> texts;
    for (const LoggedCall& call : log.Calls()) {
        if (call.kind == LoggedCall::Kind::MessageBox) {
            texts.push_back(call.text);
        }
    }
    return texts;
}
