// The contexts a window hands out (paint and client), memory contexts and icons.
#include <gtest/gtest.h>

#include "PixelCheck.h"
#include "platform/CBitmap.h"
#include "platform/CWnd.h"
#include "platform/Icon.h"
#include "platform/headless/CallLog.h"
#include "platform/headless/HeadlessWindow.h"

namespace {

using paint_test::PatternSurface;
using paint_test::SameSurface;
using paint_test::SurfaceDC;

class WindowContexts : public ::testing::Test {
  protected:
    WindowContexts() { m_wnd.Attach(&m_window); }

    Surface& Client() { return m_window.ClientSurface(); }

    CallLog m_log;
    HeadlessWindow m_window{m_log, 30, 20};
    CWnd m_wnd;
};

// Paints black over the whole client area through `dc`.
void PaintAllBlack(CDC& dc) {
    Surface black(30, 20, 0x000000);
    SurfaceDC source(black);
    dc.BitBlt(0, 0, 30, 20, &source, 0, 0, SRCCOPY);
}

TEST_F(WindowContexts, PaintContextDrawsOnlyInTheInvalidPartValidatesItAndEndsThePaint) {
    Client() = PatternSurface(30, 20, 9);
    Surface expected = Client();
    const RECT invalid{4, 3, 12, 9};
    m_wnd.InvalidateRect(&invalid, FALSE);
    for (int y = 3; y < 9; ++y) {
        for (int x = 4; x < 12; ++x) {
            expected.SetPixel(x, y, 0x000000);
        }
    }
    m_log.Clear();
    {
        CPaintDC dc(&m_wnd);
        EXPECT_EQ(dc.PaintRect(), CRect(4, 3, 12, 9));
        EXPECT_FALSE(m_window.IsPaintPending()) << "BeginPaint validates";
        PaintAllBlack(dc);
        EXPECT_EQ(m_log.CountOf(LoggedCall::Kind::EndPaint), 0);
    }
    EXPECT_EQ(m_log.CountOf(LoggedCall::Kind::BeginPaint), 1);
    EXPECT_EQ(m_log.CountOf(LoggedCall::Kind::EndPaint), 1);
    EXPECT_TRUE(SameSurface(Client(), expected));
}

TEST_F(WindowContexts, ClientContextReachesTheWholeClientAreaWhateverIsInvalid) {
    const RECT invalid{4, 3, 12, 9};
    m_wnd.InvalidateRect(&invalid, FALSE);
    CClientDC dc(&m_wnd);
    PaintAllBlack(dc);
    EXPECT_TRUE(SameSurface(Client(), Surface(30, 20, 0x000000)));
    EXPECT_TRUE(m_window.IsPaintPending()) << "a client context validates nothing";
}

TEST(WindowlessContexts, DrawNothingAndDoNotCrash) {
    CWnd detached;
    CPaintDC paint(&detached);
    CClientDC client(nullptr);
    EXPECT_EQ(paint.GetSafeHdc(), nullptr);
    EXPECT_EQ(client.GetSafeHdc(), nullptr);
    EXPECT_FALSE(client.PatBlt(0, 0, 5, 5, WHITENESS));
    EXPECT_FALSE(paint.LineTo(5, 5));
}

TEST(MemoryContexts, AreCreatedOnceAndAcceptBitmapsOnly) {
    Surface surface(4, 4);
    SurfaceDC screen(surface);
    CDC memory;
    CBitmap first;
    CBitmap second;
    EXPECT_EQ(memory.GetSafeHdc(), nullptr);
    EXPECT_EQ(memory.SelectObject(&first), nullptr) << "not yet a memory context";
    ASSERT_TRUE(memory.CreateCompatibleDC(&screen));
    EXPECT_NE(memory.GetSafeHdc(), nullptr);
    EXPECT_FALSE(memory.CreateCompatibleDC(&screen)) << "already created";
    EXPECT_FALSE(screen.CreateCompatibleDC(nullptr)) << "already draws on a window";
    EXPECT_EQ(memory.SelectObject(&first), nullptr);
    EXPECT_EQ(memory.SelectObject(&second), &first);
    EXPECT_EQ(memory.SelectObject(nullptr), nullptr);
    EXPECT_EQ(memory.SelectObject(&first), &second) << "a refused selection keeps the bitmap";
    EXPECT_EQ(screen.SelectObject(&first), nullptr) << "a window context takes no bitmap";
}

// --- Icons ------------------------------------------------------------------------------

// An image whose colour and mask vary per pixel.
IconImage PatternImage(int size, std::uint32_t seed) {
    IconImage image{PatternSurface(size, size, seed), {}};
    for (int i = 0; i < size * size; ++i) {
        image.transparent.push_back((i * 7 + i / size) % 3 == 0);
    }
    return image;
}

// What DrawIcon must leave: each target pixel under the 32 x 32 square at (x, y) mapped
// to its image pixel `scale` times smaller.
Surface ExpectedIcon(const Surface& target, const IconImage& image, int x, int y, int scale) {
    Surface expected = target;
    const int size = image.color.Width();
    for (int py = std::max(y, 0); py < std::min(y + 32, target.Height()); ++py) {
        for (int px = std::max(x, 0); px < std::min(x + 32, target.Width()); ++px) {
            const int sx = (px - x) / scale;
            const int sy = (py - y) / scale;
            const std::uint32_t colour = image.color.Pixel(sx, sy);
            const bool clear = image.transparent[sy * size + sx];
            expected.SetPixel(px, py, clear ? target.Pixel(px, py) ^ colour : colour);
        }
    }
    return expected;
}

struct IconCase {
    const char* name;
    int x;
    int y;
};

class IconDrawing : public ::testing::TestWithParam<IconCase> {};

TEST_P(IconDrawing, FollowsTheMaskAtTheSystemIconSize) {
    const IconCase& c = GetParam();
    HICON__ icon{{PatternImage(16, 11), PatternImage(32, 12)}};
    Surface target = PatternSurface(40, 36, 13);
    const Surface expected = ExpectedIcon(target, icon.images[1], c.x, c.y, 1);
    SurfaceDC dc(target);
    EXPECT_TRUE(dc.DrawIcon(c.x, c.y, &icon));
    EXPECT_TRUE(SameSurface(target, expected));
}

INSTANTIATE_TEST_SUITE_P(Places, IconDrawing,
                         ::testing::Values(IconCase{"Inside", 4, 2}, IconCase{"LeftTop", -9, -30},
                                           IconCase{"RightBottom", 20, 15},
                                           IconCase{"Outside", 40, 0}),
                         [](const ::testing::TestParamInfo<IconCase>& info) {
                             return info.param.name;
                         });

TEST(IconScaling, ASmallerImageIsEnlargedPixelByPixel) {
    HICON__ icon{{PatternImage(16, 14)}};
    Surface target = PatternSurface(40, 36, 15);
    const Surface expected = ExpectedIcon(target, icon.images[0], 3, 1, 2);
    SurfaceDC dc(target);
    EXPECT_TRUE(dc.DrawIcon(3, 1, &icon));
    EXPECT_TRUE(SameSurface(target, expected));
}

TEST(IconRefusals, NoIconOrNoImageDrawsNothing) {
    Surface target = PatternSurface(8, 8, 16);
    const Surface before = target;
    SurfaceDC dc(target);
    HICON__ empty{};
    EXPECT_FALSE(dc.DrawIcon(0, 0, nullptr));
    EXPECT_FALSE(dc.DrawIcon(0, 0, &empty));
    EXPECT_TRUE(SameSurface(target, before));
}

}  // namespace
