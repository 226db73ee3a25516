// BitBlt's three raster operations and its clipping, pixel by pixel.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

#include "PixelCheck.h"
#include "platform/CBitmap.h"

namespace {

using paint_test::PatternSurface;
using paint_test::SameSurface;
using paint_test::SurfaceDC;

// --- The operations on single pixels, per channel, on chosen bit patterns ---------------

struct OpCase {
    const char* name;
    DWORD rop;
    std::uint32_t source;
    std::uint32_t target;
    std::uint32_t expected;
};

class RasterOpOnPixel : public ::testing::TestWithParam<OpCase> {};

TEST_P(RasterOpOnPixel, CombinesEachChannelBitByBit) {
    const OpCase& c = GetParam();
    Surface source(1, 1, c.source);
    Surface target(1, 1, c.target);
    SurfaceDC sourceDC(source);
    SurfaceDC targetDC(target);
    EXPECT_TRUE(targetDC.BitBlt(0, 0, 1, 1, &sourceDC, 0, 0, c.rop));
    EXPECT_EQ(target.Pixel(0, 0), c.expected)
        << std::hex << "source " << c.source << " target " << c.target;
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, RasterOpOnPixel,
    ::testing::Values(
        OpCase{"CopyTakesSource", SRCCOPY, 0xF0CC0A, 0x3C5AA5, 0xF0CC0A},
        OpCase{"CopyBlack", SRCCOPY, 0x000000, 0xFFFFFF, 0x000000},
        // (NOT S) OR D: F0->0F|3C, CC->33|5A, 0A->F5|A5; no bit leaks into the top byte.
        OpCase{"MergePaintMixed", MERGEPAINT, 0xF0CC0A, 0x3C5AA5, 0x3F7BF5},
        OpCase{"MergePaintWhiteSourceKeepsTarget", MERGEPAINT, 0xFFFFFF, 0x123456, 0x123456},
        OpCase{"MergePaintBlackSourceWhitens", MERGEPAINT, 0x000000, 0x123456, 0xFFFFFF},
        OpCase{"MergePaintSingleBits", MERGEPAINT, 0xFEFDFB, 0x000000, 0x010204},
        // S AND D: F0&3C, CC&5A, 0A&A5.
        OpCase{"AndMixed", SRCAND, 0xF0CC0A, 0x3C5AA5, 0x304800},
        OpCase{"AndWhiteSourceKeepsTarget", SRCAND, 0xFFFFFF, 0x123456, 0x123456},
        OpCase{"AndBlackSourceBlackens", SRCAND, 0x000000, 0x123456, 0x000000},
        OpCase{"AndRedOverGrey", SRCAND, 0xFF0000, 0x242424, 0x240000}),
    [](const ::testing::TestParamInfo<OpCase>& info) { return info.param.name; });

// --- Clipping: every target pixel against an independent per-pixel reference ------------

std::uint32_t Combine(DWORD rop, std::uint32_t s, std::uint32_t d) {
    std::uint32_t result = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const unsigned sc = (s >> shift) & 0xFF;
        const unsigned dc = (d >> shift) & 0xFF;
        unsigned channel = sc;
        if (rop == MERGEPAINT) {
            channel = (~sc | dc) & 0xFF;
        } else if (rop == SRCAND) {
            channel = sc & dc;
        }
        result |= channel << shift;
    }
    return result;
}

Surface ReferenceBlit(const Surface& target, const CRect& clip, const Surface& source, int x, int y,
                      int w, int h, int xSrc, int ySrc, DWORD rop) {
    Surface expected = target;
    for (int py = 0; py < target.Height(); ++py) {
        for (int px = 0; px < target.Width(); ++px) {
            const long long sx = static_cast<long long>(px) - x + xSrc;
            const long long sy = static_cast<long long>(py) - y + ySrc;
            const bool inBlock =
                px >= static_cast<long long>(x) && px < static_cast<long long>(x) + w &&
                py >= static_cast<long long>(y) && py < static_cast<long long>(y) + h;
            const bool inClip =
                px >= clip.left && px < clip.right && py >= clip.top && py < clip.bottom;
            const bool inSource = sx >= 0 && sx < source.Width() && sy >= 0 && sy < source.Height();
            if (inBlock && inClip && inSource) {
                expected.SetPixel(
                    px, py,
                    Combine(rop, source.Pixel(static_cast<int>(sx), static_cast<int>(sy)),
                            target.Pixel(px, py)));
            }
        }
    }
    return expected;
}

