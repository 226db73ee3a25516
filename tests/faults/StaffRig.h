// A staff control in a headless window with a headless backend that records message boxes,
// and a scripted drag across several staff positions, for the MIDI fault tests.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "midi/MidiDevice.h"
#include "midi/MidiMapper.h"
#include "platform/Backend.h"
#include "platform/headless/CallLog.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/headless/HeadlessWindow.h"
#include "staff/StaffControl.h"

class StaffRig {
  public:
    explicit StaffRig(MidiDevice* device) : m_backend(m_log), m_window(m_log, 600, 160) {
        SetCurrentBackend(&m_backend);
        SetMidiMapperDevice(device);
        m_staff = std::make_unique<CStaffControl>();
        m_staff->Attach(&m_window);
        m_staff->SetMaxNotes(1);
        m_staff->SetClef(true);
    }

    ~StaffRig() {
        m_staff.reset();
        SetMidiMapperDevice(nullptr);
        SetCurrentBackend(nullptr);
    }

    CStaffControl& Staff() { return *m_staff; }
    void DestroyStaff() { m_staff.reset(); }

    // The texts of the message boxes shown so far, in order.
    std::vector<std::string> MessageBoxes() const {
        std::vector<std::string> texts;
        for (const LoggedCall& call : m_log.Calls()) {
            if (call.kind == LoggedCall::Kind::MessageBox) {
                texts.push_back(call.text);
            }
        }
        return texts;
    }

    void Press(int x, int y) { Send(WM_LBUTTONDOWN, MK_LBUTTON, x, y); }
    void Move(int x, int y) { Send(WM_MOUSEMOVE, MK_LBUTTON, x, y); }
    void Release(int x, int y) { Send(WM_LBUTTONUP, 0, x, y); }

    // Places the note at (300, 90) and drags it over four other staff positions (each move
    // changes the line offset, so each one sounds), then releases it at step 2 (y 116).
    // `halfway` runs after the second move.
    static constexpr int kSoundingMoves = 4;
    void DragAcrossTheStaff(const std::function<void()>& halfway = nullptr) {
        Press(300, 90);
        Move(300, 60);
        Move(300, 50);
        if (halfway) {
            halfway();
        }
        Move(300, 100);
        Move(300, 120);
        Release(300, 120);
        m_window.RunPendingPaint();
    }

    // The staff step of the first note, as the position button would show it; 0 for none.
    int FirstStep() {
        int steps[CStaffControl::kMaxNoteSlots] = {};
        int count = 0;
        m_staff->GetNotes(steps, count);
        return count > 0 ? steps[0] : 0;
    }

  private:
    void Send(UINT message, UINT flags, int x, int y) {
        m_window.Deliver(message, flags, MAKELPARAM(x, y));
    }

    CallLog m_log;
    HeadlessBackend m_backend;
    HeadlessWindow m_window;
    std::unique_ptr<CStaffControl> m_staff;
};
