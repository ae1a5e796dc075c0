#pragma once
// The language the windows run in. It is Qt's default locale, which the
// program sets once at start-up with its translations (InstallTranslations),
// so the texts, the numbers and Qt's own dialogs cannot disagree; before
// that it is the system's locale.

#include "platform/LanguageChoice.h"

namespace volvenza {

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
