#pragma once
// The language of the user interface: Italian unless the user's locale, or
// later the user's own choice, asks for English.

namespace volvenza {

enum class UiLanguage { Italian, English };

// English when the first of LC_ALL, LC_MESSAGES and LANG that is set and not
// empty starts with "en"; Italian otherwise.
UiLanguage LanguageFromEnvironment();

// The language the program runs in. Decided once at start-up by
// SetUiLanguage (the environment's until then).
UiLanguage CurrentUiLanguage();
void SetUiLanguage(UiLanguage language);

inline bool UseEnglish() {
    return CurrentUiLanguage() == UiLanguage::English;
}

}  // namespace volvenza
