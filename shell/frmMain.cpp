// The main window's frame: toolbar and status bar (the menus are in
// frmMainMenus.cpp), the child-window frame, and the bounds and print
// header kept on opening and closing. The commands themselves are in
// frmMainFileCommands.cpp and
// frmMainWindowCommands.cpp, the command-state rule in
// frmMainCommandState.cpp.

#include "shell/frmMain.h"

#include <algorithm>
#include <cmath>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMoveEvent>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "numbers/NumberText.h"
#include "platform/Dialogs.h"
#include "platform/ScreenUnits.h"
#include "platform/SettingsStore.h"
#include "report/PdfReport.h"
#include "shell/Artwork.h"
#include "shell/AvanzamentoSimulazione.h"
#include "shell/GasModelSettings.h"
#include "shell/ProgramIdentity.h"
#include "shell/ProgramListEntry.h"
#include "shell/SettingsKeys.h"
#include "shell/StatusBar.h"

namespace volvenza {
namespace {

struct ToolButton {
    const char* key;
    int picture;  // 0: text only
    const char* tooltip;
    bool separatorBefore;
};

constexpr ToolButton kToolButtons[] = {
    {"New", 1, QT_TRANSLATE_NOOP("volvenza::frmMain", "Nuova simulazione"), false},
    {"Open", 2, QT_TRANSLATE_NOOP("volvenza::frmMain", "Carica simulazione"), false},
    {"Save", 3, QT_TRANSLATE_NOOP("volvenza::frmMain", "Salva simulazione"), false},
    {"Print", 4, QT_TRANSLATE_NOOP("volvenza::frmMain", "Stampa"), true},
    {"ValoriIniziali", 5, QT_TRANSLATE_NOOP("volvenza::frmMain", "Valori iniziali"), true},
    {"InserimentoDati", 6, QT_TRANSLATE_NOOP("volvenza::frmMain", "Inserimento dei movimenti"),
     false},
    {"Ciclo", 10, QT_TRANSLATE_NOOP("volvenza::frmMain", "Ciclo: tabella e diagramma dei tempi"),
     false},
    {"Simulazione", 7, QT_TRANSLATE_NOOP("volvenza::frmMain", "Inizio simulazione"), false},
    {"Grafico", 8, QT_TRANSLATE_NOOP("volvenza::frmMain", "Grafico"), false},
    {"Tabella", 9, QT_TRANSLATE_NOOP("volvenza::frmMain", "Tabella"), false},
    {"Esempio", 0, QT_TRANSLATE_NOOP("volvenza::frmMain", "Esempio"), false},
};

// The client area: the background picture from the top left corner, its
// sky and grid reaching every edge however large the window grows.
class ClientArea : public QMdiArea {
  public:
    explicit ClientArea(QWidget* parent) : QMdiArea(parent), picture_(BackgroundPicture()) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        if (picture_.width() < viewport()->width() || picture_.height() < viewport()->height())
            picture_ = BackgroundPicture(viewport()->size());
        QPainter painter(viewport());
        painter.drawPixmap(0, 0, picture_);
    }

  private:
    QPixmap picture_;
};

// The client size a child window was made with, until it first shows.
constexpr char kDesignSize[] = "volvenzaDesignSize";

bool IsHelpWindow(const QWidget* window) {
    return window->objectName() == QLatin1String("HelpWindow");
}

}  // namespace

