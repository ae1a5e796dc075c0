#include "platform/Language.h"

#include <cstdlib>
#include <optional>
#include <string_view>

namespace volvenza {
namespace {
std::optional<UiLanguage> chosen;
}  // namespace

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

UiLanguage CurrentUiLanguage() {
    return chosen.value_or(LanguageFromEnvironment());
}

void SetUiLanguage(UiLanguage language) {
    chosen = language;
}

}  // namespace volvenza
