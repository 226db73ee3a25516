#include "bench/StaffScene.h"

#include <array>

#include "platform/headless/HeadlessBackend.h"
#include "staff/StaffGeometry.h"

namespace bench {

namespace {

// Steps beyond the staff, each with one to three ledger lines, above and below it.
constexpr std::array<int, 9> kFixedSteps{17, 16, 15, 14, 13, 1, 0, -2, -3};

// Placed notes on the outer ledger lines; the last one is picked up and held.
struct Point {
    int x;
    int y;
};
constexpr std::array<Point, StaffScene::kPlacedNotes> kPlaced{
    {{120, 39}, {200, 123}, {280, 39}, {360, 123}, {440, 123}}};

// A backend whose surfaces are opaque, as Qt's are, while the control loads its bitmaps.
class OpaqueBackend : public HeadlessBackend {
  public:
    using HeadlessBackend::HeadlessBackend;
    bool OpaqueSurfaces() const override { return true; }
};

LPARAM PointParam(int x, int y) {
    return MAKELPARAM(x, y);
}

}  // namespace

StaffScene::StaffScene(bool opaque, int ledgerLines) {
    m_staff.Attach(&m_window);
    m_staff.SetMaxNotes(kPlacedNotes);
    m_staff.SetLedgerLines(ledgerLines);
    m_window.Move(0, 0, staff::kStaffWidth, m_staff.Geometry().Height(), FALSE);
    m_nShift = m_staff.Geometry().Shift();
    if (opaque) {
        m_window.ClientSurface().MakeOpaque();
        OpaqueBackend backend(m_log);
        Backend* const previous = CurrentBackend();
        SetCurrentBackend(&backend);
        m_staff.SetClef(true);
        SetCurrentBackend(previous);
    } else {
        m_staff.SetClef(true);
    }
    for (int column = 0; column < kFixedColumns; ++column) {
        m_staff.SetFixedNote(column, FixedStep(column), kFixedColumns);
    }
    // The outer places: the first ledger lines, or the outermost of a taller staff.
    const int top = m_staff.Geometry().ClampTop();
    const int bottom = m_staff.Geometry().ClampBottom();
    for (const Point& point : kPlaced) {
        const int y = point.y == staff::kClampTop ? top : bottom;
        Mouse(WM_LBUTTONDOWN, point.x, y);
        if (&point != &kPlaced.back()) {
            Mouse(WM_LBUTTONUP, point.x, y);
        }
    }
    Repaint();
    ClearLog();
}

// On a taller staff the fixed notes lie as far beyond its first ledger lines.
int StaffScene::FixedStep(int column) const {
    const int step = kFixedSteps[static_cast<std::size_t>(column) % kFixedSteps.size()];
    return step + (step >= 7 ? m_nShift / 7 : -m_nShift / 7);
}

StaffScene::~StaffScene() {
    m_staff.Attach(nullptr);
}

void StaffScene::Repaint() {
    m_window.Invalidate(nullptr, FALSE);
    m_window.RunPendingPaint();
}

void StaffScene::Mouse(UINT message, int x, int y) {
    const WPARAM flags = message == WM_LBUTTONUP ? 0 : MK_LBUTTON;
    m_window.Deliver(message, flags, PointParam(x, y));
}

std::vector<NoteDrawing> StaffScene::Drawings() const {
    std::vector<NoteDrawing> drawings;
    for (int column = 0; column < kFixedColumns; ++column) {
        drawings.push_back(
            {staff::ColumnToX(column, kFixedColumns), m_staff.StepToY(FixedStep(column)), false});
    }
    for (int i = 0; i < m_staff.NoteCount(); ++i) {
        const CPoint centre = m_staff.NoteCentre(i);
        drawings.push_back({centre.x, centre.y, i == m_staff.SelectedNote()});
    }
    return drawings;
}

}  // namespace bench
