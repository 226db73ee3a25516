#include "app/desktop/LocaleLanguage.h"

#include <cstdlib>
#include <optional>
#include <string_view>

#include "app/desktop/IsSet.h"

namespace {

// "zh", "zh_CN", "zh_TW.UTF-8", "zh@pinyin" are all Chinese; "zha" is not.
bool NamesLanguage(std::string_view locale, std::string_view language) {
    return locale.starts_with(language) &&
           (locale.size() == language.size() ||
            std::string_view("_.@").find(locale[language.size()]) != std::string_view::npos);
}

bool IsPlainLocale(std::string_view locale) {
    return NamesLanguage(locale, "C") || locale == "POSIX";
}

std::optional<Language> Recognised(std::string_view locale) {
    if (NamesLanguage(locale, "zh")) {
        return Language::Chinese;
    }
    if (NamesLanguage(locale, "en")) {
        return Language::English;
    }
    return std::nullopt;
}

}  // namespace

// Not Qt's QLocale::system().uiLanguages(): when LANGUAGE is set, Qt drops the messages
// locale instead of trying it after the list (LANGUAGE=zha, LANG=zh_HK would be English).
Language LanguageOfLocale(const LocaleVariables& variables) {
    // The messages locale, as the C library settles it: LC_ALL over LC_MESSAGES over LANG.
    const char* messages = IsSet(variables.lcAll)        ? variables.lcAll
                           : IsSet(variables.lcMessages) ? variables.lcMessages
                                                         : variables.lang;
    // As gettext does, a C locale asks for the program's own texts whatever LANGUAGE says.
    if (!IsSet(messages) || IsPlainLocale(messages)) {
        return Language::Chinese;
    }
    std::string_view list = IsSet(variables.language) ? variables.language : "";
    while (!list.empty()) {
        const size_t colon = list.find(':');
        if (const auto language = Recognised(list.substr(0, colon))) {
            return *language;
        }
        list = colon == std::string_view::npos ? "" : list.substr(colon + 1);
    }
    return Recognised(messages).value_or(Language::English);
}

LocaleVariables EnvironmentLocale() {
    return {std::getenv("LANGUAGE"), std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"),
            std::getenv("LANG")};
}

const char* CloseItemText(Language language) {
    return language == Language::Chinese ? "关闭" : "Close";
}
