#include "shell/frmMain.h"

#include <exception>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QToolBar>
#include <QToolButton>

#include "documents/ResultsExport.h"
#include "documents/SimulationFile.h"
#include "engine/Simulation.h"
#include "numbers/NumberText.h"
#include "platform/Dialogs.h"
#include "platform/HelpViewer.h"
#include "platform/ScreenUnits.h"
#include "platform/SettingsStore.h"
#include "shell/Artwork.h"
#include "shell/ProgramIdentity.h"
#include "shell/ProgramListEntry.h"
#include "shell/SettingsKeys.h"
#include "shell/ShellEngineUi.h"
#include "shell/StatusBar.h"
#include "shell/WindowArrangement.h"
#include "shell/frmAbout.h"
#include "shell/frmOptions.h"

namespace volvenza {
namespace {

const QString kNewQuestion = QStringLiteral(
    "ATTENZIONE! Verranno azzerati tutti i valori e si inizierà una nuova simulazione, "
    "continuare?");
const QString kNoHelpFile = QStringLiteral(
    "Impossibile visualizzare il Sommario della Guida. Nessun file della Guida associato al "
    "progetto.");
const QString kSimulationFilter = QStringLiteral("Volvenza (*.vlz)|*.vlz| Tutti i file (*.*)|*.* ");
const QString kTextFilter = QStringLiteral("Testo (*.txt)|*.txt| Tutti i file (*.*)|*.* ");
const QString kBitmapFilter = QStringLiteral("Bitmap (*.bmp)|*.bmp| Tutti i file (*.*)|*.* ");
const QString kOpenTitle = QStringLiteral("Apri");
const QString kSaveAsTitle = QStringLiteral("Salva con nome");
const QString kPageSetupTitle = QStringLiteral("Imposta pagina");
const QString kUnknownFailure = QStringLiteral("Si è verificato un errore imprevisto.");

struct ToolButton {
    const char* key;
    int picture;  // 0: text only
    const char* tooltip;
    bool separatorBefore;
};

constexpr ToolButton kToolButtons[] = {
    {"New", 1, "Nuova simulazione", false},
    {"Open", 2, "Carica simulazione", false},
    {"Save", 3, "Salva simulazione", false},
    {"Print", 4, "Stampa", true},
    {"ValoriIniziali", 5, "Valori iniziali", true},
    {"InserimentoDati", 6, "Inserimento dei movimenti", false},
    {"Simulazione", 7, "Inizio simulazione", false},
    {"Grafico", 8, "Grafico", false},
    {"Tabella", 9, "Tabella", false},
    {"Esempio", 0, "Esempio", false},
};

// What each state code does to an entry: '+' enables, '-' disables, ' '
// leaves it as it is. Entries not listed are always enabled.
struct CommandStateRow {
    const char* entry;
    bool onToolBar;
    char code1, code2, code3, code100;
};

constexpr CommandStateRow kCommandStates[] = {
    {"Open", true, '+', '+', '+', ' '},
    {"Save", true, '-', '-', '+', ' '},
    {"Print", true, '+', ' ', ' ', ' '},
    {"Simulazione", true, '-', '+', '+', '+'},
    {"Grafico", true, '-', '-', '+', ' '},
    {"Tabella", true, '-', '-', '+', ' '},
    {"mnuFileSave", false, '-', '-', '+', ' '},
    {"mnuFileSaveAs", false, '-', '-', '+', ' '},
    {"mnuFileEsporta", false, '-', '-', '+', ' '},
    {"mnuFileEsportaGrafico", false, '-', '-', '+', ' '},
    {"mnuFilePrint", false, '+', ' ', '+', ' '},
};

// The client area: the workspace colour with the background picture drawn
// once from the top left corner.
class ClientArea : public QMdiArea {
  public:
    explicit ClientArea(QWidget* parent) : QMdiArea(parent), picture_(BackgroundPicture()) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(viewport());
        painter.fillRect(viewport()->rect(), palette().brush(QPalette::Dark));
        painter.drawPixmap(0, 0, picture_);
    }

  private:
    QPixmap picture_;
};

std::string FilePath(const QString& name) {
    return QFile::encodeName(name).toStdString();
}

// Runs the steps of one command under the failure rule of its origin.
class CommandScope {
  public:
    using Origin = frmMain::Origin;
    CommandScope(Dialogs& dialogs, Origin origin) : dialogs_(dialogs), origin_(origin) {}

    template <class Step>
    void operator()(Step&& step) {
        if (failed_) return;
        try {
            step();
        } catch (const std::exception& failure) {
            Failed(QString::fromLocal8Bit(failure.what()));
        } catch (...) {
            Failed(kUnknownFailure);
        }
    }

