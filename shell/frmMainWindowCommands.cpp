// The main window's commands that show windows: the child windows, the
// options, About and help, the two bars, and the arrangement of the child
// windows with the window list of the "Finestra" menu.

#include <QApplication>
#include <QHash>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

#include "analysis/frmModelloGas.h"
#include "entry/CycleTableModel.h"
#include "entry/CycleTableView.h"
#include "platform/HelpViewer.h"
#include "platform/UiMessage.h"
#include "platform/UiText.h"
#include "shell/CommandScope.h"
#include "shell/GasModelSettings.h"
#include "shell/ProgramIdentity.h"
#include "shell/SettingsKeys.h"
#include "shell/WindowArrangement.h"
#include "shell/frmAbout.h"
#include "shell/frmMain.h"
#include "shell/frmOptions.h"

namespace volvenza {
namespace {

constexpr UiText kTableFailed{
    "volvenza::frmMain",
    QT_TRANSLATE_NOOP("volvenza::frmMain", "Impossibile mostrare la tabella dei risultati.")};

// Each window's own help page: the child windows, then the dialogs and the
// windows of their own.
const QHash<QString, QString>& HelpPages() {
    static const QHash<QString, QString> pages{
        {QStringLiteral("DatiIniziali"), QStringLiteral("dati_iniziali.html")},
        {QStringLiteral("InserimentoDati"), QStringLiteral("movimenti.html")},
        {QStringLiteral("Ciclo"), QStringLiteral("movimenti.html#ciclo")},
        {QStringLiteral("Grafico"), QStringLiteral("grafico.html")},
        {QStringLiteral("Tabella"), QStringLiteral("tabella.html")},
        {QStringLiteral("Dimensionamento"), QStringLiteral("dimensionamento.html")},
        {QStringLiteral("BilancioEnergetico"), QStringLiteral("bilancio_energetico.html")},
        {QStringLiteral("frmModelloGas"), QStringLiteral("modello_gas.html#campi")},
        {QStringLiteral("frmOptions"), QStringLiteral("stampa.html#opzioni")},
        {QStringLiteral("frmAggiungiParticolari"), QStringLiteral("grafico.html#strumenti")},
        {QStringLiteral("RecuperaLavoro"), QStringLiteral("comandi.html#recupera")},
    };
    return pages;
}

// The parts of a window with a section of their own: F1 with the focus in
// one of them opens it.
QString FocusedPartPage(const QWidget* active) {
    static const QHash<QString, QString> parts = {
        {QStringLiteral("Carichi"), QStringLiteral("compiti.html#carichi")},
        {QStringLiteral("ChkEmergenzaPieno"), QStringLiteral("compiti.html#emergenza")},
        {QStringLiteral("FrameMantenimento"), QStringLiteral("compiti.html#mantenimento")},
    };
    for (const QWidget* w = QApplication::focusWidget(); w != nullptr && w != active;
         w = w->parentWidget()) {
        if (const auto page = parts.constFind(w->objectName()); page != parts.constEnd()) {
            return *page;
        }
        // The cycle table's duty columns, a cell or its editor.
        if (const auto* table = qobject_cast<const CycleTableView*>(w);
            table != nullptr && table->currentIndex().column() >= CycleTableModel::Load) {
            return QStringLiteral("compiti.html#carichi");
        }
    }
    return {};
}

// F1 in a window apart from the main one (a dialog, which the main window's
// key does not reach): that window's page, when it has one.
class SeparateWindowHelp : public QObject {
  public:
    SeparateWindowHelp(std::function<void(const QString&)> show, QObject* parent)
        : QObject(parent), show_(std::move(show)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) return false;
        const QString page =
            HelpPages().value(static_cast<QWidget*>(watched)->window()->objectName());
        if (page.isEmpty()) return false;
        show_(page);
        return true;
    }

  private:
    std::function<void(const QString&)> show_;
};

}  // namespace

void frmMain::GiveSeparateWindowsHelp() {
    qApp->installEventFilter(new SeparateWindowHelp(
        [this](const QString& page) { ShowHelpAt(Origin::Menu, HelpCommand::Page, page); }, this));
}

void frmMain::ShowOptions(Origin origin) {
    CommandScope step(context_.dialogs, origin);
    step([&] {
        const QString stored = ReadSetting(context_.settings, Setting::Language);
        frmOptions options(printHeader_, LanguageChoiceFromText(stored.toUtf8().constData()), this);
        if (context_.dialogs.Exec(options) != QDialog::Accepted) return;
        // Kept at once, not only on exit, so a crash does not lose it.
        printHeader_ = options.Header();
        WriteSetting(context_.settings, Setting::PrintHeader, printHeader_);
        WriteSetting(context_.settings, Setting::Language,
                     QString::fromUtf8(LanguageChoiceText(options.Language())));
    });
}

void frmMain::ShowGasModel(Origin origin) {
    CommandScope step(context_.dialogs, origin);
    step([&] {
        frmModelloGas dialog(context_.state.Gas, context_.dialogs, this);
        if (context_.dialogs.Exec(dialog) != QDialog::Accepted) return;
        // Taken by the next run, and kept for the next time the program opens.
        project_->SetGas(dialog.Settings());
        WriteGasSettings(context_.settings, context_.state.Gas);
    });
}

