#include "platform/Blit.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "platform/Surface.h"

namespace {

constexpr std::uint32_t kChannels = 0x00FFFFFF;

// One axis of a block transfer: [from, from + length) on the target, starting at
// sourceFrom on the source. 64-bit so that no sum of two ints overflows.
bool ClipAxis(int& from, int& length, int& sourceFrom, int clipFrom, int clipTo, int sourceLength) {
    if (length <= 0) {
        return false;
    }
    const std::int64_t shift = std::int64_t{from} - sourceFrom;
    const std::int64_t begin = std::max({std::int64_t{from}, std::int64_t{clipFrom}, shift});
    const std::int64_t end =
        std::min({std::int64_t{from} + length, std::int64_t{clipTo}, shift + sourceLength});
    if (begin >= end) {
        return false;
    }
    from = static_cast<int>(begin);
    length = static_cast<int>(end - begin);
    sourceFrom = static_cast<int>(begin - shift);
    return true;
}

void CopyRow(std::uint32_t* d, const std::uint32_t* s, int n) {
    std::memcpy(d, s, static_cast<std::size_t>(n) * sizeof(std::uint32_t));
}

// The bitwise raster operations, in place, on one pixel or on a vector of them. Vectors go
// by reference: by value their passing would depend on the instruction set. Alpha is the
// target's top byte (Surface::Alpha), written with each pixel; where it is 0 the operation
// is the plain one.
template <std::uint32_t Alpha>
struct MergePaint {
    template <typename Pixels>
    static void Apply(const Pixels& s, Pixels& d) {
        d = ((~s | d) & kChannels) | Alpha;
    }
};

template <std::uint32_t Alpha>
struct SourceAnd {
    template <typename Pixels>
    static void Apply(const Pixels& s, Pixels& d) {
        d &= s | Alpha;
    }
};

// A copy between surfaces whose top bytes differ.
template <std::uint32_t Alpha>
struct CopyChannels {
    template <typename Pixels>
    static void Apply(const Pixels& s, Pixels& d) {
        d = (s & kChannels) | Alpha;
    }
};

// Blocks up to this many rows have all their rows fetched before the first is drawn.
constexpr int kPrefetchRows = 32;

// Eight pixels: one AVX2 register, or two SSE2 ones.
constexpr int kStep = 8;
using PixelVector [[gnu::vector_size(kStep * sizeof(std::uint32_t))]] = std::uint32_t;

// Eight pixels of the target combined with eight of the source, not yet stored.
template <typename Op>
[[gnu::always_inline]] inline void CombineStep(PixelVector& result, const std::uint32_t* d,
                                               const std::uint32_t* s) {
    PixelVector source;
    std::memcpy(&source, s, sizeof source);
    std::memcpy(&result, d, sizeof result);
    Op::Apply(source, result);
}

template <typename Op>
[[gnu::always_inline]] inline void CombineInPlace(std::uint32_t* d, const std::uint32_t* s) {
    PixelVector step;
    CombineStep<Op>(step, d, s);
    std::memcpy(d, &step, sizeof step);
}

// Whole vectors, with the row's last eight pixels as one more vector that overlaps the one
// before it: a note's row of 25 pixels is four steps and no pixel-by-pixel tail. That last
// vector is worked out from the row as it was and stored last, so no load waits on an
// overlapping store, and the pixels it shares get the value they already have.
// RunBlit never hands a row that overlaps its source.
template <typename Op>
[[gnu::always_inline]] inline void CombineRow(std::uint32_t* d, const std::uint32_t* s, int n) {
    if (n < kStep) {
        for (int i = 0; i < n; ++i) {
            Op::Apply(s[i], d[i]);
        }
        return;
    }
    PixelVector last;
    CombineStep<Op>(last, d + n - kStep, s + n - kStep);
    // Up to three whole vectors without a loop, which covers a note's row.
    const int whole = n / kStep;
    CombineInPlace<Op>(d, s);
    if (whole > 1) {
        CombineInPlace<Op>(d + kStep, s + kStep);
    }
    if (whole > 2) {
        CombineInPlace<Op>(d + 2 * kStep, s + 2 * kStep);
    }
    for (int i = 3 * kStep; i + kStep <= n; i += kStep) {
        CombineInPlace<Op>(d + i, s + i);
    }
    std::memcpy(d + n - kStep, &last, sizeof last);
}

// One loop over the rows per operation, with the row function inlined into it. The row
// starts and strides are read once: the rows' pixels could alias the area's integers.
template <void (*RowOp)(std::uint32_t*, const std::uint32_t*, int)>
[[gnu::always_inline]] inline void BlitRows(Surface& target, const Surface& source,
                                            const BlitArea& area) {
    const int width = area.width;
    const int height = area.height;
    std::uint32_t* const targetStart = target.Row(area.y) + area.x;
    const std::uint32_t* const sourceStart = source.Row(area.ySrc) + area.xSrc;
    const std::ptrdiff_t targetStride = target.Width();
    const std::ptrdiff_t sourceStride = source.Width();
    // A small block's rows lie far apart in the target: ask for all of them at once, so
    // their cache misses overlap instead of coming one row after the other. A tall block
    // streams through its rows in order, which the processor foresees by itself.
    if (height <= kPrefetchRows) {
        for (int row = 0; row < height; ++row) {
            __builtin_prefetch(targetStart + row * targetStride, 1);
            __builtin_prefetch(targetStart + row * targetStride + width - 1, 1);
        }
    }
    std::uint32_t* targetRow = targetStart;
    const std::uint32_t* sourceRow = sourceStart;
    for (int row = 0; row < height; ++row, targetRow += targetStride, sourceRow += sourceStride) {
        RowOp(targetRow, sourceRow, width);
    }
}

template <void (*RowOp)(std::uint32_t*, const std::uint32_t*, int)>
void BlitRowsBaseline(Surface& target, const Surface& source, const BlitArea& area) {
    BlitRows<RowOp>(target, source, area);
}

// A block as wide as both surfaces is one run of memory, as a whole repaint's staff copy
// is: one call copies it, which lets the C library take its fastest path for large copies.
void CopyBlock(Surface& target, const Surface& source, const BlitArea& area) {
    if (area.width != target.Width() || area.width != source.Width()) {
        BlitRows<CopyRow>(target, source, area);
        return;
    }
    std::memcpy(target.Row(area.y), source.Row(area.ySrc),
                static_cast<std::size_t>(area.width) * static_cast<std::size_t>(area.height) *
                    sizeof(std::uint32_t));
}

using BlitFunction = void (*)(Surface&, const Surface&, const BlitArea&);

#if defined(__x86_64__)
// The same loops built for AVX2 as well, taken where the processor has it: each 8-pixel
// vector is then one register operation instead of two.
template <void (*RowOp)(std::uint32_t*, const std::uint32_t*, int)>
[[gnu::target("avx2")]] void BlitRowsAvx2(Surface& target, const Surface& source,
                                          const BlitArea& area) {
    BlitRows<RowOp>(target, source, area);
}

template <void (*RowOp)(std::uint32_t*, const std::uint32_t*, int)>
BlitFunction Widest() {
    static const bool avx2 = __builtin_cpu_supports("avx2");
    return avx2 ? BlitRowsAvx2<RowOp> : BlitRowsBaseline<RowOp>;
}
#else
template <void (*RowOp)(std::uint32_t*, const std::uint32_t*, int)>
BlitFunction Widest() {
    return BlitRowsBaseline<RowOp>;
}
#endif

template <std::uint32_t Alpha>
BlitFunction BlitFor(DWORD rop, bool sameAlpha) {
    switch (rop) {
        case SRCCOPY:
            return sameAlpha ? CopyBlock : Widest<CombineRow<CopyChannels<Alpha>>>();
        case MERGEPAINT:
            return Widest<CombineRow<MergePaint<Alpha>>>();
        case SRCAND:
            return Widest<CombineRow<SourceAnd<Alpha>>>();
        default:
            return nullptr;
    }
}

BlitFunction BlitFor(DWORD rop, const Surface& target, const Surface& source) {
    const bool sameAlpha = target.Alpha() == source.Alpha();
    return target.Alpha() == 0 ? BlitFor<0>(rop, sameAlpha)
                               : BlitFor<Surface::kOpaque>(rop, sameAlpha);
}

}  // namespace