frmMain::frmMain(ShellContext context, QWidget* parent)
    : QMainWindow(parent), context_(std::move(context)) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kTitle);
    setWindowIcon(QIcon(ProgramIcon()));
    mdi_ = new ClientArea(this);
    mdi_->setObjectName(QStringLiteral("MDIClient"));
    // A child window reaching past the client area can still be reached.
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);
    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    GiveSeparateWindowsHelp();

    // Opening.
    WriteProgramListEntry(context_.settings, context_.programFolder, context_.systemRoot);
    QStringList reset = RestoreBounds();
    printHeader_ = ReadSetting(context_.settings, Setting::PrintHeader);
    context_.state.Gas = ReadGasSettings(context_.settings, reset);

    project_ = std::make_unique<Project>(context_.state);
    ShowCommandState();
    recovery_ = std::make_unique<RecoveryStore>(
        QFile::encodeName(context_.settings.Folder() + QStringLiteral("/Recupero")).toStdString());
    recovery_->Begin();
    recoveryTimer_ = new QTimer(this);
    recoveryTimer_->setSingleShot(true);
    recoveryTimer_->setTimerType(Qt::PreciseTimer);
    // Within a second of the first change not yet in a point, however the
    // typing goes on, so that a crash loses less than that, yet typing does
    // not write at every key: a deadline, not restarted by later changes.
    recoveryTimer_->setInterval(800);
    connect(recoveryTimer_, &QTimer::timeout, this,
            [this] { SaveRecoveryPoint(project_->Snapshot()); });
    project_->Listen([this](unsigned parts) { ProjectChanged(parts); });
    // What a replacement drops is kept at once, not a few seconds later.
    project_->OnReplacing([this](const ProjectSnapshot& dropped) { SaveRecoveryPoint(dropped); });
    // Said, not asked: the work of a session that ended without closing waits.
    ShowRecoverable();
    if (!context_.settings.Usable(QStringLiteral("Volvenza"))) {
        const QString file = context_.settings.FilePath(QStringLiteral("Volvenza"));
        QTimer::singleShot(0, this, [this, file] {
            context_.dialogs.Message(
                tr("Il file delle impostazioni %1 non è un file: le impostazioni non sono state "
                   "lette e non saranno salvate finché non lo si toglie.")
                    .arg(file),
                MessageIcon::Exclamation, MessageButtons::Ok);
        });
    }
    if (!reset.isEmpty()) {
        // Said once, after the window is up: the keys now hold their defaults.
        QTimer::singleShot(0, this, [this, reset] {
            context_.dialogs.Message(
                tr("Alcune impostazioni non erano leggibili e sono tornate al valore "
                   "predefinito: %1.")
                    .arg(reset.join(QStringLiteral(", "))),
                MessageIcon::Information, MessageButtons::Ok);
        });
    }
}

frmMain::~frmMain() {
    // The child windows' own closing must find no project to save into.
    for (QMdiSubWindow* sub : mdi_->subWindowList()) sub->removeEventFilter(this);
    recovery_->End();
    delete progress_;
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
        const QString text = tr(button.tooltip);
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
    } else if (key == QLatin1String("Ciclo")) {
        ShowChild(origin, QStringLiteral("Ciclo"));
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
    QWidget* child = factory->second(*project_, context_.dialogs);
    if (child == nullptr) return nullptr;
    if (child->objectName().isEmpty()) child->setObjectName(name);
    if (name == QLatin1String("Dimensionamento")) {
        if (context_.windows.showSizing) context_.windows.showSizing(child, project_->Sizing());
        if (context_.windows.whenSizingStopped) {
            context_.windows.whenSizingStopped(child,
                                               [this](const DraftKey& key) { ShowDraft(key); });
        }
        child->installEventFilter(this);
    }
    if (name == QLatin1String("BilancioEnergetico") && context_.windows.showEnergyBalance) {
        context_.windows.showEnergyBalance(child, EnergyInputsNow());
    }
    if (name == QLatin1String("Ciclo") && context_.windows.useProjectHistory) {
        context_.windows.useProjectHistory(
            child, [this] { project_->Undo(); }, [this] { project_->Redo(); },
            [this] { project_->JoinNextEdit(); });
    }
    // The window's own move() and resize() give its place in the client area
    // and its client size.
    const bool placed = child->testAttribute(Qt::WA_Moved);
    const bool sized = child->testAttribute(Qt::WA_Resized);
    const QRect wanted = child->geometry();
    QMdiSubWindow* sub = mdi_->addSubWindow(child);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // Every window that closes leaves a recovery point of what it changed.
    sub->installEventFilter(this);
    sub->hide();
    if (sized) {
        child->resize(wanted.size());
        sub->adjustSize();
        sub->setProperty(kDesignSize, wanted.size());
    }
    if (placed) sub->move(wanted.topLeft());
    FollowProjectInWindow(child);
    ShowHistoryState();
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
    if (!sub->isVisible()) MakeRoomFor(sub);
    child->show();
    sub->show();
    sub->raise();
    mdi_->setActiveSubWindow(sub);
    return child;
}

