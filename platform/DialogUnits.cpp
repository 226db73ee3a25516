#include "platform/DialogUnits.h"

#include <cstdint>

#ifndef _WIN32
int MulDiv(int a, int b, int c) {
    if (c == 0) {
        return -1;
    }
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t divisor = c;
    const bool negative = (product < 0) != (divisor < 0);
    const std::int64_t magnitude = product < 0 ? -product : product;
    const std::int64_t absDivisor = divisor < 0 ? -divisor : divisor;
    const std::int64_t rounded = (magnitude + absDivisor / 2) / absDivisor;
    if (rounded > 2147483647) {
        return -1;
    }
    return static_cast<int>(negative ? -rounded : rounded);
}
#endif

DialogBaseUnits DialogBaseUnits::FromFontMeasures(int alphabetWidth, int fontHeight) {
    return {(alphabetWidth / 26 + 1) / 2, fontHeight};
}

CRect DialogBaseUnits::ToPixels(int left, int top, int width, int height) const {
    return CRect(MulDiv(left, x, 4), MulDiv(top, y, 8), MulDiv(left + width, x, 4),
                 MulDiv(top + height, y, 8));
}

int PointsToPixels(int points) {
    return MulDiv(points, 96, 72);
}
