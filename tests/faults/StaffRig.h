// The headless staff with its pictures and a scripted drag across several staff positions,
// for the MIDI fault tests.
#pragma once

#include <functional>

#include "staff/test/HeadlessStaff.h"

class StaffRig : public HeadlessStaff {
  public:
    // `device` stands behind the mapper; nullptr for none.
    explicit StaffRig(MidiDevice* device) : HeadlessStaff(device) { Staff().SetClef(true); }

    // Places the note at (300, 90) and drags it over four other staff positions (each move
    // changes the line offset, so each one sounds), then releases it at step 2 (y 116).
    // `halfway` runs after the second move.
    static constexpr int kSoundingMoves = 4;
    void DragAcrossTheStaff(const std::function<void()>& halfway = nullptr) {
        Down(300, 90);
        Move(300, 60);
        Move(300, 50);
        if (halfway) {
            halfway();
        }
        Move(300, 100);
        Move(300, 120);
        Up(300, 120);
        window.RunPendingPaint();
    }

    // The staff step of the first note, as the position button would show it; 0 for none.
    int FirstStep() {
        int steps[CStaffControl::kMaxNoteSlots] = {};
        int count = 0;
        Staff().GetNotes(steps, count);
        return count > 0 ? steps[0] : 0;
    }
};
