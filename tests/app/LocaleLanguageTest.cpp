#include <gtest/gtest.h>

#include "app/Language.h"
#include "app/desktop/LocaleLanguage.h"

namespace {

struct LocaleCase {
    LocaleVariables variables;
    Language expected;
};

class LocaleCases : public testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleCases, ChoosesTheLanguage) {
    EXPECT_EQ(LanguageOfLocale(GetParam().variables), GetParam().expected);
}

using L = Language;
INSTANTIATE_TEST_SUITE_P(Table, LocaleCases,
                         testing::Values(
                             // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
                             LocaleCase{{nullptr, nullptr, nullptr, nullptr}, L::Chinese},
                             LocaleCase{{"zh_CN:en", nullptr, nullptr, nullptr}, L::Chinese},
                             LocaleCase{{"zh_CN:en", nullptr, nullptr, "en_US.UTF-8"}, L::Chinese},
                             LocaleCase{{"de:en_GB", nullptr, nullptr, "zh_CN.UTF-8"}, L::English},
                             LocaleCase{{"", "C", nullptr, "en_US.UTF-8"}, L::Chinese},
                             LocaleCase{{"en_US:en", "C.UTF-8", nullptr, "en_US.UTF-8"},
                                        L::Chinese},
                             LocaleCase{{nullptr, "C.UTF-8", nullptr, "de_DE.UTF-8"}, L::Chinese},
                             LocaleCase{{nullptr, nullptr, nullptr, "POSIX"}, L::Chinese},
                             LocaleCase{{nullptr, nullptr, nullptr, "de_DE.UTF-8"}, L::English},
                             LocaleCase{{nullptr, nullptr, "en_GB", "zh_CN"}, L::English},
                             LocaleCase{{nullptr, "", "zh_TW.UTF-8", "en_US"}, L::Chinese},
                             LocaleCase{{"zha", nullptr, nullptr, "zh_HK"}, L::Chinese},
                             LocaleCase{{nullptr, nullptr, nullptr, "zha_CN"}, L::English}));

TEST(WindowsUiLanguage, ChineseForEveryChineseOne) {
    for (const WORD chinese : {0x0804, 0x0404, 0x0C04, 0x1404, 0x1004}) {
        EXPECT_EQ(LanguageOfWindowsUi(chinese), L::Chinese) << chinese;
    }
    for (const WORD other : {0x0409, 0x0809, 0x0407, 0x0411, 0x0000}) {
        EXPECT_EQ(LanguageOfWindowsUi(other), L::English) << other;
    }
}

}  // namespace
