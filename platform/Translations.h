#pragma once
// The program's texts are written in Italian; English comes from the
// program's catalogue. Qt's own dialogs (message boxes, file, printer and
// page set-up dialogs, the text boxes' context menu) speak the same language.

#include "platform/Language.h"

class QCoreApplication;

namespace volvenza {

// Loads Qt's Italian catalogue from Qt's translations folder, adds the few
// texts that catalogue lacks, and makes Italian the default locale. Returns
// false when Qt's catalogue could not be loaded (the dialogs then keep
// Qt's English, apart from the texts the program supplies itself).
bool InstallItalianTranslations(QCoreApplication& application);

// Loads the program's English catalogue (the installed one beside the
// program when there is one, else the copy compiled into the program) and
// makes English the default locale. Returns false when no catalogue loaded.
bool InstallEnglishTranslations(QCoreApplication& application);

// The catalogues of the given language.
bool InstallTranslations(QCoreApplication& application, UiLanguage language);

}  // namespace volvenza
