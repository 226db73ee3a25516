#include "app/ProgressChart.h"

#include <algorithm>
#include <array>

#include "app/ChartDigits.h"

namespace {

using L = ChartLayout;
constexpr int kTickLength = 3;
constexpr int kDigitsHalfHeight = 4;
constexpr int kDashOn = 6;
constexpr int kDashOff = 4;
constexpr int kSquareHalf = 2;
constexpr std::array<int, 12> kNiceScales = {10,   20,   50,   100,   200,   500,
                                             1000, 2000, 5000, 10000, 20000, 50000};

void Line(CDC& dc, int x0, int y0, int x1, int y1) {
    dc.MoveTo(x0, y0);
    dc.LineTo(x1, y1);
}

void DrawScales(CDC& dc, const ChartLayout& layout) {
    Line(dc, L::kLeft - 1, L::kTop, L::kLeft - 1, L::kBase + 1);
    Line(dc, L::kRight, L::kTop, L::kRight, L::kBase + 1);
    Line(dc, L::kLeft - 1, L::kBase, L::kRight + 1, L::kBase);
    for (const int answers : {0, layout.answersScale / 2, layout.answersScale}) {
        const int y = layout.AnswersY(answers);
        Line(dc, L::kLeft - 1 - kTickLength, y, L::kLeft - 1, y);
        DrawNumber(dc, L::kLeft - 3 - kTickLength, y - kDigitsHalfHeight, answers,
                   DigitsAlign::Right);
    }
    for (const int percent : {0, 30, 50, 100}) {
        const int y = L::PercentY(percent);
        Line(dc, L::kRight + 1, y, L::kRight + 1 + kTickLength, y);
        DrawNumber(dc, L::kRight + 3 + kTickLength, y - kDigitsHalfHeight, percent,
                   DigitsAlign::Left);
    }
    // Days before today, at a step that leaves room for the numbers.
    const int step = layout.days <= 30 ? 5 : layout.days <= 90 ? 10 : 30;
    for (int before = 0; before < layout.days; before += step) {
        const int x = layout.DayCentre(layout.days - 1 - before);
        Line(dc, x, L::kBase + 1, x, L::kMarkTop);
        DrawNumber(dc, x, L::kMarkTop + L::kMarkSize + 3, before, DigitsAlign::Centre);
    }
}

// Hatched, every other pixel column, under a solid top: grey in any rendering.
void DrawBar(CDC& dc, const ChartLayout& layout, int index, int answers) {
    const int left = layout.DayLeft(index);
    const int right = layout.DayLeft(index + 1) - (layout.DayLeft(index + 1) - left >= 3 ? 1 : 0);
    const int top = std::min(layout.AnswersY(answers), L::kBase - 1);
    Line(dc, left, top, right, top);
    for (int x = left; x < right; x += 2) {
        Line(dc, x, top, x, L::kBase);
    }
}

void DrawTarget(CDC& dc) {
    const int y = L::PercentY(practice::ChartFigures::kTargetNotesPerMinute);
    for (int x = L::kLeft; x < L::kRight; x += kDashOn + kDashOff) {
        Line(dc, x, y, std::min(x + kDashOn, L::kRight), y);
    }
}

// A polyline through the practised days' values, broken at days without practice; `thick`
// doubles it upward, `squares` marks each value with a hollow square.
template <typename Value>
void DrawValues(CDC& dc, const ChartLayout& layout, const practice::ChartFigures& figures,
                Value value, bool thick, bool squares) {
    for (std::size_t i = 0; i < figures.days.size(); ++i) {
        if (figures.days[i].answers == 0) {
            continue;
        }
        const int index = static_cast<int>(i);
        const int x = layout.DayCentre(index);
        const int y = L::PercentY(std::min(value(figures.days[i]), 100));
        if (squares) {
            dc.MoveTo(x - kSquareHalf, y - kSquareHalf);
            dc.LineTo(x + kSquareHalf, y - kSquareHalf);
            dc.LineTo(x + kSquareHalf, y + kSquareHalf);
            dc.LineTo(x - kSquareHalf, y + kSquareHalf);
            dc.LineTo(x - kSquareHalf, y - kSquareHalf);
        }
        if (i + 1 < figures.days.size() && figures.days[i + 1].answers > 0) {
            const int nx = layout.DayCentre(index + 1);
            const int ny = L::PercentY(std::min(value(figures.days[i + 1]), 100));
            Line(dc, x, y, nx, ny);
            if (thick) {
                Line(dc, x, y - 1, nx, ny - 1);
            }
        } else {
            Line(dc, x, y, x + 1, y);
            if (thick) {
                Line(dc, x, y - 1, x + 1, y - 1);
            }
        }
    }
}

}  // namespace

ChartLayout::ChartLayout(const practice::ChartFigures& figures)
    : days(std::max<int>(1, static_cast<int>(figures.days.size()))) {
    int most = 0;
    for (const practice::ChartDay& day : figures.days) {
        most = std::max(most, day.answers);
    }
    answersScale = kNiceScales.back();
    for (const int scale : kNiceScales) {
        if (scale >= most) {
            answersScale = scale;
            break;
        }
    }
}

void DrawProgressChart(CDC& dc, const practice::ChartFigures& figures) {
    const ChartLayout layout(figures);
    dc.PatBlt(0, 0, L::kWidth, L::kHeight, WHITENESS);
    for (std::size_t i = 0; i < figures.days.size(); ++i) {
        const practice::ChartDay& day = figures.days[i];
        if (day.answers > 0) {
            DrawBar(dc, layout, static_cast<int>(i), day.answers);
        }
        if (day.goalMet) {
            // Inside the day's column, however narrow.
            const int left = layout.DayLeft(static_cast<int>(i));
            const int column = layout.DayLeft(static_cast<int>(i) + 1) - left;
            const int width = std::min(L::kMarkSize, column);
            dc.PatBlt(left + (column - width) / 2, L::kMarkTop, width, L::kMarkSize, BLACKNESS);
        }
    }
    DrawTarget(dc);
    DrawValues(
        dc, layout, figures, [](const practice::ChartDay& d) { return d.percentRight; }, true,
        false);
    DrawValues(
        dc, layout, figures, [](const practice::ChartDay& d) { return d.notesPerMinute; }, false,
        layout.DayLeft(1) - layout.DayLeft(0) >= 2 * kSquareHalf + 3);
    DrawScales(dc, layout);
}

BEGIN_MESSAGE_MAP(CProgressChart, CPictureStatic)
ON_WM_PAINT()
END_MESSAGE_MAP()

void CProgressChart::SetFigures(practice::ChartFigures figures) {
    m_figures = std::move(figures);
    InvalidateRect(nullptr, FALSE);
}

void CProgressChart::OnPaint() {
    CPaintDC dc(this);
    DrawProgressChart(dc, m_figures);
}
