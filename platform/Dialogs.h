#pragma once
// Every modal exchange with the person at the screen goes through Dialogs:
// message boxes, the file dialogs, the printer and page set-up dialogs and
// the program's own modal windows. Windows receive a Dialogs& from the main
// window; production passes QtDialogs, tests pass ScriptedDialogs.

#include <QString>

#include "engine/EngineUi.h"

class QDialog;
class QPrinter;

namespace volvenza {

inline const QString kDialogTitle = QStringLiteral("Volvenza");

class Dialogs {
  public:
    virtual ~Dialogs() = default;

    virtual MessageAnswer Message(const QString& text, MessageIcon icon, MessageButtons buttons,
                                  const QString& title = kDialogTitle) = 0;

    // `filter` is a list of description and pattern pairs separated by "|",
    // as in "Volvenza (*.vlz)|*.vlz| Tutti i file (*.*)|*.* ". Both return the
    // chosen path as given (no extension added), or an empty string on Cancel;
    // `chosenFilter`, when given, receives the position of the filter the
    // name was chosen under (0 for the first pair).
    virtual QString OpenFileName(const QString& title, const QString& filter,
                                 const QString& fileName) = 0;
    virtual QString SaveFileName(const QString& title, const QString& filter,
                                 const QString& fileName, int* chosenFilter = nullptr) = 0;

    // Both work on `printer`, which keeps the choice; false means Cancel.
    virtual bool PrinterDialog(QPrinter& printer, const QString& title,
                               bool allowPageRange = true) = 0;
    virtual bool PageSetupDialog(QPrinter& printer, const QString& title) = 0;

    // Runs one of the program's own modal windows (options, About, ...) and
    // returns its QDialog::DialogCode.
    virtual int Exec(QDialog& dialog) = 0;
};

}  // namespace volvenza