void frmMain::MakeRoomFor(QMdiSubWindow* sub) {
    const QSize client = mdi_->viewport()->size();
    // A frame not yet shown has no size of its own: the child's own size
    // (as it was made) and the frame's.
    const QSize inside = sub->property(kDesignSize).isValid() ? sub->property(kDesignSize).toSize()
                                                              : sub->widget()->size();
    sub->setProperty(kDesignSize, QVariant());
    const int border = sub->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, sub);
    const int title = sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sub);
    const QRect wanted(sub->pos(), inside + QSize(2 * border, title + border));
    const QSize lacking(std::max(0, wanted.right() + 1 - client.width()),
                        std::max(0, wanted.bottom() + 1 - client.height()));
    QSize room = client;
    if ((lacking.width() > 0 || lacking.height() > 0) && !isMaximized() && !isFullScreen()) {
        // The main window grows by what the child lacks, as far as the
        // screen's free area goes, and moves back onto it if it must.
        const QScreen* shown = screen();
        const QRect area = shown != nullptr ? shown->availableGeometry() : QRect();
        const QSize frame = frameGeometry().size() - size();
        const QSize grown(
            std::max(width(), std::min(width() + lacking.width(), area.width() - frame.width())),
            std::max(height(),
                     std::min(height() + lacking.height(), area.height() - frame.height())));
        const QPoint place(
            std::clamp(x(), area.left(),
                       std::max(area.left(), area.right() + 1 - grown.width() - frame.width())),
            std::clamp(y(), area.top(),
                       std::max(area.top(), area.bottom() + 1 - grown.height() - frame.height())));
        room += grown - size();
        if (place != pos()) move(place);
        resize(grown);
    }
    // What the client area cannot hold even so is placed in it and shrunk
    // to it, no smaller than the child can show itself: its own scroll
    // areas take over.
    const QSize least = sub->widget()->minimumSizeHint().expandedTo(sub->widget()->minimumSize()) +
                        QSize(2 * border, title + border);
    const QSize fitted(std::max(std::min(wanted.width(), room.width()), least.width()),
                       std::max(std::min(wanted.height(), room.height()), least.height()));
    const QPoint corner(std::clamp(wanted.x(), 0, std::max(0, room.width() - fitted.width())),
                        std::clamp(wanted.y(), 0, std::max(0, room.height() - fitted.height())));
    if (QRect(corner, fitted) != wanted) sub->setGeometry(QRect(corner, fitted));
}

QWidget* frmMain::ActiveChildWindow() const {
    QMdiSubWindow* sub = mdi_->currentSubWindow();
    if (sub == nullptr || !sub->isVisible()) return nullptr;
    return sub->widget();
}

void frmMain::CloseChildWindows() {
    for (QMdiSubWindow* sub : mdi_->subWindowList()) sub->close();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        // Only the program's own windows carry a name. Help stands beside
        // the program rather than in its documents, so it stays open.
        if (window != this && window->isVisible() && !window->objectName().isEmpty() &&
            window->objectName() != QLatin1String("frmMain") && !IsHelpWindow(window) &&
            !window->inherits("QMenu")) {
            window->close();
        }
    }
}

QPrinter& frmMain::Printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>();
        SetDefaultPageMargins(*printer_);
    }
    return *printer_;
}

// ---- Opening and closing ---------------------------------------------------

