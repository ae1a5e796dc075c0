#include "platform/LanguageChoice.h"

#include <cstdlib>
#include <string_view>

namespace volvenza {
UiLanguage LanguageFromEnvironment() {
    // The POSIX order of precedence for message texts.
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value == nullptr || *value == '\0') continue;
        return std::string_view(value).substr(0, 2) == "en" ? UiLanguage::English
                                                            : UiLanguage::Italian;
    }
    return UiLanguage::Italian;
}

UiLanguage ResolveLanguage(LanguageChoice choice) {
    switch (choice) {
        case LanguageChoice::Italian:
            return UiLanguage::Italian;
        case LanguageChoice::English:
            return UiLanguage::English;
        case LanguageChoice::Automatic:
            break;
    }
    return LanguageFromEnvironment();
}

const char* LanguageChoiceText(LanguageChoice choice) {
    switch (choice) {
        case LanguageChoice::Italian:
            return "Italiano";
        case LanguageChoice::English:
            return "English";
        case LanguageChoice::Automatic:
            break;
    }
    return "Automatica";
}

LanguageChoice LanguageChoiceFromText(const char* text) {
    if (text == nullptr) return LanguageChoice::Automatic;
    const std::string_view value(text);
    if (value == "Italiano") return LanguageChoice::Italian;
    if (value == "English") return LanguageChoice::English;
    return LanguageChoice::Automatic;
}

}  // namespace volvenza
