#include "StaffHarness.h"

#include <cstdio>
#include <utility>

#include "midi/MidiMapper.h"

namespace {

std::string MouseName(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN:
            return "down";
        case WM_MOUSEMOVE:
            return "move";
        case WM_LBUTTONUP:
            return "up";
        default:
            return "message " + std::to_string(message);
    }
}

std::string Describe(const LoggedCall& call) {
    switch (call.kind) {
        case LoggedCall::Kind::Invalidate:
            return std::string("invalidate") + (call.whole ? "" : " part") +
                   (call.flag ? " erase" : "");
        case LoggedCall::Kind::DefaultProcessing:
            return "default " + MouseName(call.message) + " " + std::to_string(call.wParam) + " " +
                   std::to_string(GET_X_LPARAM(call.lParam)) + " " +
                   std::to_string(GET_Y_LPARAM(call.lParam));
        case LoggedCall::Kind::MessageBox:
            return "msgbox " + call.text;
        default:
            return "other " + std::to_string(static_cast<int>(call.kind));
    }
}

}  // namespace

StaffHarness::StaffHarness() {
    SetCurrentBackend(&backend);
    SetMidiMapperDevice(&midi);
    staff.Attach(&window);
    log.SetListener([this](const LoggedCall& call) { m_trail.push_back(Describe(call)); });
    midi.SetMessageListener([this](DWORD message) {
        char text[32];
        std::snprintf(text, sizeof(text), "midi %08x", message);
        m_trail.emplace_back(text);
    });
}

StaffHarness::~StaffHarness() {
    staff.CloseMidi();
    SetMidiMapperDevice(nullptr);
    SetCurrentBackend(nullptr);
}

void StaffHarness::Down(int x, int y, UINT flags) {
    window.Deliver(WM_LBUTTONDOWN, flags, MAKELPARAM(x, y));
}

void StaffHarness::Move(int x, int y, UINT flags) {
    window.Deliver(WM_MOUSEMOVE, flags, MAKELPARAM(x, y));
}

void StaffHarness::Up(int x, int y, UINT flags) {
    window.Deliver(WM_LBUTTONUP, flags, MAKELPARAM(x, y));
}

std::vector<std::string> StaffHarness::TakeTrail() {
    return std::exchange(m_trail, {});
}

void StaffHarness::Place(std::initializer_list<CPoint> centres) {
    for (const CPoint& centre : centres) {
        staff.m_ptNotes[staff.m_nNoteCount++] = centre;
    }
}
