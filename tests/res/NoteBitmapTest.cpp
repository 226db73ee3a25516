// The three note pictures, cell by cell against the grid, and the bitmap format of all
// five pictures.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string_view>
#include <utility>

#include "platform/Resources.h"
#include "platform/Surface.h"
#include "platform/res/ByteReader.h"
#include "res/resource.h"
#include "tests/res/EmbeddedEntries.h"

namespace {

constexpr std::array<std::string_view, 15> kGlyph = {
    "......ooXXXXXXXXXoo......", "...ooXXXXXXXXXXXXXXXoo...", "..oXXXXXXXoooXXXXXXXXXo..",
    ".oXXXXXXXo...oXXXXXXXXXo.", "oXXXXXXXo.....oXXXXXXXXXo", "XXXXXXXXo.....ooXXXXXXXXX",
    "XXXXXXXXo.......XXXXXXXXX", "XXXXXXXXX.......oXXXXXXXX", "XXXXXXXXXo.....ooXXXXXXXX",
    "oXXXXXXXXXo.....oXXXXXXXo", ".oXXXXXXXXXo...oXXXXXXXo.", "..oXXXXXXXXXoooXXXXXXXo..",
    "...ooXXXXXXXXXXXXXXXoo...", "......ooXXXXXXXXXoo......", ".........................",
};
constexpr std::array<std::string_view, 15> kMask = {
    "......XXXXXXXXXXXXX......", "...XXXXXXXXXXXXXXXXXXX...", "..XXXXXXXXXXXXXXXXXXXXX..",
    ".XXXXXXXXX...XXXXXXXXXXX.", "XXXXXXXXX.....XXXXXXXXXXX", "XXXXXXXXX......XXXXXXXXXX",
    "XXXXXXXXX.......XXXXXXXXX", "XXXXXXXXX.......XXXXXXXXX", "XXXXXXXXXX......XXXXXXXXX",
    "XXXXXXXXXX......XXXXXXXXX", ".XXXXXXXXXX....XXXXXXXXX.", "..XXXXXXXXXXXXXXXXXXXXX..",
    "...XXXXXXXXXXXXXXXXXXX...", "......XXXXXXXXXXXXX......", ".........................",
};

int Red(std::uint32_t p) {
    return static_cast<int>(p >> 16 & 0xFF);
}
int Green(std::uint32_t p) {
    return static_cast<int>(p >> 8 & 0xFF);
}
int Blue(std::uint32_t p) {
    return static_cast<int>(p & 0xFF);
}

Surface Load(UINT id) {
    Surface picture;
    EXPECT_TRUE(LoadBitmapResource(id, picture)) << id;
    return picture;
}

// Calls `check` with the grey level of each cell of a note picture, row by row, once the
// cell is found to be grey; stops at the first that is not.
void ForEachGreyCell(const Surface& picture,
                     const std::function<void(int x, int y, int grey)>& check) {
    for (int y = 0; y < 15; ++y) {
        for (int x = 0; x < 25; ++x) {
            SCOPED_TRACE(testing::Message() << "(" << x << ", " << y << ")");
            const std::uint32_t p = picture.Pixel(x, y);
            ASSERT_EQ(Red(p), Green(p));
            ASSERT_EQ(Green(p), Blue(p));
            check(x, y, Red(p));
        }
    }
}

}  // namespace

struct BitmapFormat {
    UINT id;
    int width;
    int height;
    int stride;
};

class BitmapHeader : public testing::TestWithParam<BitmapFormat> {};

TEST_P(BitmapHeader, Is24BitUncompressedBottomUpWithPaddedRows) {
    const BitmapFormat f = GetParam();
    const auto bytes = EmbeddedData(kRtBitmap, static_cast<std::uint16_t>(f.id));
    ByteReader in(bytes);
    EXPECT_EQ(in.U32(), 40u);
    EXPECT_EQ(in.I32(), f.width);
    EXPECT_EQ(in.I32(), f.height);  // positive: bottom-up
    EXPECT_EQ(in.U16(), 1);
    EXPECT_EQ(in.U16(), 24);
    EXPECT_EQ(in.U32(), 0u);  // BI_RGB
    in.Skip(12);
    EXPECT_EQ(in.U32(), 0u);  // no colour table
    ASSERT_TRUE(in.Ok());
    EXPECT_EQ(bytes.size(), 40u + static_cast<std::size_t>(f.stride) * f.height);

    const Surface picture = Load(f.id);
    EXPECT_EQ(picture.Width(), f.width);
    EXPECT_EQ(picture.Height(), f.height);
}

