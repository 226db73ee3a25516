#include "platform/LineRaster.h"

#include <algorithm>
#include <cstdlib>

#include "platform/Surface.h"

namespace {

bool WithinLimit(const POINT& point) {
    return std::abs(std::int64_t{point.x}) <= kLineCoordinateLimit &&
           std::abs(std::int64_t{point.y}) <= kLineCoordinateLimit;
}

int Sign(std::int64_t value) {
    return value < 0 ? -1 : 1;
}

}  // namespace

bool DrawLine(Surface& target, const CRect& clip, POINT from, POINT to, std::uint32_t rgb) {
    if (!WithinLimit(from) || !WithinLimit(to)) {
        return false;
    }
    rgb |= target.Alpha();
    if (from.y == to.y && from.x < to.x) {
        // Rightward and level, as every ledger line is: one clipped run, nothing to step.
        if (from.y >= clip.top && from.y < clip.bottom) {
            const int left = std::max<int>(from.x, clip.left);
            const int right = std::min<int>(to.x, clip.right);
            if (left < right) {
                std::fill(target.Row(from.y) + left, target.Row(from.y) + right, rgb);
            }
        }
        return true;
    }
    const std::int64_t dx = std::int64_t{to.x} - from.x;
    const std::int64_t dy = std::int64_t{to.y} - from.y;
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const std::int64_t major = xMajor ? std::abs(dx) : std::abs(dy);
    const std::int64_t minor = xMajor ? std::abs(dy) : std::abs(dx);
    const int majorStep = Sign(xMajor ? dx : dy);
    const int minorStep = Sign(xMajor ? dy : dx);
    const std::int64_t majorStart = xMajor ? from.x : from.y;
    const std::int64_t minorStart = xMajor ? from.y : from.x;
    const std::int64_t majorLow = xMajor ? clip.left : clip.top;
    const std::int64_t majorHigh = xMajor ? clip.right : clip.bottom;
    const std::int64_t minorLow = xMajor ? clip.top : clip.left;
    const std::int64_t minorHigh = xMajor ? clip.bottom : clip.right;
    // Exact ties step only when stepping lowers the minor coordinate.
    const bool tieSteps = minorStep < 0;

    // Steps 0 .. major − 1 whose major coordinate falls inside the clip.
    std::int64_t first = 0;
    std::int64_t last = major;
    if (majorStep > 0) {
        first = std::max(first, majorLow - majorStart);
        last = std::min(last, majorHigh - majorStart);
    } else {
        first = std::max(first, majorStart - majorHigh + 1);
        last = std::min(last, majorStart - majorLow + 1);
    }
    if (first >= last) {
        return true;
    }

    // The minor offset at `first` (the line's position rounded, ties as above) and the
    // Bresenham error term that decides the step after it.
    const std::int64_t twiceMajor = 2 * major;
    std::int64_t offset = (2 * first * minor + major - (tieSteps ? 0 : 1)) / twiceMajor;
    std::int64_t error = 2 * (first + 1) * minor - (2 * offset + 1) * major;

    for (std::int64_t i = first; i < last; ++i) {
        const std::int64_t m = minorStart + minorStep * offset;
        if (m >= minorLow && m < minorHigh) {
            const std::int64_t a = majorStart + majorStep * i;
            const int x = static_cast<int>(xMajor ? a : m);
            const int y = static_cast<int>(xMajor ? m : a);
            target.Row(y)[x] = rgb;
        }
        if (error > 0 || (error == 0 && tieSteps)) {
            ++offset;
            error -= twiceMajor;
        }
        error += 2 * minor;
    }
    return true;
}