bool ClipBlitArea(BlitArea& area, const CRect& clip, int sourceWidth, int sourceHeight) {
    return ClipAxis(area.x, area.width, area.xSrc, clip.left, clip.right, sourceWidth) &&
           ClipAxis(area.y, area.height, area.ySrc, clip.top, clip.bottom, sourceHeight);
}

bool IsSupportedRop(DWORD rop) {
    return BlitFor<0>(rop, true) != nullptr;
}

void RunBlit(Surface& target, const Surface& source, const BlitArea& area, DWORD rop) {
    const BlitFunction blit = BlitFor(rop, target, source);
    if (blit == nullptr) {
        return;
    }
    if (&source == &target) {
        // The source block may overlap the target block: read it whole before writing.
        Surface block(area.width, area.height);
        for (int row = 0; row < area.height; ++row) {
            CopyRow(block.Row(row), source.Row(area.ySrc + row) + area.xSrc, area.width);
        }
        RunBlit(target, block, BlitArea{area.x, area.y, area.width, area.height, 0, 0}, rop);
        return;
    }
    blit(target, source, area);
}

void FillArea(Surface& target, const CRect& rect, std::uint32_t rgb) {
    for (int y = rect.top; y < rect.bottom; ++y) {
        std::fill_n(target.Row(y) + rect.left, rect.Width(), rgb | target.Alpha());
    }
}
