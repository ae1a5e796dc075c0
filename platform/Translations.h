#pragma once
// Qt's own dialogs (message boxes, file, printer and page set-up dialogs, the
// text boxes' context menu) speak Italian like the rest of the program.

class QCoreApplication;

namespace volvenza {

// Loads Qt's Italian catalogue from Qt's translations folder, adds the few
// texts that catalogue lacks, and makes Italian the default locale. Returns
// false when Qt's catalogue could not be loaded (the dialogs then keep
// Qt's English, apart from the texts the program supplies itself).
bool InstallItalianTranslations(QCoreApplication& application);

}  // namespace volvenza