  private:
    void Failed(const QString& description) {
        if (origin_ == Origin::ToolBar) return;
        failed_ = true;
        dialogs_.Message(description, MessageIcon::Critical, MessageButtons::Ok);
    }

    Dialogs& dialogs_;
    Origin origin_;
    bool failed_ = false;
};

}  // namespace

frmMain::frmMain(ShellContext context, QWidget* parent)
    : QMainWindow(parent), context_(std::move(context)), helpFile_(kHelpFile) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kTitle);
    setWindowIcon(QIcon(ProgramIcon()));
    mdi_ = new ClientArea(this);
    mdi_->setObjectName(QStringLiteral("MDIClient"));
    setCentralWidget(mdi_);
    BuildMenus();
    BuildToolBar();
    BuildStatusBar();

    engineUi_ = std::make_unique<ShellEngineUi>(*this);
    context_.state.SetUi(*engineUi_);

    // Opening.
    WriteProgramListEntry(context_.settings, context_.programFolder, context_.systemRoot);
    RestoreBounds();
    printHeader_ = ReadSetting(context_.settings, Setting::PrintHeader);
    UpdateCommandState(1);
}

frmMain::~frmMain() {
    context_.state.ClearUi();
}

QAction* frmMain::MenuEntry(QMenu* menu, const char* name, const QString& caption) {
    QAction* action =
        caption == QStringLiteral("-") ? menu->addSeparator() : menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

void frmMain::BuildMenus() {
    auto addMenu = [this](const char* name, const QString& title) {
        QMenu* menu = menuBar()->addMenu(title);
        menu->setObjectName(QString::fromLatin1(name));
        return menu;
    };
    auto on = [this](QAction* action, void (frmMain::*command)(Origin)) {
        connect(action, &QAction::triggered, this,
                [this, command] { (this->*command)(Origin::Menu); });
    };

    QMenu* file = addMenu("mnuFile", QStringLiteral("&File"));
    QAction* entry = MenuEntry(file, "mnuFileNew", QStringLiteral("Nu&ovo"));
    entry->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    on(entry, &frmMain::NewSimulation);
    entry = MenuEntry(file, "mnuFileOpen", QStringLiteral("&Apri..."));
    entry->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    on(entry, &frmMain::OpenSimulation);
    MenuEntry(file, "mnuFileBar0", QStringLiteral("-"));
    on(MenuEntry(file, "mnuFileSave", QStringLiteral("&Salva")), &frmMain::SaveSimulationAs);
    on(MenuEntry(file, "mnuFileSaveAs", QStringLiteral("Sal&va con nome...")),
       &frmMain::SaveSimulationAs);
    MenuEntry(file, "mnuFileBar1", QStringLiteral("-"));
    on(MenuEntry(file, "mnuFileEsporta", QStringLiteral("E&sporta tabella...")),
       &frmMain::ExportTable);
    on(MenuEntry(file, "mnuFileEsportaGrafico", QStringLiteral("Es&porta grafico...")),
       &frmMain::ExportChart);
    MenuEntry(file, "mnuFileBar2", QStringLiteral("-"));
    on(MenuEntry(file, "mnuFilePageSetup", QStringLiteral("&Imposta pagina...")),
       &frmMain::PageSetup);
    on(MenuEntry(file, "mnuFilePrint", QStringLiteral("S&tampa...")), &frmMain::Print);
    MenuEntry(file, "mnuFileBar5", QStringLiteral("-"));
    connect(MenuEntry(file, "mnuFileExit", QStringLiteral("&Esci")), &QAction::triggered, this,
            &QWidget::close);

    QMenu* view = addMenu("mnuView", QStringLiteral("&Visualizza"));
    entry = MenuEntry(view, "mnuViewToolbar", QStringLiteral("Barra degli &strumenti"));
    entry->setCheckable(true);
    entry->setChecked(true);
    on(entry, &frmMain::ToggleToolBar);
    entry = MenuEntry(view, "mnuViewStatusBar", QStringLiteral("&Barra di stato"));
    entry->setCheckable(true);
    entry->setChecked(true);
    on(entry, &frmMain::ToggleStatusBar);
    MenuEntry(view, "mnuViewBar0", QStringLiteral("-"));
    on(MenuEntry(view, "mnuViewOptions", QStringLiteral("&Opzioni...")), &frmMain::ShowOptions);

    windowMenu_ = addMenu("mnuWindow", QStringLiteral("Fi&nestra"));
    on(MenuEntry(windowMenu_, "mnuWindowCascade", QStringLiteral("&Sovrapponi")),
       &frmMain::CascadeChildWindows);
    connect(MenuEntry(windowMenu_, "mnuWindowTileHorizontal",
                      QStringLiteral("Affianca &orizzontalmente")),
            &QAction::triggered, this, [this] { TileChildWindows(Origin::Menu, Qt::Horizontal); });
    connect(
        MenuEntry(windowMenu_, "mnuWindowTileVertical", QStringLiteral("Affianca &verticalmente")),
        &QAction::triggered, this, [this] { TileChildWindows(Origin::Menu, Qt::Vertical); });
    on(MenuEntry(windowMenu_, "mnuWindowArrangeIcons", QStringLiteral("&Disponi icone")),
       &frmMain::ArrangeIcons);
    connect(windowMenu_, &QMenu::aboutToShow, this, &frmMain::FillWindowMenu);

    QMenu* help = addMenu("MnuHelp", QStringLiteral("&?"));
    connect(MenuEntry(help, "mnuHelpContents", QStringLiteral("&Sommario")), &QAction::triggered,
            this, [this] { ShowHelp(Origin::Menu, false); });
    connect(MenuEntry(help, "mnuHelpSearchForHelpOn", QStringLiteral("&Cerca argomento...")),
            &QAction::triggered, this, [this] { ShowHelp(Origin::Menu, true); });
    MenuEntry(help, "mnuHelpBar0", QStringLiteral("-"));
    on(MenuEntry(help, "mnuHelpAbout", QStringLiteral("&Informazioni su ")), &frmMain::ShowAbout);
    MenuEntry(help, "MnuHelpBar1", QStringLiteral("-"));
    on(MenuEntry(help, "Esempio", QStringLiteral("&Esempio")), &frmMain::LoadExample);
}

void frmMain::BuildToolBar() {
    toolBar_ = addToolBar(QString());
    toolBar_->setObjectName(QStringLiteral("tbToolBar"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->toggleViewAction()->setEnabled(false);
    toolBar_->setIconSize(QSize(16, 16));
    for (const ToolButton& button : kToolButtons) {
        if (button.separatorBefore) toolBar_->addSeparator();
        const QString text = QString::fromUtf8(button.tooltip);
        // The text is the tooltip, so screen readers speak every button.
        QAction* action = button.picture > 0
                              ? toolBar_->addAction(ToolbarIcon(button.picture), text)
                              : toolBar_->addAction(text);
        action->setObjectName(QString::fromLatin1(button.key));
        action->setToolTip(text);
        if (button.picture == 0) {
            if (auto* tool = qobject_cast<QToolButton*>(toolBar_->widgetForAction(action))) {
                tool->setToolButtonStyle(Qt::ToolButtonTextOnly);
            }
        }
        const QString key = action->objectName();
        connect(action, &QAction::triggered, this, [this, key] { RunToolButton(key); });
    }
}

void frmMain::RunToolButton(const QString& key) {
    const Origin origin = Origin::ToolBar;
    if (key == QLatin1String("New")) {
        NewSimulation(origin);
    } else if (key == QLatin1String("Open")) {
        OpenSimulation(origin);
    } else if (key == QLatin1String("Save")) {
        SaveSimulationAs(origin);
    } else if (key == QLatin1String("Print")) {
        Print(origin);
    } else if (key == QLatin1String("ValoriIniziali")) {
        ShowChild(origin, QStringLiteral("DatiIniziali"));
    } else if (key == QLatin1String("InserimentoDati")) {
        ShowChild(origin, QStringLiteral("InserimentoDati"));
    } else if (key == QLatin1String("Simulazione")) {
        Run(origin);
    } else if (key == QLatin1String("Grafico")) {
        ShowChild(origin, QStringLiteral("Grafico"));
    } else if (key == QLatin1String("Tabella")) {
        ShowTable(origin);
    } else if (key == QLatin1String("Esempio")) {
        LoadExample(origin);
    }
}

void frmMain::BuildStatusBar() {
    setStatusBar(new StatusBar(this));
}

void frmMain::UpdateCommandState(int16_t code) {
    for (const CommandStateRow& row : kCommandStates) {
        char change = ' ';
        switch (code) {
            case 1:
                change = row.code1;
                break;
            case 2:
                change = row.code2;
                break;
            case 3:
                change = row.code3;
                break;
            case 100:
                change = row.code100;
                break;
            default:
                return;
        }
        if (change == ' ') continue;
        QObject* owner = row.onToolBar ? static_cast<QObject*>(toolBar_) : menuBar();
        if (auto* action = owner->findChild<QAction*>(QString::fromLatin1(row.entry))) {
            action->setEnabled(change == '+');
        }
    }
}

// ---- Child windows -------------------------------------------------------

QMdiSubWindow* frmMain::SubWindowOf(const QWidget* child) const {
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
        if (sub->widget() == child) return sub;
    }
    return nullptr;
}

QWidget* frmMain::FindChildWindow(const QString& name) const {
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
        QWidget* child = sub->widget();
        if (child != nullptr && child->objectName() == name) {
            return child;
        }
    }
    return nullptr;
}

QWidget* frmMain::CreateChildWindow(const QString& name) {
    const auto factory = context_.windows.factories.find(name);
    if (factory == context_.windows.factories.end() || !factory->second) return nullptr;
    QWidget* child = factory->second(context_.state, context_.dialogs);
    if (child == nullptr) return nullptr;
    if (child->objectName().isEmpty()) child->setObjectName(name);
    // The window's own move() and resize() give its place in the client area
    // and its client size.
    const bool placed = child->testAttribute(Qt::WA_Moved);
    const bool sized = child->testAttribute(Qt::WA_Resized);
    const QRect wanted = child->geometry();
    QMdiSubWindow* sub = mdi_->addSubWindow(child);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->hide();
    if (sized) {
        child->resize(wanted.size());
        sub->adjustSize();
    }
    if (placed) sub->move(wanted.topLeft());
    return child;
}

QWidget* frmMain::LoadChildWindow(const QString& name) {
    QWidget* child = FindChildWindow(name);
    return child != nullptr ? child : CreateChildWindow(name);
}

QWidget* frmMain::ShowChildWindow(const QString& name) {
    QWidget* child = LoadChildWindow(name);
    if (child == nullptr) return nullptr;
    QMdiSubWindow* sub = SubWindowOf(child);
    child->show();
    sub->show();
    sub->raise();
    mdi_->setActiveSubWindow(sub);
    return child;
}

QWidget* frmMain::ActiveChildWindow() const {
    QMdiSubWindow* sub = mdi_->currentSubWindow();
    if (sub == nullptr || !sub->isVisible()) return nullptr;
    return sub->widget();
}

void frmMain::CloseChildWindows() {
    for (QMdiSubWindow* sub : mdi_->subWindowList()) sub->close();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        // Only the program's own windows carry a name.
        if (window != this && window->isVisible() && !window->objectName().isEmpty() &&
            window->objectName() != QLatin1String("frmMain") && !window->inherits("QMenu")) {
            window->close();
        }
    }
}

