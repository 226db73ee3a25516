// The About string and the version block.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/Resources.h"
#include "platform/res/VersionInfoReader.h"
#include "res/resource.h"
#include "tests/res/EmbeddedEntries.h"

TEST(StringTable, AboutItemText) {
    std::string text;
    ASSERT_TRUE(LoadStringResource(IDS_ABOUTBOX, text));
    EXPECT_EQ(text, "关于 Canzet(&A)...");
}

TEST(StringTable, MissingStringsFailAndLeaveTheOutputAlone) {
    // 100 and 102 share the About string's block but are empty; 16 has no block at all.
    for (UINT id : {100u, 102u, 96u, 111u, 16u, 0u, 0x10000u + IDS_ABOUTBOX}) {
        std::string text = "unchanged";
        EXPECT_FALSE(LoadStringResource(id, text)) << id;
        EXPECT_EQ(text, "unchanged");
    }
}

TEST(VersionBlock, FixedPart) {
    const auto info = ReadVersionInfo(EmbeddedData(kRtVersion, 1));
    ASSERT_TRUE(info.has_value());
    const FixedFileInfo& f = info->fixed;
    struct Field {
        const char* name;
        std::uint32_t read, expected;
    };
    for (const Field& field :
         {Field{"signature", f.signature, 0xFEEF04BDu},
          Field{"fileVersionMs", f.fileVersionMs, 0x00010000u},
          Field{"fileVersionLs", f.fileVersionLs, 0x00000001u},
          Field{"productVersionMs", f.productVersionMs, 0x00010000u},
          Field{"productVersionLs", f.productVersionLs, 0x00000001u},
          Field{"fileFlagsMask", f.fileFlagsMask, 0x3Fu}, Field{"fileFlags", f.fileFlags, 0x1u},
          Field{"fileOs", f.fileOs, 0x4u}, Field{"fileType", f.fileType, 0x1u},
          Field{"fileSubtype", f.fileSubtype, 0u}, Field{"fileDateMs", f.fileDateMs, 0u},
          Field{"fileDateLs", f.fileDateLs, 0u}}) {
        EXPECT_EQ(field.read, field.expected) << field.name;
    }
}

TEST(VersionBlock, OneStringTableWithKeysInOrder) {
    const auto info = ReadVersionInfo(EmbeddedData(kRtVersion, 1));
    ASSERT_TRUE(info.has_value());
    ASSERT_EQ(info->stringTables.size(), 1u);
    EXPECT_EQ(info->stringTables[0].key, "080404b0");
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Comments", ""},
        {"CompanyName", ""},
        {"FileDescription", "Canzet 五线谱"},
        {"FileVersion", "1, 0, 0, 1"},
        {"InternalName", "Canzet"},
        {"LegalCopyright", "版权所有 (C) 2026"},
        {"LegalTrademarks", ""},
        {"OriginalFilename", "Canzet.EXE"},
        {"PrivateBuild", ""},
        {"ProductName", "Canzet 五线谱"},
        {"ProductVersion", "1, 0, 0, 1"},
        {"SpecialBuild", ""},
    };
    EXPECT_EQ(info->stringTables[0].entries, expected);
    ASSERT_NE(info->Find("080404b0", "OriginalFilename"), nullptr);
    EXPECT_EQ(*info->Find("080404b0", "OriginalFilename"), "Canzet.EXE");
    EXPECT_EQ(info->Find("040904b0", "OriginalFilename"), nullptr);
    EXPECT_EQ(info->Find("080404b0", "Missing"), nullptr);
}

TEST(VersionBlock, TranslationIsChinesePrcUnicode) {
    const auto info = ReadVersionInfo(EmbeddedData(kRtVersion, 1));
    ASSERT_TRUE(info.has_value());
    ASSERT_EQ(info->translations.size(), 1u);
    EXPECT_EQ(info->translations[0].language, 0x0804);
    EXPECT_EQ(info->translations[0].codePage, 0x04B0);
}
