// The two staff pictures: ground, lines, clef boxes and the clefs' landmarks.
#include <gtest/gtest.h>

#include "platform/Resources.h"
#include "platform/Surface.h"
#include "res/resource.h"

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kLine = RgbPixel(36, 36, 36);
constexpr int kLineRows[] = {53, 67, 81, 95, 109};

struct Box {
    int left, top, right, bottom;
    bool Contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

bool IsLineRow(int y) {
    for (int row : kLineRows) {
        if (row == y) {
            return true;
        }
    }
    return false;
}

// What the picture shows there without a clef.
std::uint32_t Ground(int x, int y) {
    return IsLineRow(y) && x >= 16 && x <= 583 ? kLine : kWhite;
}

Surface Load(UINT id) {
    Surface picture;
    EXPECT_TRUE(LoadBitmapResource(id, picture));
    return picture;
}

bool IsInk(const Surface& s, int x, int y) {
    return s.Pixel(x, y) != Ground(x, y);
}

// Dark enough to read as the clef's body rather than its soft edge.
bool IsDark(const Surface& s, int x, int y) {
    return (s.Pixel(x, y) >> 8 & 0xFF) < 100;
}

struct StaffCase {
    UINT id;
    Box box;
};

}  // namespace

class StaffPicture : public testing::TestWithParam<StaffCase> {};

TEST_P(StaffPicture, OutsideTheClefOnlyGroundAndLines) {
    const StaffCase c = GetParam();
    const Surface s = Load(c.id);
    ASSERT_EQ(s.Width(), 600);
    ASSERT_EQ(s.Height(), 160);
    for (int y = 0; y < 160; ++y) {
        for (int x = 0; x < 600; ++x) {
            if (!c.box.Contains(x, y)) {
                ASSERT_EQ(s.Pixel(x, y), Ground(x, y)) << x << ", " << y;
            }
        }
    }
}

TEST_P(StaffPicture, ListedPixels) {
    const Surface s = Load(GetParam().id);
    EXPECT_EQ(s.Pixel(300, 81), kLine);
    EXPECT_EQ(s.Pixel(300, 80), kWhite);
    EXPECT_EQ(s.Pixel(15, 53), kWhite);
    EXPECT_EQ(s.Pixel(584, 53), kWhite);
    for (int row : kLineRows) {
        EXPECT_EQ(s.Pixel(583, row), kLine);
        EXPECT_EQ(s.Pixel(58, row), kLine);
        EXPECT_EQ(s.Pixel(300, row - 1), kWhite);
        EXPECT_EQ(s.Pixel(300, row + 1), kWhite);
    }
}

TEST_P(StaffPicture, ClefShadesAreWarmNearBlackBlendedWithTheGround) {
    const StaffCase c = GetParam();
    const Surface s = Load(c.id);
    int core = 0;
    for (int y = c.box.top; y <= c.box.bottom; ++y) {
        for (int x = c.box.left; x <= c.box.right; ++x) {
            const std::uint32_t p = s.Pixel(x, y);
            const int r = static_cast<int>(p >> 16), g = static_cast<int>(p >> 8 & 0xFF),
                      b = static_cast<int>(p & 0xFF);
            // Every shade lies between the ground and the ink RGB (30, 25, 22).
            EXPECT_TRUE(r >= 30 && g >= 25 && b >= 22) << x << ", " << y;
            if (Ground(x, y) == kWhite) {
                EXPECT_TRUE(r >= g && g >= b) << x << ", " << y;
            }
            core += p == RgbPixel(30, 25, 22);
        }
    }
    EXPECT_GT(core, 100);
}

INSTANTIATE_TEST_SUITE_P(BothClefs, StaffPicture,
                         testing::Values(StaffCase{IDB_STAFF_TREBLE, {17, 29, 57, 132}},
                                         StaffCase{IDB_STAFF_BASS, {16, 52, 56, 97}}));

TEST(TrebleClef, FillsItsBox) {
    const Surface s = Load(IDB_STAFF_TREBLE);
    bool left = false, right = false, top = false, bottom = false;
    for (int y = 29; y <= 132; ++y) {
        left = left || IsInk(s, 17, y);
        right = right || IsInk(s, 57, y);
    }
    for (int x = 17; x <= 57; ++x) {
        top = top || IsInk(s, x, 29);
        bottom = bottom || IsInk(s, x, 132);
    }
    EXPECT_TRUE(left && right && top && bottom);
}

TEST(TrebleClef, CurlWrapsTheGLine) {
    // Some point of the line at y = 95 is enclosed by the clef: ink left and right of it
    // on the line, and above and below it in its column.
    const Surface s = Load(IDB_STAFF_TREBLE);
    bool wrapped = false;
    for (int x = 20; x <= 54 && !wrapped; ++x) {
        if (IsInk(s, x, 95)) {
            continue;
        }
        bool left = false, right = false, above = false, below = false;
        for (int k = 1; k <= 16; ++k) {
            left = left || (x - k >= 17 && IsDark(s, x - k, 95));
            right = right || (x + k <= 57 && IsDark(s, x + k, 95));
            above = above || IsDark(s, x, 95 - k);
            below = below || IsDark(s, x, 95 + k);
        }
        wrapped = left && right && above && below;
    }
    EXPECT_TRUE(wrapped);
}

TEST(TrebleClef, StemCrossesEveryLine) {
    // The clef's stem runs from above the top line to below the bottom one.
    const Surface s = Load(IDB_STAFF_TREBLE);
    for (int row : kLineRows) {
        int inked = 0;
        for (int x = 17; x <= 57; ++x) {
            inked += IsInk(s, x, row);
        }
        EXPECT_GT(inked, 0) << row;
    }
}

TEST(BassClef, BodyDotsAndHead) {
    const Surface s = Load(IDB_STAFF_BASS);
    const Box body{18, 52, 48, 97};
    const Box upperDot{51, 59, 55, 63};
    const Box lowerDot{51, 71, 55, 75};
    bool top = false, bottom = false;
    for (int y = 52; y <= 97; ++y) {
        for (int x = 16; x <= 56; ++x) {
            if (!IsInk(s, x, y)) {
                continue;
            }
            EXPECT_TRUE(body.Contains(x, y) || upperDot.Contains(x, y) || lowerDot.Contains(x, y))
                << x << ", " << y;
            top = top || y == 52;
            bottom = bottom || y == 97;
        }
    }
    EXPECT_TRUE(top && bottom);
    // Each dot is solid at its centre and the head is a dark ball on the F line.
    EXPECT_TRUE(IsDark(s, 53, 61));
    EXPECT_TRUE(IsDark(s, 53, 73));
    EXPECT_FALSE(IsInk(s, 53, 67));
    for (int x = 20; x <= 26; ++x) {
        EXPECT_TRUE(IsDark(s, x, 67)) << x;
    }
    EXPECT_TRUE(IsDark(s, 23, 64));
    EXPECT_TRUE(IsDark(s, 23, 70));
    EXPECT_TRUE(IsInk(s, 18, 67));
}