QPrinter& frmMain::Printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>();
    return *printer_;
}

// ---- Opening and closing ---------------------------------------------------

void frmMain::RestoreBounds() {
    auto bound = [this](const SettingKey& key) {
        const std::optional<float> twips =
            ParseNumber<float>(ReadSetting(context_.settings, key).toStdString());
        // A stored text that is not a number counts as missing.
        return TwipsToPixels(twips ? *twips : std::stof(key.defaultValue), this);
    };
    const int left = bound(Setting::MainLeft);
    const int top = bound(Setting::MainTop);
    move(left, top);
    const int width = bound(Setting::MainWidth);
    const int height = bound(Setting::MainHeight);
    resize(width, height);
}

void frmMain::StoreBounds() {
    auto store = [this](const SettingKey& key, int pixels) {
        const auto twips = static_cast<float>(PixelsToTwips(pixels, this));
        WriteSetting(context_.settings, key, QString::fromStdString(FormatNumber(twips)));
    };
    store(Setting::MainLeft, x());
    store(Setting::MainTop, y());
    store(Setting::MainWidth, width());
    store(Setting::MainHeight, height());
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (!isMinimized()) StoreBounds();
    WriteSetting(context_.settings, Setting::PrintHeader, printHeader_);
    CloseChildWindows();
    event->accept();
}

