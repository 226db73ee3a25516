// Which resources the program carries, under which numbers and languages.
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "res/resource.h"
#include "tests/res/EmbeddedEntries.h"

TEST(ResourceList, ExactlyTheProgramsResourcesInChineseWithDialogsAndStringsInEnglish) {
    std::set<std::tuple<int, int, int>> found;
    for (const ResourceEntry& entry : EmbeddedFile().Entries()) {
        ASSERT_TRUE(entry.type.isNumber);
        ASSERT_TRUE(entry.name.isNumber);
        found.emplace(entry.type.number, entry.name.number, entry.language);
    }
    constexpr int zh = kChineseResources;
    constexpr int en = kEnglishResources;
    const std::set<std::tuple<int, int, int>> expected = {
        {kRtIcon, 1, zh},
        {kRtIcon, 2, zh},
        {kRtGroupIcon, IDR_MAINFRAME, zh},
        {kRtBitmap, 129, zh},
        {kRtBitmap, 130, zh},
        {kRtBitmap, 131, zh},
        {kRtBitmap, 132, zh},
        {kRtBitmap, 133, zh},
        {kRtDialog, IDD_ABOUTBOX, zh},
        {kRtDialog, IDD_CANZET_DIALOG, zh},
        {kRtString, 101 / 16 + 1, zh},
        {kRtString, 200 / 16 + 1, zh},
        {kRtString, IDS_STAFF_NAME / 16 + 1, zh},
        {kRtVersion, 1, zh},
        {kRtDialog, IDD_ABOUTBOX, en},
        {kRtDialog, IDD_CANZET_DIALOG, en},
        {kRtString, 101 / 16 + 1, en},
        {kRtString, 200 / 16 + 1, en},
        {kRtString, IDS_STAFF_NAME / 16 + 1, en},
    };
    EXPECT_EQ(found, expected);
}
