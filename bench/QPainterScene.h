// The same scene drawn the way a Qt program would draw it: QPainter's raster engine into a
// QImage, the staff with drawImage, each note with the two raster operations that give the
// control's result (NOT mask OR screen, then glyph AND screen), ledger lines with drawLine.
#pragma once

#include <QImage>
#include <vector>

#include "bench/StaffScene.h"

namespace bench {

class QPainterScene {
  public:
    // Loads the treble pictures from the program's resources, converted once.
    explicit QPainterScene(std::vector<NoteDrawing> drawings);

    void Draw(QImage& target) const;
    static QImage MakeTarget();

  private:
    std::vector<NoteDrawing> m_drawings;
    QImage m_staff;
    QImage m_note;
    QImage m_selected;
    QImage m_mask;
};

}  // namespace bench
