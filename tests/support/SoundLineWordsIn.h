// The sound device's words as the program reads them from its string table in `language`.
#pragma once

#include "app/Language.h"
#include "app/desktop/SoundLineWords.h"
#include "platform/Resources.h"

inline SoundWords SoundLineWordsIn(Language language) {
    SetResourceLanguage(ResourceLanguageOf(language), kChineseResources);
    SoundWords words = SoundLineWords();
    SetResourceLanguage(kChineseResources, kChineseResources);
    return words;
}