INSTANTIATE_TEST_SUITE_P(AllPictures, BitmapHeader,
                         testing::Values(BitmapFormat{IDB_STAFF_TREBLE, 600, 160, 1800},
                                         BitmapFormat{IDB_NOTE, 25, 15, 76},
                                         BitmapFormat{IDB_NOTE_SELECTED, 25, 15, 76},
                                         BitmapFormat{IDB_NOTE_MASK, 25, 15, 76},
                                         BitmapFormat{IDB_STAFF_BASS, 600, 160, 1800}));

TEST(NoteBitmaps, GlyphFollowsTheGridWithAPureBlackCoreOf141) {
    int core = 0;
    ForEachGreyCell(Load(IDB_NOTE), [&](int x, int y, int grey) {
        switch (kGlyph[y][x]) {
            case 'X':
                EXPECT_LE(grey, 127);
                core += grey == 0;
                break;
            case 'o':
                EXPECT_GE(grey, 128);
                EXPECT_LE(grey, 254);
                break;
            default:
                EXPECT_EQ(grey, 255);
        }
    });
    EXPECT_EQ(core, 141);
}

TEST(NoteBitmaps, MaskFollowsTheGridWith212PureBlackOf258) {
    const Surface mask = Load(IDB_NOTE_MASK);
    int dark = 0;
    int black = 0;
    ForEachGreyCell(mask, [&](int x, int y, int grey) {
        if (kMask[y][x] == 'X') {
            EXPECT_LE(grey, 50);
            ++dark;
            black += grey == 0;
        } else {
            EXPECT_EQ(grey, 255);
        }
    });
    EXPECT_EQ(dark, 258);
    EXPECT_EQ(black, 212);
    EXPECT_EQ(mask.Pixel(12, 7), 0xFFFFFFu);  // the middle of the hollow
    EXPECT_EQ(mask.Pixel(0, 7), 0u);
}

TEST(NoteBitmaps, WhereTheMaskIsWhiteTheGlyphIsAllButWhite) {
    // Drawn as mask MERGEPAINT then glyph SRCAND, a pixel ends as G AND (NOT M OR D): where
    // M is white only G's own lightness can darken the background. Exactly the four
    // soft-edge pixels on the hollow's rim are below 255 there, and none below 238.
    const Surface glyph = Load(IDB_NOTE);
    const Surface mask = Load(IDB_NOTE_MASK);
    int offWhite = 0;
    for (int y = 0; y < 15; ++y) {
        for (int x = 0; x < 25; ++x) {
            if (mask.Pixel(x, y) != 0xFFFFFFu) {
                continue;
            }
            const int grey = Red(glyph.Pixel(x, y));
            EXPECT_GE(grey, 238) << x << ", " << y;
            offWhite += grey < 255;
        }
    }
    EXPECT_EQ(offWhite, 4);
}

TEST(NoteBitmaps, SelectedIsTheGlyphInRed) {
    const Surface glyph = Load(IDB_NOTE);
    const Surface selected = Load(IDB_NOTE_SELECTED);
    for (int y = 0; y < 15; ++y) {
        for (int x = 0; x < 25; ++x) {
            const int grey = Red(glyph.Pixel(x, y));
            EXPECT_EQ(selected.Pixel(x, y), RgbPixel(255, grey, grey)) << x << ", " << y;
        }
    }
}

TEST(NoteBitmaps, BottomRowIsWhiteInAllThree) {
    for (UINT id : {IDB_NOTE, IDB_NOTE_SELECTED, IDB_NOTE_MASK}) {
        const Surface picture = Load(id);
        for (int x = 0; x < 25; ++x) {
            EXPECT_EQ(picture.Pixel(x, 14), 0xFFFFFFu) << id << " x " << x;
        }
    }
}

// The right answer's note: the glyph at either size, dark green where it is black, white
// where it is white, so it reads on the staff as the same note in another colour.
TEST(NoteBitmaps, RightIsTheGlyphInDarkGreenAtEitherSize) {
    for (const auto& [glyphId, rightId] :
         {std::pair{IDB_NOTE, IDB_NOTE_RIGHT}, std::pair{IDB_NOTE_2X, IDB_NOTE_RIGHT_2X}}) {
        const Surface glyph = Load(glyphId);
        const Surface right = Load(rightId);
        ASSERT_EQ(right.Width(), glyph.Width());
        ASSERT_EQ(right.Height(), glyph.Height());
        int black = 0;
        for (int y = 0; y < glyph.Height(); ++y) {
            for (int x = 0; x < glyph.Width(); ++x) {
                const int grey = Red(glyph.Pixel(x, y));
                const std::uint32_t p = right.Pixel(x, y);
                ASSERT_EQ(Red(p), grey) << rightId << " (" << x << ", " << y << ")";
                ASSERT_EQ(Blue(p), grey);
                ASSERT_GE(Green(p), std::max(grey, 128));
                ASSERT_EQ(Green(p) == 255, grey == 255);
                black += p == RgbPixel(0, 128, 0);
            }
        }
        EXPECT_GT(black, 100) << rightId;
    }
}