void frmMain::ShowAbout(Origin origin) {
    CommandScope step(context_.dialogs, origin);
    step([&] {
        frmAbout about(this);
        context_.dialogs.Exec(about);
    });
}

void frmMain::ShowHelp(Origin origin, bool search) {
    ShowHelpAt(origin, search ? HelpCommand::PartialKey : HelpCommand::Contents, QString());
}

void frmMain::ShowHelpAt(Origin origin, HelpCommand command, const QString& key) {
    CommandScope step(context_.dialogs, origin);
    step([&] {
        const Status opened = context_.help.Open(this, kHelpFile, command, key);
        if (!opened) {
            context_.dialogs.Message(UiMessage(opened.Error()), MessageIcon::None,
                                     MessageButtons::Ok);
        }
    });
}

void frmMain::ShowHelpForActiveWindow(Origin origin) {
    // The page of the child window in front; the main window's when none is.
    const QWidget* active = ActiveChildWindow();
    QString page = active != nullptr ? FocusedPartPage(active) : QString();
    if (page.isEmpty() && active != nullptr) page = HelpPages().value(active->objectName());
    ShowHelpAt(origin, HelpCommand::Page,
               page.isEmpty() ? QStringLiteral("finestra_principale.html") : page);
}
void frmMain::ShowChild(Origin origin, const QString& name) {
    CommandScope step(context_.dialogs, origin);
    step([&] { ShowChildWindow(name); });
}

void frmMain::ShowTable(Origin origin) {
    CommandScope step(context_.dialogs, origin, kTableFailed);
    QWidget* table = nullptr;
    step([&] {
        table = LoadChildWindow(QStringLiteral("Tabella"));
        if (table != nullptr) SubWindowOf(table)->hide();
    });
    if (table == nullptr) return;
    step([&] {
        if (context_.windows.fillResultsTable) context_.windows.fillResultsTable(table);
    });
    step([&] { ShowChildWindow(QStringLiteral("Tabella")); });
}

void frmMain::ToggleToolBar(Origin) {
    toolBar_->setVisible(
        menuBar()->findChild<QAction*>(QStringLiteral("mnuViewToolbar"))->isChecked());
}

void frmMain::ToggleStatusBar(Origin) {
    statusBar()->setVisible(
        menuBar()->findChild<QAction*>(QStringLiteral("mnuViewStatusBar"))->isChecked());
}

// ---- Window arrangement --------------------------------------------------------

void frmMain::CascadeChildWindows(Origin) {
    // Each window keeps its own size: only the places step down and to the
    // right by a title bar, the topmost window ending on top.
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* sub : mdi_->subWindowList(QMdiArea::StackingOrder)) {
        if (sub->isVisible() && !sub->isMinimized()) windows << sub;
    }
    const int step = windows.isEmpty() ? 0
                                       : windows.first()->style()->pixelMetric(
                                             QStyle::PM_TitleBarHeight, nullptr, windows.first());
    for (qsizetype i = 0; i < windows.size(); ++i) {
        const int offset = static_cast<int>(i) * step;
        windows[i]->showNormal();
        windows[i]->move(offset, offset);
        windows[i]->raise();
    }
}

void frmMain::TileChildWindows(Origin, Qt::Orientation orientation) {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* sub : mdi_->subWindowList(QMdiArea::StackingOrder)) {
        if (sub->isVisible() && !sub->isMinimized()) windows.prepend(sub);
    }
    const std::vector<QRect> places =
        TileRects(mdi_->viewport()->rect(), static_cast<int>(windows.size()), orientation);
    for (qsizetype i = 0; i < windows.size(); ++i) {
        windows[i]->showNormal();
        windows[i]->setGeometry(places[static_cast<size_t>(i)]);
    }
}

void frmMain::ArrangeIcons(Origin) {
    std::vector<QMdiSubWindow*> icons;
    std::vector<QSize> sizes;
    for (QMdiSubWindow* sub : mdi_->subWindowList(QMdiArea::CreationOrder)) {
        if (sub->isVisible() && sub->isMinimized()) {
            icons.push_back(sub);
            sizes.push_back(sub->size());
        }
    }
    const std::vector<QPoint> places = IconPlaces(mdi_->viewport()->rect(), sizes);
    for (size_t i = 0; i < icons.size(); ++i) icons[i]->move(places[i]);
}

void frmMain::FillWindowMenu() {
    // Everything after the four arrangement entries is the window list.
    const QList<QAction*> actions = windowMenu_->actions();
    for (qsizetype i = 4; i < actions.size(); ++i) {
        windowMenu_->removeAction(actions[i]);
        actions[i]->deleteLater();
    }
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* sub : mdi_->subWindowList(QMdiArea::CreationOrder)) {
        if (sub->isVisible()) windows << sub;
    }
    if (windows.isEmpty()) return;
    windowMenu_->addSeparator();
    QMdiSubWindow* active = mdi_->currentSubWindow();
    int number = 1;
    for (QMdiSubWindow* sub : windows) {
        QAction* entry = windowMenu_->addAction(
            QStringLiteral("&%1 %2").arg(number++).arg(sub->widget()->windowTitle()));
        entry->setCheckable(true);
        entry->setChecked(sub == active);
        QPointer<QMdiSubWindow> target(sub);
        connect(entry, &QAction::triggered, this, [this, target] {
            if (target) mdi_->setActiveSubWindow(target);
        });
    }
}

}  // namespace volvenza