// ---- Commands ----------------------------------------------------------------

void frmMain::NewSimulation(Origin origin) {
    CommandScope step(context_.dialogs, origin);
    MessageAnswer answer = MessageAnswer::Cancel;
    step([&] {
        answer = context_.dialogs.Message(kNewQuestion, MessageIcon::Exclamation,
                                          MessageButtons::OkCancel);
    });
    if (answer != MessageAnswer::Ok) return;
    step([&] { CloseChildWindows(); });
    step([&] { ResetCircuit(context_.state); });
    step([&] { UpdateCommandState(1); });
}

void frmMain::OpenSimulation(Origin origin) {
    CommandScope step(context_.dialogs, origin);
    step([&] {
        lastFileName_ = context_.dialogs.OpenFileName(kOpenTitle, kSimulationFilter, lastFileName_);
    });
    if (lastFileName_.isEmpty()) return;
    step([&] {
        if (auto failure = LoadSimulationFile(context_.state, FilePath(lastFileName_))) {
            context_.dialogs.Message(QString::fromStdString(*failure), MessageIcon::Exclamation,
                                     MessageButtons::Ok);
        }
    });
}

void frmMain::SaveSimulationAs(Origin origin) {
    CommandScope step(context_.dialogs, origin);
    step([&] {
        lastFileName_ =
            context_.dialogs.SaveFileName(kSaveAsTitle, kSimulationFilter, lastFileName_);
    });
    if (lastFileName_.isEmpty()) return;
    step([&] {
        if (auto failure = SaveSimulationFile(context_.state, FilePath(lastFileName_))) {
            context_.dialogs.Message(QString::fromStdString(*failure), MessageIcon::Exclamation,
                                     MessageButtons::Ok);
        }
    });
}

