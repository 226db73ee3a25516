#include "PixelCheck.h"

#include <iomanip>
#include <sstream>

namespace paint_test {

Surface PatternSurface(int width, int height, std::uint32_t seed) {
    Surface surface(width, height);
    std::uint32_t state = seed * 2654435761u + 1;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            surface.SetPixel(x, y, state & 0x00FFFFFF);
        }
    }
    return surface;
}

::testing::AssertionResult SameSurface(const Surface& actual, const Surface& expected) {
    if (actual.Width() != expected.Width() || actual.Height() != expected.Height()) {
        return ::testing::AssertionFailure()
               << "size " << actual.Width() << "x" << actual.Height() << ", expected "
               << expected.Width() << "x" << expected.Height();
    }
    std::ostringstream differences;
    int count = 0;
    for (int y = 0; y < actual.Height(); ++y) {
        for (int x = 0; x < actual.Width(); ++x) {
            if (actual.Pixel(x, y) == expected.Pixel(x, y)) {
                continue;
            }
            if (++count <= 8) {
                differences << std::hex << std::setfill('0') << " (" << std::dec << x << "," << y
                            << ") " << std::hex << std::setw(6) << actual.Pixel(x, y)
                            << " != " << std::setw(6) << expected.Pixel(x, y) << ";";
            }
        }
    }
    if (count == 0) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << count << " pixels differ:" << differences.str();
}

}  // namespace paint_test
