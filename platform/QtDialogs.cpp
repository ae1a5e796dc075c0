#include "platform/QtDialogs.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace volvenza {
namespace {

QMessageBox::Icon ToQt(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QString RunFileDialog(QWidget* owner, QFileDialog::AcceptMode mode, const QString& title,
                      const QString& filter, const QString& fileName) {
    QFileDialog dialog(owner, title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    // The commands ask nothing more and use the name exactly as chosen.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setNameFilters(QtNameFilters(filter));
    if (!fileName.isEmpty()) dialog.selectFile(fileName);
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}

}  // namespace

QStringList QtNameFilters(const QString& pairs) {
    QStringList filters;
    const QStringList parts = pairs.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i];
        const QString pattern = parts[i + 1].trimmed();
        if (description.contains(QLatin1Char('(') + pattern + QLatin1Char(')'))) {
            filters << description;
        } else {
            filters << description + QStringLiteral(" (") + pattern + QLatin1Char(')');
        }
    }
    return filters;
}

MessageAnswer QtDialogs::Message(const QString& text, MessageIcon icon, MessageButtons buttons,
                                 const QString& title) {
    QMessageBox box(ToQt(icon), title, text, QMessageBox::NoButton, owner_);
    switch (buttons) {
        case MessageButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MessageButtons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case MessageButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        case QMessageBox::Cancel:
            return MessageAnswer::Cancel;
        default:
            break;
    }
    // A Yes/No box closed without a button counts as No.
    return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

QString QtDialogs::OpenFileName(const QString& title, const QString& filter,
                                const QString& fileName) {
    return RunFileDialog(owner_, QFileDialog::AcceptOpen, title, filter, fileName);
}

QString QtDialogs::SaveFileName(const QString& title, const QString& filter,
                                const QString& fileName) {
    return RunFileDialog(owner_, QFileDialog::AcceptSave, title, filter, fileName);
}

bool QtDialogs::PrinterDialog(QPrinter& printer, const QString& title, bool allowPageRange) {
    QPrintDialog dialog(&printer, owner_);
    dialog.setWindowTitle(title);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, allowPageRange);
    return dialog.exec() == QDialog::Accepted;
}

bool QtDialogs::PageSetupDialog(QPrinter& printer, const QString& title) {
    QPageSetupDialog dialog(&printer, owner_);
    dialog.setWindowTitle(title);
    return dialog.exec() == QDialog::Accepted;
}

int QtDialogs::Exec(QDialog& dialog) {
    return dialog.exec();
}

}  // namespace volvenza
