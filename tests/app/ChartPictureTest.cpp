// The progress chart at one and two surface pixels to the pixel, against a reference drawn
// from its figures: a hatched bar for each day practised, a black square for each goal met,
// nothing but the target's dashes over a day without practice, each day's values on its
// lines.
#include <gtest/gtest.h>

#include "app/ProgressChart.h"
#include "platform/Surface.h"

namespace {

using L = ChartLayout;

class SurfaceDC : public CDC {
  public:
    SurfaceDC(Surface& surface, int scale) {
        SetTarget(&surface, CRect(0, 0, L::kWidth, L::kHeight), scale);
    }
};

// Every surface pixel of the client pixel (x, y) is black, or every one is white.
bool Ink(const Surface& s, int scale, int x, int y, bool black) {
    for (int ty = y * scale; ty < (y + 1) * scale; ++ty) {
        for (int tx = x * scale; tx < (x + 1) * scale; ++tx) {
            if (((s.Pixel(tx, ty) & 0x00FFFFFF) == Surface::kBlack) != black) {
                return false;
            }
        }
    }
    return true;
}

struct ChartCase {
    const char* name;
    int days;
    int scale;
};

practice::ChartFigures FiguresOf(int count) {
    practice::ChartFigures figures;
    for (int i = 0; i < count; ++i) {
        const bool practised = i % 7 != 3 && i % 11 != 5;
        figures.days.push_back({.day = i,
                                .answers = practised ? 5 + (i * 37) % 150 : 0,
                                .percentRight = practised ? 40 + (i * 13) % 61 : 0,
                                .notesPerMinute = practised ? 10 + (i * 7) % 40 : 0,
                                .goalMet = practised && i % 3 == 0});
    }
    return figures;
}

class ChartPicture : public testing::TestWithParam<ChartCase> {};

TEST_P(ChartPicture, ShowsEveryDayAsItsFiguresSay) {
    const ChartCase& c = GetParam();
    const practice::ChartFigures figures = FiguresOf(c.days);
    Surface canvas(L::kWidth * c.scale, L::kHeight * c.scale);
    SurfaceDC dc(canvas, c.scale);
    DrawProgressChart(dc, figures);

    const ChartLayout layout(figures);
    ASSERT_EQ(layout.answersScale, 200);  // the most answers, 154, on a round scale
    const int targetY = L::PercentY(practice::ChartFigures::kTargetNotesPerMinute);
    int mismatches = 0;
    const auto expect = [&](int x, int y, bool black) {
        mismatches += Ink(canvas, c.scale, x, y, black) ? 0 : 1;
    };
    for (int i = 0; i < c.days; ++i) {
        const practice::ChartDay& day = figures.days[static_cast<std::size_t>(i)];
        const int left = layout.DayLeft(i);
        const int next = layout.DayLeft(i + 1);
        const int right = next - (next - left >= 3 ? 1 : 0);
        if (day.answers > 0) {
            for (int x = left; x < right; x += 2) {
                for (int y = layout.AnswersY(day.answers); y < L::kBase; ++y) {
                    expect(x, y, true);
                }
            }
            expect(layout.DayCentre(i), L::PercentY(day.percentRight), true);
            expect(layout.DayCentre(i), L::PercentY(day.notesPerMinute), true);
        } else {
            for (int x = left; x < next; ++x) {
                for (int y = L::kTop; y < L::kBase; ++y) {
                    expect(x, y, y == targetY && (x - L::kLeft) % 10 < 6);
                }
            }
        }
        const int width = std::min(L::kMarkSize, next - left);
        for (int x = left + (next - left - width) / 2; x < left + (next - left + width) / 2; ++x) {
            for (int y = L::kMarkTop; y < L::kMarkTop + L::kMarkSize; ++y) {
                expect(x, y, day.goalMet);
            }
        }
    }
    EXPECT_EQ(mismatches, 0) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Charts, ChartPicture,
                         testing::Values(ChartCase{"30 days", 30, 1}, ChartCase{"30 days", 30, 2},
                                         ChartCase{"90 days", 90, 1},
                                         ChartCase{"365 days", 365, 2}));

}  // namespace
