#pragma once
// Every modal exchange with the person at the screen goes through Dialogs:
// message boxes, the file dialogs, the printer and page set-up dialogs and
// the program's own modal windows. Windows receive a Dialogs& from the main
// window; the program passes QtDialogs, tests and benchmarks their own
// scripted ones (tests/support/ScriptedDialogs.h).

#include <functional>

#include <QString>

#include "messages/Notice.h"

class QDialog;
class QPrinter;

namespace volvenza {

inline const QString kDialogTitle = QStringLiteral("Volvenza");

// The file a save dialog's choice is written to, from the name chosen and the
// position of its filter: a bare name under some filters gains an extension.
using SaveName = std::function<QString(const QString& chosen, int filter)>;

// What a save dialog asks before its file replaces one that exists.
QString ReplaceQuestion(const QString& path);

class Dialogs {
  public:
    virtual ~Dialogs() = default;

    virtual MessageAnswer Message(const QString& text, MessageIcon icon, MessageButtons buttons,
                                  const QString& title = kDialogTitle) = 0;

    // `filter` is a list of description and pattern pairs separated by "|",
    // as in "Volvenza (*.vlz)|*.vlz| Tutti i file (*.*)|*.* ". OpenFileName
    // returns the chosen path as given, or an empty string on Cancel.
    virtual QString OpenFileName(const QString& title, const QString& filter,
                                 const QString& fileName) = 0;
    // The file to write: `saveName` of the name chosen (the name itself
    // without one), or an empty string on Cancel. When that file exists the
    // dialog asks ReplaceQuestion first, as part of choosing: No goes back to
    // the choice. `chosenFilter`, when given, names the filter the dialog
    // starts with (0 for the first pair) and receives the one chosen.
    virtual QString SaveFileName(const QString& title, const QString& filter,
                                 const QString& fileName, int* chosenFilter = nullptr,
                                 const SaveName& saveName = {}) = 0;

    // Both work on `printer`, which keeps the choice; false means Cancel.
    virtual bool PrinterDialog(QPrinter& printer, const QString& title,
                               bool allowPageRange = true) = 0;
    virtual bool PageSetupDialog(QPrinter& printer, const QString& title) = 0;

    // Runs one of the program's own modal windows (options, About, ...) and
    // returns its QDialog::DialogCode.
    virtual int Exec(QDialog& dialog) = 0;
};

}  // namespace volvenza
