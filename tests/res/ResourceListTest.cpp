// Which resources the program carries, under which numbers and language.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "res/resource.h"
#include "tests/res/EmbeddedEntries.h"

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
        {kRtString, IDS_BASSCLEF / 16 + 1},
        {kRtVersion, 1},
    };
    EXPECT_EQ(found, expected);
}
