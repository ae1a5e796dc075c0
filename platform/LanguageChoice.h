#pragma once
// The interface language's rule, plain C++ so the command line can use it
// with or without the windows: Italian unless the user's locale, or the
// user's own choice in "Opzioni...", asks for English.

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

}  // namespace volvenza
