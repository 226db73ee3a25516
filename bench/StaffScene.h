// The scene every repaint benchmark draws: the treble staff, sixteen fixed notes that all
// need ledger lines, and five placed notes, the last of them being dragged. It is built the
// way a user builds it, with mouse messages through the control's message map.
#pragma once

#include <vector>

#include "platform/headless/CallLog.h"
#include "platform/headless/HeadlessWindow.h"
#include "staff/StaffControl.h"

namespace bench {

// Where a note is drawn and with which glyph, in drawing order.
struct NoteDrawing {
    int x;
    int y;
    bool selected;
};

class StaffScene {
  public:
    // `opaque`: the window's surface holds 0xFF above each colour, as a Qt window's does.
    // `ledgerLines`: the staff's room above and below, 4 for the tallest, 600 x 244; its
    // notes then lie on the outermost places and need every ledger line.
    explicit StaffScene(bool opaque = false, int ledgerLines = 1);
    ~StaffScene();

    // Invalidates the whole control and delivers the WM_PAINT that follows.
    void Repaint();
    // Delivers one mouse message to the control, as the window system would.
    void Mouse(UINT message, int x, int y);
    // The log grows with every call; benchmarks empty it as they go.
    void ClearLog() { m_log.Clear(); }

    CStaffControl& Staff() { return m_staff; }
    const Surface& Screen() { return m_window.ClientSurface(); }
    // The notes the repaint draws, fixed ones first, each placed note in slot order.
    std::vector<NoteDrawing> Drawings() const;

    static constexpr int kFixedColumns = 16;
    static constexpr int kPlacedNotes = 5;

  private:
    int FixedStep(int column) const;

    CallLog m_log;
    HeadlessWindow m_window{m_log, 600, 160};
    int m_nShift = 0;  // how much lower the notes lie on a taller staff
    CStaffControl m_staff;
};

}  // namespace bench
