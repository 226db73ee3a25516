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
    explicit StaffScene(bool opaque = false);
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
    CallLog m_log;
    HeadlessWindow m_window{m_log, 600, 160};
    CStaffControl m_staff;
};

}  // namespace bench
