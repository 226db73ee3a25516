#include "app/Language.h"

#include "platform/Resources.h"

void UseLanguage(Language language) {
    SetResourceLanguage(ResourceLanguageOf(language), kChineseResources);
}
