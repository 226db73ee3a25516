// The icon group and its two 16-colour images.
#include <gtest/gtest.h>

#include <vector>

#include "platform/Icon.h"
#include "platform/res/IconGroupReader.h"
#include "platform/res/IconImageReader.h"
#include "res/resource.h"
#include "tests/res/EmbeddedEntries.h"

namespace {

const std::vector<std::uint32_t> kStandardPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

struct ExpectedImage {
    int size;
    std::uint32_t bytes;
    std::uint16_t iconId;
};
const ExpectedImage kImages[] = {{32, 744, 1}, {16, 296, 2}};

}  // namespace

TEST(Icon, GroupListsTwoSixteenColourImages) {
    const auto group = ReadIconGroup(EmbeddedData(kRtGroupIcon, IDR_MAINFRAME));
    ASSERT_TRUE(group.has_value());
    ASSERT_EQ(group->size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        const IconGroupEntry& entry = (*group)[i];
        EXPECT_EQ(entry.width, kImages[i].size);
        EXPECT_EQ(entry.height, kImages[i].size);
        EXPECT_EQ(entry.colourCount, 16);
        EXPECT_EQ(entry.planes, 1);
        EXPECT_EQ(entry.bitCount, 4);
        EXPECT_EQ(entry.bytes, kImages[i].bytes);
        EXPECT_EQ(entry.iconId, kImages[i].iconId);
    }
}

TEST(Icon, ImagesHaveTheStandardPaletteAndOpaqueMasks) {
    for (const ExpectedImage& expected : kImages) {
        SCOPED_TRACE(expected.size);
        const auto bytes = EmbeddedData(kRtIcon, expected.iconId);
        EXPECT_EQ(bytes.size(), expected.bytes);
        const auto image = DecodeIconImage(bytes);
        ASSERT_TRUE(image.has_value());
        EXPECT_EQ(image->bitCount, 4);
        EXPECT_EQ(image->palette, kStandardPalette);
        EXPECT_EQ(image->color.Width(), expected.size);
        EXPECT_EQ(image->color.Height(), expected.size);
        EXPECT_EQ(image->transparent, std::vector<bool>(expected.size * expected.size, false));
        // Every pixel is one of the palette's colours, and the picture is not blank.
        int inked = 0;
        for (std::uint32_t pixel : image->color.Pixels()) {
            EXPECT_NE(std::find(kStandardPalette.begin(), kStandardPalette.end(), pixel),
                      kStandardPalette.end());
            inked += pixel != 0xFFFFFF;
        }
        EXPECT_GT(inked, expected.size * 2);
    }
}

TEST(Icon, LoadedIconIsSharedAndHoldsBothImages) {
    const HICON icon = LoadIconResource(IDR_MAINFRAME);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(LoadIconResource(IDR_MAINFRAME), icon);
    const std::vector<IconImage>& images = IconImages(icon);
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[0].color.Width(), 32);
    EXPECT_EQ(images[1].color.Width(), 16);
    EXPECT_EQ(images[0].transparent.size(), 32u * 32u);
}

TEST(Icon, OtherIdsHaveNoIcon) {
    for (UINT id : {0u, 1u, 2u, 129u, 0x10000u + IDR_MAINFRAME}) {
        EXPECT_EQ(LoadIconResource(id), nullptr) << id;
    }
}
