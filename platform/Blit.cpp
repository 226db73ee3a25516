#include "platform/Blit.h"

#include <algorithm>
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

void MergePaintRow(std::uint32_t* d, const std::uint32_t* s, int n) {
    for (int i = 0; i < n; ++i) {
        d[i] = (~s[i] | d[i]) & kChannels;
    }
}

void AndRow(std::uint32_t* d, const std::uint32_t* s, int n) {
    for (int i = 0; i < n; ++i) {
        d[i] &= s[i];
    }
}

using RowOp = void (*)(std::uint32_t*, const std::uint32_t*, int);

RowOp RowOpFor(DWORD rop) {
    switch (rop) {
        case SRCCOPY:
            return CopyRow;
        case MERGEPAINT:
            return MergePaintRow;
        case SRCAND:
            return AndRow;
        default:
            return nullptr;
    }
}

}  // namespace

bool ClipBlitArea(BlitArea& area, const CRect& clip, int sourceWidth, int sourceHeight) {
    return ClipAxis(area.x, area.width, area.xSrc, clip.left, clip.right, sourceWidth) &&
           ClipAxis(area.y, area.height, area.ySrc, clip.top, clip.bottom, sourceHeight);
}

bool IsSupportedRop(DWORD rop) {
    return RowOpFor(rop) != nullptr;
}

void RunBlit(Surface& target, const Surface& source, const BlitArea& area, DWORD rop) {
    const RowOp op = RowOpFor(rop);
    if (op == nullptr) {
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
    for (int row = 0; row < area.height; ++row) {
        op(target.Row(area.y + row) + area.x, source.Row(area.ySrc + row) + area.xSrc, area.width);
    }
}

void FillArea(Surface& target, const CRect& rect, std::uint32_t rgb) {
    for (int y = rect.top; y < rect.bottom; ++y) {
        std::fill_n(target.Row(y) + rect.left, rect.Width(), rgb);
    }
}
