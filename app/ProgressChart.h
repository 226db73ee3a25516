// The progress chart: for each of the last days, the answers as a hatched bar (left scale),
// the share right as a thick line and the notes per minute of right answers as a thin line
// with hollow squares (both on the right scale, 0 to 100), the target of 30 notes a minute as
// a dashed level line, and a black square under each day whose goal was met. Shapes and
// strokes, not colours, tell them apart. Days run left to right, today last; the numbers
// under them count the days before today. Drawn with the drawing layer in client pixels.
#pragma once

#include "app/PictureStatic.h"
#include "platform/CDC.h"
#include "practice/ChartDays.h"

// Where the chart puts a day and a value, in client pixels of its 600 x 200 picture.
struct ChartLayout {
    static constexpr int kWidth = 600;
    static constexpr int kHeight = 200;
    static constexpr int kLeft = 34;  // the plot: [kLeft, kRight) x [kTop, kBase)
    static constexpr int kRight = 566;
    static constexpr int kTop = 12;
    static constexpr int kBase = 168;  // the baseline, under the plot
    static constexpr int kMarkTop = kBase + 3;
    static constexpr int kMarkSize = 5;

    int days = 30;
    int answersScale = 10;  // the left scale's top

    explicit ChartLayout(const practice::ChartFigures& figures);
    // Day `index` (0: the oldest) covers [DayLeft(index), DayLeft(index + 1)).
    int DayLeft(int index) const { return kLeft + index * (kRight - kLeft) / days; }
    int DayCentre(int index) const { return (DayLeft(index) + DayLeft(index + 1) - 1) / 2; }
    int AnswersY(int answers) const { return kBase - answers * (kBase - kTop) / answersScale; }
    static int PercentY(int value) { return kBase - value * (kBase - kTop) / 100; }
};

void DrawProgressChart(CDC& dc, const practice::ChartFigures& figures);

class CProgressChart : public CPictureStatic {
  public:
    void SetFigures(practice::ChartFigures figures);

  protected:
    void OnPaint();

    DECLARE_MESSAGE_MAP()

    practice::ChartFigures m_figures;
};
