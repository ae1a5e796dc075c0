#include "platform/QtDialogs.h"

#include <algorithm>

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QListView>
#include <QLocale>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrinter>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTreeView>

#include "platform/ScreenUnits.h"

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

// Qt's file dialog writes sizes and dates in the system's locale, which on a
// machine left at "C" is English; these columns follow the program's own
// (Italian) locale instead. Columns: name, size, type, date.
class LocalFileColumns : public QIdentityProxyModel {
  public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || files == nullptr ||
            (index.column() != 1 && index.column() != 3)) {
            return QIdentityProxyModel::data(index, role);
        }
        const QFileInfo info = files->fileInfo(mapToSource(index));
        if (index.column() == 3)
            return QLocale().toString(info.lastModified(), QLocale::ShortFormat);
        if (!info.isFile()) return QIdentityProxyModel::data(index, role);
        return QLocale().formattedDataSize(info.size());
    }
};

MessageAnswer RunMessageBox(QWidget* owner, const QString& text, MessageIcon icon,
                            MessageButtons buttons, const QString& title, bool noByDefault = false);

// The filter the dialog shows, by its place in the list: with the details
// hidden, Qt names the chosen filter by its shortened text, which is none of ours.
int ChosenFilter(const QFileDialog& dialog, const QStringList& nameFilters) {
    const auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    const int index = types != nullptr
                          ? types->currentIndex()
                          : static_cast<int>(nameFilters.indexOf(dialog.selectedNameFilter()));
    return std::max(0, index);
}

// A save dialog that asks, before it closes, whether the file its choice is
// written to may replace one that exists; No leaves it open for another name.
class FileDialog : public QFileDialog {
  public:
    FileDialog(QWidget* owner, const QString& title, QStringList nameFilters, SaveName saveName)
        : QFileDialog(owner, title),
          nameFilters_(std::move(nameFilters)),
          saveName_(std::move(saveName)) {}

    QString Target() const { return target_; }

    void accept() override {
        const QStringList files = selectedFiles();
        if (acceptMode() != AcceptSave || files.isEmpty() || QFileInfo(files.first()).isDir()) {
            QFileDialog::accept();
            return;
        }
        const QString& chosen = files.first();
        const QString target =
            saveName_ ? saveName_(chosen, ChosenFilter(*this, nameFilters_)) : chosen;
        const QFileInfo info(target);
        if ((info.exists() || info.isSymLink()) &&
            RunMessageBox(this, ReplaceQuestion(target), MessageIcon::Exclamation,
                          MessageButtons::YesNo, windowTitle(), true) != MessageAnswer::Yes) {
            return;
        }
        target_ = target;
        QFileDialog::accept();
    }

  private:
    QStringList nameFilters_;
    SaveName saveName_;
    QString target_;
};

QString RunFileDialog(QWidget* owner, QFileDialog::AcceptMode mode, const QString& title,
                      const QString& filter, const QString& fileName, int* chosenFilter = nullptr,
                      const SaveName& saveName = {}) {
    const QStringList nameFilters = QtNameFilters(filter);
    FileDialog dialog(owner, title, nameFilters, saveName);
    // Qt's own dialog rather than the desktop's: it follows the program's
    // language and shows the filters exactly as the program names them.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setProxyModel(new LocalFileColumns(&dialog));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    // The dialog asks itself, about the file its choice is written to.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setNameFilters(nameFilters);
    if (chosenFilter != nullptr && *chosenFilter > 0 && *chosenFilter < nameFilters.size()) {
        dialog.selectNameFilter(nameFilters[*chosenFilter]);
    }
    // Room for the Italian column names and dates, and every detail column
    // as wide as what it shows.
    dialog.resize(dialog.sizeHint().expandedTo(TwipsRect(0, 0, 12000, 7000, owner).size()));
    if (auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        for (int column = 1; column < 4; ++column) {
            details->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
        }
    }
    // The places on the left as wide as their names.
    auto* places = dialog.findChild<QListView*>(QStringLiteral("sidebar"));
    auto* splitter = dialog.findChild<QSplitter*>(QStringLiteral("splitter"));
    if (places != nullptr && splitter != nullptr) {
        const int wanted = places->sizeHintForColumn(0) + 2 * places->frameWidth() +
                           places->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        splitter->setSizes({wanted, std::max(dialog.width() - wanted, wanted)});
    }
    const QString folder = FileDialogFolder(fileName);
    dialog.setDirectory(folder);
    if (!fileName.isEmpty()) dialog.selectFile(QFileInfo(fileName).fileName());
    if (dialog.exec() != QDialog::Accepted) return {};
    if (chosenFilter != nullptr) *chosenFilter = ChosenFilter(dialog, nameFilters);
    if (mode == QFileDialog::AcceptSave) return dialog.Target();
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}

// Disables every way the printer dialog offers to print only some pages.
// Qt shows the page-range controls again each time the dialog is shown when
// the printing system can select pages itself, so this runs on the dialog's
// show event, after Qt has set its widgets up.
void DisablePageChoice(QWidget& dialog) {
    if (auto* group = dialog.findChild<QWidget*>(QStringLiteral("gbPrintRange"))) group->hide();
    for (const char* name : {"printRange", "from", "to", "pagesRadioButton", "pagesLineEdit",
                             "printCurrentPage", "printSelection", "pageSetCombo"}) {
        if (auto* widget = dialog.findChild<QWidget*>(QLatin1String(name))) {
            widget->setEnabled(false);
        }
    }
    if (auto* all = dialog.findChild<QAbstractButton*>(QStringLiteral("printAll"))) {
        all->setChecked(true);
    }
}

