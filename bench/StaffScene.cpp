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

StaffScene::StaffScene(bool opaque) {
    m_staff.Attach(&m_window);
    m_staff.SetMaxNotes(kPlacedNotes);
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
        m_staff.SetFixedNote(column, kFixedSteps[column % kFixedSteps.size()], kFixedColumns);
    }
    for (const Point& point : kPlaced) {
        Mouse(WM_LBUTTONDOWN, point.x, point.y);
        if (&point != &kPlaced.back()) {
            Mouse(WM_LBUTTONUP, point.x, point.y);
        }
    }
    Repaint();
    ClearLog();
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
        const int step = kFixedSteps[column % kFixedSteps.size()];
        drawings.push_back({staff::ColumnToX(column, kFixedColumns), staff::StepToY(step), false});
    }
    for (int i = 0; i < m_staff.NoteCount(); ++i) {
        const CPoint centre = m_staff.NoteCentre(i);
        drawings.push_back({centre.x, centre.y, i == m_staff.SelectedNote()});
    }
    return drawings;
}

}  // namespace bench