QStringList frmMain::RestoreBounds() {
    const SettingKey* keys[] = {&Setting::MainLeft, &Setting::MainTop, &Setting::MainWidth,
                                &Setting::MainHeight};
    QStringList reset;
    for (size_t i = 0; i < restoredTwips_.size(); ++i) {
        const std::optional<float> twips =
            ParseNumber<float>(ReadSetting(context_.settings, *keys[i]).toStdString());
        if (!twips || !std::isfinite(*twips)) {
            WriteSetting(context_.settings, *keys[i], QString::fromUtf8(keys[i]->defaultValue));
            reset << QString::fromUtf8(keys[i]->key);
        }
        restoredTwips_[i] =
            twips && std::isfinite(*twips) ? *twips : std::stof(keys[i]->defaultValue);
    }
    // Bounds from another screen, or no bounds at all, must still give a
    // window the user can reach: a size beyond the screen is cut to the
    // screen (the remembered one is stored back unless the person changes
    // it, for when the larger screen returns), no size at all is the
    // default, and the window is moved onto the screen that shows most of it.
    const QScreen* screen = QGuiApplication::screenAt(
        QPoint(TwipsToPixels(restoredTwips_[0], this), TwipsToPixels(restoredTwips_[1], this)));
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    const QRect area = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 640, 480);
    const int limits[] = {0, 0, area.width(), area.height()};
    for (size_t i = 2; i < restoredTwips_.size(); ++i) {
        const double pixels = restoredTwips_[i] / TwipsPerPixel(this);
        if (!(pixels >= 1)) restoredTwips_[i] = std::stof(keys[i]->defaultValue);
    }
    for (size_t i = 0; i < restoredTwips_.size(); ++i) {
        restoredPixels_[i] = TwipsToPixels(restoredTwips_[i], this);
        if (i >= 2) restoredPixels_[i] = std::min(restoredPixels_[i], limits[i]);
    }
    const int left = std::clamp(restoredPixels_[0], area.left(),
                                std::max(area.left(), area.right() + 1 - restoredPixels_[2]));
    const int top = std::clamp(restoredPixels_[1], area.top(),
                               std::max(area.top(), area.bottom() + 1 - restoredPixels_[3]));
    const int placed[] = {left, top};
    for (size_t i = 0; i < 2; ++i) {
        if (placed[i] == restoredPixels_[i]) continue;
        restoredPixels_[i] = placed[i];
        restoredTwips_[i] = static_cast<float>(PixelsToTwips(placed[i], this));
    }
    move(restoredPixels_[0], restoredPixels_[1]);
    resize(restoredPixels_[2], restoredPixels_[3]);
    return reset;
}

void frmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (event->spontaneous() || framePending_) return;
    framePending_ = true;
    QTimer::singleShot(0, this, &frmMain::FitFrameOnScreen);
    // A window system that never reports a frame has none to fit.
    QTimer::singleShot(1000, this, [this] { framePending_ = false; });
}

void frmMain::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    // The frame arrives with the window manager's first placement.
    if (framePending_) FitFrameOnScreen();
}

void frmMain::FitFrameOnScreen() {
    if (isMaximized() || isFullScreen() || isMinimized() || screen() == nullptr) return;
    const QRect outer = frameGeometry();
    const QSize frame = outer.size() - size();
    if (frame.isEmpty()) return;  // not given yet
    framePending_ = false;
    const QRect area = screen()->availableGeometry();
    const QSize fitted(std::min(width(), area.width() - frame.width()),
                       std::min(height(), area.height() - frame.height()));
    const QPoint place(
        std::clamp(outer.x(), area.left(),
                   std::max(area.left(), area.right() + 1 - fitted.width() - frame.width())),
        std::clamp(outer.y(), area.top(),
                   std::max(area.top(), area.bottom() + 1 - fitted.height() - frame.height())));
    // Cut for this screen only: the remembered size is stored back unless
    // the person changes it, and a move is a new place.
    const int now[] = {x(), y(), width(), height()};
    const int then[] = {place.x(), place.y(), fitted.width(), fitted.height()};
    for (size_t i = 0; i < restoredPixels_.size(); ++i) {
        if (now[i] != restoredPixels_[i] || then[i] == now[i]) continue;
        restoredPixels_[i] = then[i];
        if (i < 2) restoredTwips_[i] = static_cast<float>(PixelsToTwips(then[i], this));
    }
    if (fitted != size()) resize(fitted);
    if (place != outer.topLeft()) move(place);
}

void frmMain::StoreBounds() {
    const SettingKey* keys[] = {&Setting::MainLeft, &Setting::MainTop, &Setting::MainWidth,
                                &Setting::MainHeight};
    const int pixels[] = {x(), y(), width(), height()};
    for (size_t i = 0; i < restoredTwips_.size(); ++i) {
        const float twips = pixels[i] == restoredPixels_[i]
                                ? restoredTwips_[i]
                                : static_cast<float>(PixelsToTwips(pixels[i], this));
        WriteSetting(context_.settings, *keys[i], QString::fromStdString(FormatNumber(twips, ',')));
    }
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (!isMinimized()) StoreBounds();
    WriteSetting(context_.settings, Setting::PrintHeader, printHeader_);
    CloseChildWindows();
    // Nothing asks at the end: changes not yet in a recovery point go
    // there, and the session ends.
    SaveRecoveryPoint(project_->Snapshot());
    recovery_->End();
    // The program ends with this window, its help too.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (IsHelpWindow(window) && window->isVisible()) window->close();
    }
    event->accept();
}

}  // namespace volvenza