class PageChoiceBlocker : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            DisablePageChoice(*static_cast<QWidget*>(watched));
        }
        return false;
    }
};

// Whatever the dialog let through, the printer prints every page: no page
// range of Qt's and none handed to the printing system.
void PrintEveryPage(QPrinter& printer) {
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFromTo(0, 0);
    // The printing system's own job options, as name and value pairs.
    const auto jobOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);
    QPrintEngine* engine = printer.printEngine();
    const QVariant stored = engine != nullptr ? engine->property(jobOptions) : QVariant();
    if (!stored.isValid()) return;
    const QStringList options = stored.toStringList();
    QStringList kept;
    for (qsizetype i = 0; i + 1 < options.size(); i += 2) {
        if (options[i] == QLatin1String("page-ranges") || options[i] == QLatin1String("page-set")) {
            continue;
        }
        kept << options[i] << options[i + 1];
    }
    engine->setProperty(jobOptions, kept);
}

// With `noByDefault`, Enter answers No, as Qt's own question before a file
// is replaced: two hurried keys never replace one.
MessageAnswer RunMessageBox(QWidget* owner, const QString& text, MessageIcon icon,
                            MessageButtons buttons, const QString& title, bool noByDefault) {
    QMessageBox box(ToQt(icon), title, text, QMessageBox::NoButton, owner);
    // The buttons' texts are the program's own, whatever catalogue is loaded.
    switch (buttons) {
        case MessageButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MessageButtons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box.button(QMessageBox::Cancel)
                ->setText(QCoreApplication::translate("volvenza::QtDialogs", "Annulla"));
            break;
        case MessageButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.button(QMessageBox::Yes)
                ->setText(QCoreApplication::translate("volvenza::QtDialogs", "Sì"));
            box.button(QMessageBox::No)
                ->setText(QCoreApplication::translate("volvenza::QtDialogs", "No"));
            if (noByDefault) box.setDefaultButton(QMessageBox::No);
            break;
    }
    if (QAbstractButton* ok = box.button(QMessageBox::Ok))
        ok->setText(QCoreApplication::translate("volvenza::QtDialogs", "OK"));
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

}  // namespace

QStringList QtNameFilters(const QString& pairs) {
    // Each filter is the description as the program gives it, followed by
    // the patterns Qt matches in brackets; the dialog hides the brackets.
    // "*.*" would hide names without a dot, so it matches every file.
    QStringList filters;
    const QStringList parts = pairs.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].trimmed().split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == QLatin1String("*.*")) pattern = QStringLiteral("*");
        }
        filters << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')');
    }
    return filters;
}

QString FileDialogFolder(const QString& fileName) {
    const QString folder =
        fileName.isEmpty() ? QDir::currentPath() : QFileInfo(fileName).absolutePath();
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (canonical.isEmpty() || !QFileInfo(canonical).isDir()) return QDir::homePath();
    // Qt's dialog reads every entry it lists; in these it can wait for ever
    // on a special file.
    for (const char* pseudo : {"/proc", "/sys", "/dev"}) {
        const QString root = QLatin1String(pseudo);
        if (canonical == root || canonical.startsWith(root + QLatin1Char('/'))) {
            return QDir::homePath();
        }
    }
    return canonical;
}

MessageAnswer QtDialogs::Message(const QString& text, MessageIcon icon, MessageButtons buttons,
                                 const QString& title) {
    return RunMessageBox(owner_, text, icon, buttons, title);
}

QString QtDialogs::OpenFileName(const QString& title, const QString& filter,
                                const QString& fileName) {
    return RunFileDialog(owner_, QFileDialog::AcceptOpen, title, filter, fileName);
}

QString QtDialogs::SaveFileName(const QString& title, const QString& filter,
                                const QString& fileName, int* chosenFilter,
                                const SaveName& saveName) {
    return RunFileDialog(owner_, QFileDialog::AcceptSave, title, filter, fileName, chosenFilter,
                         saveName);
}

bool QtDialogs::PrinterDialog(QPrinter& printer, const QString& title, bool allowPageRange) {
    QPrintDialog dialog(&printer, owner_);
    dialog.setWindowTitle(title);
    if (allowPageRange) return dialog.exec() == QDialog::Accepted;

    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setMinMax(1, 1);
    PrintEveryPage(printer);
    PageChoiceBlocker blocker;
    dialog.installEventFilter(&blocker);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    PrintEveryPage(printer);
    return accepted;
}

bool QtDialogs::PageSetupDialog(QPrinter& printer, const QString& title) {
    QPageSetupDialog dialog(&printer, owner_);
    dialog.setWindowTitle(title);
    return dialog.exec() == QDialog::Accepted;
}

int QtDialogs::Exec(QDialog& dialog) {
    // Modal to the program's windows only: the help that F1 opens from the
    // dialog stands beside the program and stays usable.
    if (dialog.parentWidget() != nullptr) dialog.setWindowModality(Qt::WindowModal);
    return dialog.exec();
}

}  // namespace volvenza