struct ClipCase {
    const char* name;
    CRect clip;
    int x, y, w, h, xSrc, ySrc;
};

// Target 20 x 12, source 9 x 7.
const ClipCase kClipCases[] = {
    {"Inside", CRect(0, 0, 20, 12), 3, 2, 9, 7, 0, 0},
    {"NegativeX", CRect(0, 0, 20, 12), -4, 2, 9, 7, 0, 0},
    {"NegativeY", CRect(0, 0, 20, 12), 3, -5, 9, 7, 0, 0},
    {"NegativeBoth", CRect(0, 0, 20, 12), -8, -6, 9, 7, 0, 0},
    {"BeyondWidth", CRect(0, 0, 20, 12), 15, 2, 9, 7, 0, 0},
    {"BeyondHeight", CRect(0, 0, 20, 12), 3, 9, 9, 7, 0, 0},
    {"BeyondCorner", CRect(0, 0, 20, 12), 19, 11, 9, 7, 0, 0},
    {"ClipLeftTop", CRect(5, 4, 20, 12), 3, 2, 9, 7, 0, 0},
    {"ClipRightBottom", CRect(0, 0, 8, 6), 3, 2, 9, 7, 0, 0},
    {"ClipInside", CRect(6, 3, 9, 5), 3, 2, 9, 7, 0, 0},
    {"ClipWiderThanSurface", CRect(-50, -50, 500, 500), -2, 8, 9, 7, 0, 0},
    {"BlockLargerThanSource", CRect(0, 0, 20, 12), 2, 1, 18, 11, 0, 0},
    {"SourceOffset", CRect(0, 0, 20, 12), 3, 2, 5, 4, 3, 2},
    {"SourceNegativeOffset", CRect(0, 0, 20, 12), 3, 2, 9, 7, -3, -2},
    {"SourceOffsetPastEnd", CRect(0, 0, 20, 12), 3, 2, 9, 7, 6, 5},
    {"ZeroWidth", CRect(0, 0, 20, 12), 3, 2, 0, 7, 0, 0},
    {"NegativeHeight", CRect(0, 0, 20, 12), 3, 2, 9, -7, 0, 0},
    {"EntirelyLeft", CRect(0, 0, 20, 12), -9, 2, 9, 7, 0, 0},
    {"EntirelyBelow", CRect(0, 0, 20, 12), 3, 12, 9, 7, 0, 0},
    {"EmptyClip", CRect(5, 5, 5, 9), 3, 2, 9, 7, 0, 0},
    {"HugeCoordinates", CRect(0, 0, 20, 12), INT_MAX - 2, INT_MAX - 2, INT_MAX, INT_MAX, 0, 0},
    {"HugeNegative", CRect(0, 0, 20, 12), INT_MIN, INT_MIN, INT_MAX, INT_MAX, INT_MIN, INT_MIN},
    {"HugeSourceOffset", CRect(0, 0, 20, 12), 0, 0, 20, 12, INT_MAX, INT_MIN},
};

class BlitClipping : public ::testing::TestWithParam<std::tuple<ClipCase, DWORD>> {};

TEST_P(BlitClipping, TouchesExactlyTheClippedBlock) {
    const auto& [c, rop] = GetParam();
    Surface target = PatternSurface(20, 12, 1);
    const Surface source = PatternSurface(9, 7, 2);
    Surface sourceCopy = source;
    const Surface expected =
        ReferenceBlit(target, c.clip, source, c.x, c.y, c.w, c.h, c.xSrc, c.ySrc, rop);

    SurfaceDC sourceDC(sourceCopy);
    SurfaceDC targetDC(target, c.clip);
    EXPECT_TRUE(targetDC.BitBlt(c.x, c.y, c.w, c.h, &sourceDC, c.xSrc, c.ySrc, rop));

    EXPECT_TRUE(SameSurface(target, expected));
    EXPECT_TRUE(SameSurface(sourceCopy, source)) << "the source must not change";
}

