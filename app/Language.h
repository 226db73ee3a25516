// The languages Canzet speaks. Its resources are complete in Chinese, its own language;
// the English set carries the texts, and the pictures are read from the Chinese one.
#pragma once

#include "platform/WinTypes.h"

enum class Language { Chinese, English };

// The resource language of each set: LANG_CHINESE/SUBLANG_CHINESE_SIMPLIFIED and
// LANG_ENGLISH/SUBLANG_ENGLISH_US.
constexpr WORD kChineseResources = 0x0804;
constexpr WORD kEnglishResources = 0x0409;

constexpr WORD ResourceLanguageOf(Language language) {
    return language == Language::Chinese ? kChineseResources : kEnglishResources;
}

// On Windows, by the user's UI language: Chinese for every Chinese one (primary language
// LANG_CHINESE, whatever the region), English otherwise.
constexpr Language LanguageOfWindowsUi(WORD languageId) {
    constexpr WORD kPrimaryLanguageMask = 0x03FF;
    constexpr WORD kLangChinese = 0x04;
    return (languageId & kPrimaryLanguageMask) == kLangChinese ? Language::Chinese
                                                               : Language::English;
}

// Resources are read in `language` from now on, in Chinese where that set lacks one.
void UseLanguage(Language language);
