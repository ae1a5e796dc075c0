#pragma once
// The real dialogs, owned by the main window.

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include "platform/Dialogs.h"

namespace volvenza {

class QtDialogs : public Dialogs {
  public:
    explicit QtDialogs(QWidget* owner = nullptr) : owner_(owner) {}
    void SetOwner(QWidget* owner) { owner_ = owner; }

    MessageAnswer Message(const QString& text, MessageIcon icon, MessageButtons buttons,
                          const QString& title = kDialogTitle) override;
    QString OpenFileName(const QString& title, const QString& filter,
                         const QString& fileName) override;
    QString SaveFileName(const QString& title, const QString& filter, const QString& fileName,
                         int* chosenFilter = nullptr, const SaveName& saveName = {}) override;
    bool PrinterDialog(QPrinter& printer, const QString& title, bool allowPageRange) override;
    bool PageSetupDialog(QPrinter& printer, const QString& title) override;
    int Exec(QDialog& dialog) override;

  private:
    QPointer<QWidget> owner_;
};

// "Desc|pat|Desc|pat" pairs as Qt name filters for a dialog that hides the
// patterns: each description as given, then its patterns in brackets, with
// "*.*" matching every file (names without an extension too).
QStringList QtNameFilters(const QString& pairs);

// The folder a file dialog opens in: the folder of `fileName` (the current
// folder when it is empty), or the home folder when that folder does not
// exist or lies in a pseudo file system (/proc, /sys, /dev).
QString FileDialogFolder(const QString& fileName);

}  // namespace volvenza