void frmMain::ExportTable(Origin origin) {
    CommandScope step(context_.dialogs, origin);
    step([&] {
        lastFileName_ = context_.dialogs.SaveFileName(kSaveAsTitle, kTextFilter, lastFileName_);
    });
    if (lastFileName_.isEmpty()) return;
    step([&] {
        if (QWidget* active = ActiveChildWindow()) active->setWindowTitle(lastFileName_);
    });
    step([&] {
        if (auto failure = ExportResultsText(context_.state, FilePath(lastFileName_))) {
            context_.dialogs.Message(QString::fromStdString(*failure), MessageIcon::Exclamation,
                                     MessageButtons::Ok);
        }
    });
}

void frmMain::ExportChart(Origin origin) {
    CommandScope step(context_.dialogs, origin);
    step([&] {
        lastFileName_ = context_.dialogs.SaveFileName(kSaveAsTitle, kBitmapFilter, lastFileName_);
    });
    if (lastFileName_.isEmpty()) return;
    step([&] {
        if (QWidget* active = ActiveChildWindow()) active->setWindowTitle(lastFileName_);
    });
    step([&] {
        if (!context_.windows.saveChartBitmap) return;
        QWidget* chart = FindChildWindow(QStringLiteral("Grafico"));
        if (chart == nullptr) chart = ShowChildWindow(QStringLiteral("Grafico"));
        if (chart == nullptr) return;
        if (auto failure = context_.windows.saveChartBitmap(chart, lastFileName_)) {
            context_.dialogs.Message(*failure, MessageIcon::Exclamation, MessageButtons::Ok);
        }
    });
}

void frmMain::PageSetup(Origin origin) {
    CommandScope step(context_.dialogs, origin);
    // Cancel is of no consequence: the printer keeps whatever was chosen.
    step([&] { context_.dialogs.PrinterDialog(Printer(), kPageSetupTitle, true); });
}

void frmMain::Print(Origin origin) {
    CommandScope step(context_.dialogs, origin);
    step([&] {
        if (context_.windows.printActiveWindow) {
            context_.windows.printActiveWindow(context_.state, context_.dialogs, Printer(),
                                               printHeader_, ActiveChildWindow());
        }
    });
}

void frmMain::ShowOptions(Origin origin) {
    CommandScope step(context_.dialogs, origin);
    step([&] {
        frmOptions options(printHeader_, this);
        if (context_.dialogs.Exec(options) == QDialog::Accepted) printHeader_ = options.Header();
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
    CommandScope step(context_.dialogs, origin);
    step([&] {
        if (helpFile_.isEmpty()) {
            context_.dialogs.Message(kNoHelpFile, MessageIcon::Information, MessageButtons::Ok,
                                     windowTitle());
            return;
        }
        const auto failure = context_.help.Open(
            this, helpFile_, search ? HelpCommand::PartialKey : HelpCommand::Contents, QString());
        if (failure) context_.dialogs.Message(*failure, MessageIcon::None, MessageButtons::Ok);
    });
}

void frmMain::LoadExample(Origin origin) {
    CommandScope step(context_.dialogs, origin);
    step([&] { LoadExampleCircuit(context_.state); });
}

void frmMain::Run(Origin origin) {
    CommandScope step(context_.dialogs, origin);
    step([&] { RunSimulation(context_.state); });
    // A run that failed half-way must not leave its progress window behind.
    engineUi_->CloseProgress();
}

void frmMain::ShowChild(Origin origin, const QString& name) {
    CommandScope step(context_.dialogs, origin);
    step([&] { ShowChildWindow(name); });
}

void frmMain::ShowTable(Origin origin) {
    CommandScope step(context_.dialogs, origin);
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
    mdi_->cascadeSubWindows();
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
