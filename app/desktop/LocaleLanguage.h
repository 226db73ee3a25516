// Which of the program's languages a Linux desktop user gets, from the locale variables.
#pragma once

#include "app/Language.h"

// The variables' values; nullptr for one that is not set.
struct LocaleVariables {
    const char* language = nullptr;  // LANGUAGE: a list of languages, colon-separated
    const char* lcAll = nullptr;
    const char* lcMessages = nullptr;
    const char* lang = nullptr;
};

// The first of the user's languages that is Chinese (zh*) or English (en*) wins: LANGUAGE's
// list, then the messages locale (LC_ALL over LC_MESSAGES over LANG); failing that, any
// other language means English. A C or POSIX messages locale, or none, means Chinese, the
// program's own, whatever LANGUAGE says, as gettext has it.
Language LanguageOfLocale(const LocaleVariables& variables);

// The variables of this process's environment.
LocaleVariables EnvironmentLocale();

// The system menu's own Close item.
const char* CloseItemText(Language language);
