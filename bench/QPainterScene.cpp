#include "bench/QPainterScene.h"

#include <QPainter>
#include <cstdlib>
#include <cstring>

#include "platform/CBitmap.h"
#include "res/resource.h"
#include "staff/StaffGeometry.h"

namespace bench {

namespace {

QImage LoadPicture(UINT id) {
    CBitmap bitmap;
    bitmap.LoadBitmap(id);
    const Surface& pixels = bitmap.Pixels();
    QImage image(pixels.Width(), pixels.Height(), QImage::Format_RGB32);
    for (int y = 0; y < pixels.Height(); ++y) {
        std::memcpy(image.scanLine(y), pixels.Row(y), static_cast<std::size_t>(pixels.Width()) * 4);
    }
    return image;
}

// Ledger lines by the staff's rule: one per staff space from one space beyond the staff,
// out to the note's own line or the line beyond its space.
void DrawLedgerLines(QPainter& painter, int x, int y) {
    const int offset = staff::LineOffset(y);
    const int beyond = std::abs(offset) - 5;
    if (beyond <= 0) {
        return;
    }
    const int count = beyond / 2 + 1;
    for (int i = 0; i < count; ++i) {
        const int ly = offset > 0 ? 123 + 14 * i : 39 - 14 * i;
        // A cosmetic pen draws both end points; the control's line stops short of x + 24.
        painter.drawLine(x - 24, ly, x + 23, ly);
    }
}

}  // namespace

QPainterScene::QPainterScene(std::vector<NoteDrawing> drawings)
    : m_drawings(std::move(drawings)),
      m_staff(LoadPicture(IDB_STAFF_TREBLE)),
      m_note(LoadPicture(IDB_NOTE)),
      m_selected(LoadPicture(IDB_NOTE_SELECTED)),
      m_mask(LoadPicture(IDB_NOTE_MASK)) {}

QImage QPainterScene::MakeTarget() {
    return QImage(staff::kStaffWidth, staff::kStaffHeight, QImage::Format_RGB32);
}

void QPainterScene::Draw(QImage& target) const {
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, m_staff);
    painter.setPen(QPen(Qt::black, 0));
    for (const NoteDrawing& note : m_drawings) {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        DrawLedgerLines(painter, note.x, note.y);
        const QPoint corner(note.x - staff::kNoteHalfWidth, note.y - staff::kNoteHalfHeight);
        painter.setCompositionMode(QPainter::RasterOp_NotSourceOrDestination);
        painter.drawImage(corner, m_mask);
        painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        painter.drawImage(corner, note.selected ? m_selected : m_note);
    }
}

}  // namespace bench
