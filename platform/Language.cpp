#include "platform/Language.h"

#include <QLocale>

namespace volvenza {

UiLanguage CurrentUiLanguage() {
    return QLocale().language() == QLocale::English ? UiLanguage::English : UiLanguage::Italian;
}

void SetUiLanguage(UiLanguage language) {
    QLocale::setDefault(language == UiLanguage::English
                            ? QLocale(QLocale::English, QLocale::UnitedStates)
                            : QLocale(QLocale::Italian, QLocale::Italy));
}

}  // namespace volvenza