INSTANTIATE_TEST_SUITE_P(Edges, BlitClipping,
                         ::testing::Combine(::testing::ValuesIn(kClipCases),
                                            ::testing::Values(SRCCOPY, MERGEPAINT, SRCAND)),
                         [](const ::testing::TestParamInfo<std::tuple<ClipCase, DWORD>>& info) {
                             const DWORD rop = std::get<1>(info.param);
                             return std::string(std::get<0>(info.param).name) +
                                    (rop == SRCCOPY      ? "_Copy"
                                     : rop == MERGEPAINT ? "_MergePaint"
                                                         : "_And");
                         });

// --- Sources and operations that draw nothing -------------------------------------------

TEST(BlitRefusals, DrawNothingAndReportFailure) {
    Surface target = PatternSurface(6, 4, 3);
    const Surface before = target;
    Surface picture = PatternSurface(6, 4, 4);
    SurfaceDC targetDC(target);
    SurfaceDC sourceDC(picture);
    CDC memoryWithoutBitmap;
    ASSERT_TRUE(memoryWithoutBitmap.CreateCompatibleDC(&targetDC));
    CBitmap empty;
    memoryWithoutBitmap.SelectObject(&empty);
    CDC unused;

    EXPECT_FALSE(targetDC.BitBlt(0, 0, 6, 4, nullptr, 0, 0, SRCCOPY)) << "no source";
    EXPECT_FALSE(targetDC.BitBlt(0, 0, 6, 4, &sourceDC, 0, 0, 0x00EE0086)) << "SRCPAINT";
    EXPECT_FALSE(targetDC.BitBlt(0, 0, 6, 4, &memoryWithoutBitmap, 0, 0, SRCCOPY))
        << "an unloaded bitmap";
    EXPECT_FALSE(targetDC.BitBlt(0, 0, 6, 4, &unused, 0, 0, SRCCOPY)) << "an unused context";
    EXPECT_FALSE(unused.BitBlt(0, 0, 6, 4, &sourceDC, 0, 0, SRCCOPY)) << "nowhere to draw";
    EXPECT_FALSE(memoryWithoutBitmap.BitBlt(0, 0, 6, 4, &sourceDC, 0, 0, SRCCOPY))
        << "a memory context is only a source";
    EXPECT_TRUE(SameSurface(target, before));
}

TEST(BlitOverlap, ReadsTheSourceBlockBeforeWritingIt) {
    for (const auto& [dx, dy] : {std::pair{2, 1}, std::pair{-2, -1}, std::pair{3, 0},
                                 std::pair{-3, 0}, std::pair{0, 2}, std::pair{0, -2}}) {
        Surface surface = PatternSurface(12, 9, 5);
        const Surface before = surface;
        const Surface expected =
            ReferenceBlit(before, CRect(0, 0, 12, 9), before, 3 + dx, 3 + dy, 6, 4, 3, 3, SRCCOPY);
        SurfaceDC dc(surface);
        dc.BitBlt(3 + dx, 3 + dy, 6, 4, &dc, 3, 3, SRCCOPY);
        EXPECT_TRUE(SameSurface(surface, expected)) << "shift " << dx << "," << dy;
    }
}

TEST(PatBlt, WhitensTheClippedBlockOnly) {
    Surface target = PatternSurface(10, 8, 6);
    Surface expected = target;
    for (int y = 2; y < 6; ++y) {
        for (int x = 0; x < 4; ++x) {
            expected.SetPixel(x, y, 0xFFFFFF);
        }
    }
    SurfaceDC dc(target, CRect(-5, 2, 4, 6));
    EXPECT_TRUE(dc.PatBlt(-3, -3, 100, 100, WHITENESS));
    EXPECT_FALSE(dc.PatBlt(0, 0, 10, 8, SRCCOPY)) << "needs a source";
    EXPECT_TRUE(SameSurface(target, expected));
}

}  // namespace
