// Helpers for pixel-exact drawing tests: surfaces filled with distinct bit patterns, a
// context over a plain surface, and a whole-surface comparison that names the pixels
// that differ.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "platform/CDC.h"
#include "platform/Surface.h"

namespace paint_test {

// Every pixel a different mix of set and clear bits in all three channels.
Surface PatternSurface(int width, int height, std::uint32_t seed);

// A drawing context straight over a surface, clipped to `clip`.
class SurfaceDC : public CDC {
  public:
    SurfaceDC(Surface& surface, const CRect& clip) { SetTarget(&surface, clip); }
    explicit SurfaceDC(Surface& surface)
        : SurfaceDC(surface, CRect(0, 0, surface.Width(), surface.Height())) {}
};

// Same size and every pixel equal; otherwise the first few differing pixels.
::testing::AssertionResult SameSurface(const Surface& actual, const Surface& expected);

}  // namespace paint_test
