#pragma once
// The language of the user interface: Italian unless the user's locale, or
// the user's own choice in "Opzioni...", asks for English.

namespace volvenza {

enum class UiLanguage { Italian, English };

// What the user chose in the options: follow the locale, or one language.
enum class LanguageChoice { Automatic, Italian, English };

// English when the first of LC_ALL, LC_MESSAGES and LANG that is set and not
// empty starts with "en"; Italian otherwise.
UiLanguage LanguageFromEnvironment();

// The language a choice stands for on this system.
UiLanguage ResolveLanguage(LanguageChoice choice);

// The choice as the settings store keeps it ("Automatica", "Italiano",
// "English"); anything else reads as Automatic.
const char* LanguageChoiceText(LanguageChoice choice);
LanguageChoice LanguageChoiceFromText(const char* text);

// The language the program runs in. Decided once at start-up by
// SetUiLanguage (the environment's until then).
UiLanguage CurrentUiLanguage();
void SetUiLanguage(UiLanguage language);

inline bool UseEnglish() {
    return CurrentUiLanguage() == UiLanguage::English;
}

// The decimal separator of numbers shown to the user in the current language.
inline char UiDecimalSeparator() {
    return UseEnglish() ? '.' : ',';
}

}  // namespace volvenza
