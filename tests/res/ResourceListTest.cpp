// Which resources the program carries, under which numbers and language.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "res/resource.h"
#include "tests/res/EmbeddedEntries.h"

TEST(ResourceList, IdentifiersKeepTheirNumbers) {
    EXPECT_EQ(IDD_ABOUTBOX, 100);
    EXPECT_EQ(IDS_ABOUTBOX, 101);
    EXPECT_EQ(IDD_CANZET_DIALOG, 102);
    EXPECT_EQ(IDR_MAINFRAME, 128);
    EXPECT_EQ(IDB_STAFF_TREBLE, 129);
    EXPECT_EQ(IDB_NOTE, 130);
    EXPECT_EQ(IDB_NOTE_SELECTED, 131);
    EXPECT_EQ(IDB_NOTE_MASK, 132);
    EXPECT_EQ(IDB_STAFF_BASS, 133);
    EXPECT_EQ(IDC_STAFF, 1001);
    EXPECT_EQ(IDC_POSITION, 1002);
    EXPECT_EQ(IDM_ABOUTBOX, 0x0010);
}

TEST(ResourceList, ExactlyTheProgramsResourcesAllInChinesePrc) {
    std::set<std::pair<int, int>> found;
    for (const ResourceEntry& entry : EmbeddedFile().Entries()) {
        ASSERT_TRUE(entry.type.isNumber);
        ASSERT_TRUE(entry.name.isNumber);
        EXPECT_EQ(entry.language, 0x0804) << entry.type.number << "/" << entry.name.number;
        found.emplace(entry.type.number, entry.name.number);
    }
    const std::set<std::pair<int, int>> expected = {
        {kRtIcon, 1},
        {kRtIcon, 2},
        {kRtGroupIcon, IDR_MAINFRAME},
        {kRtBitmap, 129},
        {kRtBitmap, 130},
        {kRtBitmap, 131},
        {kRtBitmap, 132},
        {kRtBitmap, 133},
        {kRtDialog, IDD_ABOUTBOX},
        {kRtDialog, IDD_CANZET_DIALOG},
        {kRtString, 101 / 16 + 1},
        {kRtVersion, 1},
    };
    EXPECT_EQ(found, expected);
}
