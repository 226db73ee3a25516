// MoveTo/LineTo with the default pen: which pixels a line lights, in every direction, and
// how the clip cuts it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <utility>
#include <vector>

#include "PixelCheck.h"
#include "platform/LineRaster.h"

namespace {

using paint_test::PatternSurface;
using paint_test::SameSurface;
using paint_test::SurfaceDC;

using Pixel = std::pair<int, int>;
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kGround = 0xFFFFFF;

// The black pixels of a white surface after one line.
std::set<Pixel> LinePixels(POINT from, POINT to, int width = 60, int height = 40) {
    Surface surface(width, height, kGround);
    SurfaceDC dc(surface);
    dc.MoveTo(from.x, from.y);
    dc.LineTo(to.x, to.y);
    std::set<Pixel> lit;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (surface.Pixel(x, y) == kBlack) {
                lit.insert({x, y});
            }
        }
    }
    return lit;
}

struct LineCase {
    const char* name;
    POINT from;
    POINT to;
    std::vector<Pixel> pixels;
};

class ExplicitLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(ExplicitLine, LightsExactlyThesePixels) {
    const LineCase& c = GetParam();
    EXPECT_EQ(LinePixels(c.from, c.to), std::set<Pixel>(c.pixels.begin(), c.pixels.end()));
}

INSTANTIATE_TEST_SUITE_P(
    Directions, ExplicitLine,
    ::testing::Values(
        LineCase{"Right", {2, 5}, {6, 5}, {{2, 5}, {3, 5}, {4, 5}, {5, 5}}},
        LineCase{"Down", {4, 1}, {4, 4}, {{4, 1}, {4, 2}, {4, 3}}},
        LineCase{"DiagonalDownRight", {1, 1}, {4, 4}, {{1, 1}, {2, 2}, {3, 3}}},
        LineCase{"DiagonalUpRight", {1, 4}, {4, 1}, {{1, 4}, {2, 3}, {3, 2}}},
        LineCase{"ShallowRight", {0, 0}, {6, 2}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}, {5, 2}}},
        // Exact ties take the smaller coordinate, whichever way the line runs.
        LineCase{"TieRight", {0, 0}, {2, 1}, {{0, 0}, {1, 0}}},
        LineCase{"TieLeft", {2, 1}, {0, 0}, {{2, 1}, {1, 0}}},
        LineCase{"TieUpRight", {0, 1}, {2, 0}, {{0, 1}, {1, 0}}},
        LineCase{"TieDown", {0, 0}, {1, 2}, {{0, 0}, {0, 1}}},
        LineCase{"TieUp", {1, 2}, {0, 0}, {{1, 2}, {0, 1}}},
        LineCase{"SinglePixel", {3, 3}, {4, 3}, {{3, 3}}}, LineCase{"Empty", {3, 3}, {3, 3}, {}},
        // A ledger line: 48 pixels, x - 24 to x + 23.
        LineCase{"LedgerLength",
                 {1, 7},
                 {49, 7},
                 [] {
                     std::vector<Pixel> row;
                     for (int x = 1; x < 49; ++x) {
                         row.push_back({x, 7});
                     }
                     return row;
                 }()}),
    [](const ::testing::TestParamInfo<LineCase>& info) { return info.param.name; });

// Every direction up to 9 pixels long from the centre of the surface: one pixel per step
// of the longer axis, start drawn, end not, each pixel within half a pixel of the ideal
// line, and the reverse line lighting the same pixels but for the two ends.
TEST(LineDirections, StepAlongTheLongerAxisAndMatchTheReverse) {
    const POINT centre{20, 20};
    for (int dy = -9; dy <= 9; ++dy) {
        for (int dx = -9; dx <= 9; ++dx) {
            const POINT end{centre.x + dx, centre.y + dy};
            const std::set<Pixel> forward = LinePixels(centre, end);
            const std::set<Pixel> backward = LinePixels(end, centre);
            const int major = std::max(std::abs(dx), std::abs(dy));
            SCOPED_TRACE(::testing::Message() << "dx " << dx << " dy " << dy);

            ASSERT_EQ(forward.size(), static_cast<std::size_t>(major));
            if (major == 0) {
                continue;
            }
            EXPECT_TRUE(forward.count({centre.x, centre.y}));
            EXPECT_FALSE(forward.count({end.x, end.y}));
            std::set<int> majorCoordinates;
            for (const auto& [x, y] : forward) {
                const long cross =
                    static_cast<long>(x - centre.x) * dy - static_cast<long>(y - centre.y) * dx;
                EXPECT_LE(2 * std::abs(cross), major) << "pixel " << x << "," << y;
                majorCoordinates.insert(std::abs(dx) >= std::abs(dy) ? x : y);
            }
            EXPECT_EQ(majorCoordinates.size(), forward.size()) << "one pixel per step";

            std::set<Pixel> forwardInner = forward;
            forwardInner.erase({centre.x, centre.y});
            std::set<Pixel> backwardInner = backward;
            backwardInner.erase({end.x, end.y});
            EXPECT_EQ(forwardInner, backwardInner);
        }
    }
}

