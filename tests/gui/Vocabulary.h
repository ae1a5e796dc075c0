#pragma once
// One check, shared by the tests of windows, dialogs, help pages and printed
// pages, that a text shown in one language holds no word of the other.

#include <QStringList>

#include "platform/Language.h"

namespace volvenza::testing {

// The texts among `texts` holding a word of the language other than
// `shown`: a word only the catalogue's Italian sources use, or only its
// English translations use; the short Italian words too common to tell the
// languages apart there ("il", "di", "e"...); and the words of Qt's own
// English dialogs.
QStringList OtherLanguageTexts(const QStringList& texts, UiLanguage shown);

}  // namespace volvenza::testing