// A clipped line lights exactly the pixels of the unclipped line that lie in the clip.
TEST(LineClipping, KeepsTheUnclippedPixelsInsideTheClip) {
    const CRect clips[] = {CRect(0, 0, 16, 12), CRect(3, 2, 11, 9), CRect(-10, -10, 100, 100),
                           CRect(5, 5, 6, 6)};
    const std::pair<POINT, POINT> lines[] = {
        {{-30, -7}, {45, 20}}, {{45, 20}, {-30, -7}}, {{8, -100}, {9, 100}},
        {{-5, 6}, {30, 6}},    {{30, 11}, {-5, 11}},  {{-1000, 900}, {900, -1000}},
        {{7, 7}, {7, -3}},     {{15, 0}, {-2, 17}},   {{-20, 3}, {-1, 3}}};
    constexpr int kOffset = 1200;
    for (const CRect& clip : clips) {
        for (const auto& [from, to] : lines) {
            SCOPED_TRACE(::testing::Message()
                         << "line " << from.x << "," << from.y << " to " << to.x << "," << to.y
                         << " clip " << clip.left << "," << clip.top << "," << clip.right << ","
                         << clip.bottom);
            Surface whole(2 * kOffset + 100, 2 * kOffset + 100, kGround);
            SurfaceDC wholeDC(whole);
            wholeDC.MoveTo(from.x + kOffset, from.y + kOffset);
            wholeDC.LineTo(to.x + kOffset, to.y + kOffset);

            Surface clipped = PatternSurface(16, 12, 7);
            Surface expected = clipped;
            for (int y = std::max<int>(clip.top, 0); y < std::min<int>(clip.bottom, 12); ++y) {
                for (int x = std::max<int>(clip.left, 0); x < std::min<int>(clip.right, 16); ++x) {
                    if (whole.Pixel(x + kOffset, y + kOffset) == kBlack) {
                        expected.SetPixel(x, y, kBlack);
                    }
                }
            }
            SurfaceDC dc(clipped, clip);
            dc.MoveTo(from.x, from.y);
            EXPECT_TRUE(dc.LineTo(to.x, to.y));
            EXPECT_TRUE(SameSurface(clipped, expected));
        }
    }
}

TEST(LinePosition, LineToMovesTheCurrentPointSoAPolylineCloses) {
    Surface surface(10, 10, kGround);
    SurfaceDC dc(surface);
    EXPECT_EQ(dc.MoveTo(1, 1), CPoint(0, 0));
    dc.LineTo(7, 1);
    dc.LineTo(7, 6);
    dc.LineTo(1, 6);
    dc.LineTo(1, 1);
    EXPECT_EQ(dc.MoveTo(0, 0), CPoint(1, 1));
    int lit = 0;
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            const bool onBorder = (x >= 1 && x <= 7 && (y == 1 || y == 6)) ||
                                  (y >= 1 && y <= 6 && (x == 1 || x == 7));
            EXPECT_EQ(surface.Pixel(x, y) == kBlack, onBorder) << x << "," << y;
            lit += surface.Pixel(x, y) == kBlack;
        }
    }
    EXPECT_EQ(lit, 22);
}

TEST(LineLimits, RefusesCoordinatesBeyondTheDeviceRangeButStillMoves) {
    Surface surface(10, 10, kGround);
    const Surface before = surface;
    SurfaceDC dc(surface);
    dc.MoveTo(0, 5);
    EXPECT_FALSE(dc.LineTo(kLineCoordinateLimit + 1, 5));
    EXPECT_TRUE(SameSurface(surface, before));
    EXPECT_EQ(dc.MoveTo(0, 0), CPoint(kLineCoordinateLimit + 1, 5));

    dc.MoveTo(-kLineCoordinateLimit, 5);
    EXPECT_TRUE(dc.LineTo(kLineCoordinateLimit, 5)) << "the limit itself is drawable";
    for (int x = 0; x < 10; ++x) {
        EXPECT_EQ(surface.Pixel(x, 5), kBlack);
    }
}

}  // namespace
