// The main window's menu bar, a function a menu, and the F1 key beside it.

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "shell/frmMain.h"

namespace volvenza {

QAction* frmMain::MenuEntry(QMenu* menu, const char* name, const QString& caption) {
    QAction* action =
        caption == QStringLiteral("-") ? menu->addSeparator() : menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QMenu* frmMain::AddMenu(const char* name, const QString& title) {
    QMenu* menu = menuBar()->addMenu(title);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

void frmMain::OnMenu(QAction* action, void (frmMain::*command)(Origin)) {
    connect(action, &QAction::triggered, this, [this, command] { (this->*command)(Origin::Menu); });
}

void frmMain::OpensChild(QAction* action, const char* window) {
    const QString name = QString::fromLatin1(window);
    connect(action, &QAction::triggered, this, [this, name] { ShowChild(Origin::Menu, name); });
}

void frmMain::BuildMenus() {
    BuildFileMenu();
    BuildViewMenu();
    BuildSimulationMenu();
    BuildCalculationMenu();
    BuildWindowMenu();
    BuildHelpMenu();
}

void frmMain::BuildFileMenu() {
    QMenu* file = AddMenu("mnuFile", tr("&File"));
    QAction* entry = MenuEntry(file, "mnuFileNew", tr("Nu&ovo"));
    entry->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    OnMenu(entry, &frmMain::NewSimulation);
    entry = MenuEntry(file, "mnuFileOpen", tr("&Apri..."));
    entry->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    OnMenu(entry, &frmMain::OpenSimulation);
    OnMenu(MenuEntry(file, "mnuFileRecupera", tr("Rec&upera lavoro non salvato...")),
           &frmMain::RecoverWork);
    MenuEntry(file, "mnuFileBar0", QStringLiteral("-"));
    entry = MenuEntry(file, "mnuFileSave", tr("&Salva"));
    entry->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    OnMenu(entry, &frmMain::SaveSimulationAs);
    OnMenu(MenuEntry(file, "mnuFileSaveAs", tr("Sal&va con nome...")), &frmMain::SaveSimulationAs);
    MenuEntry(file, "mnuFileBar1", QStringLiteral("-"));
    OnMenu(MenuEntry(file, "mnuFileEsporta", tr("E&sporta tabella...")), &frmMain::ExportTable);
    OnMenu(MenuEntry(file, "mnuFileEsportaGrafico", tr("Es&porta grafico...")),
           &frmMain::ExportChart);
    OnMenu(MenuEntry(file, "mnuFileEsportaCsv", tr("Esporta &CSV...")), &frmMain::ExportCsv);
    MenuEntry(file, "mnuFileBar2", QStringLiteral("-"));
    OnMenu(MenuEntry(file, "mnuFilePageSetup", tr("&Imposta pagina...")), &frmMain::PageSetup);
    entry = MenuEntry(file, "mnuFilePrint", tr("S&tampa..."));
    entry->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    OnMenu(entry, &frmMain::Print);
    OnMenu(MenuEntry(file, "mnuFileEsportaPdf", tr("Esporta P&DF...")), &frmMain::ExportPdf);
    // One history for the whole project: every window's edits, and Nuovo,
    // Esempio and Apri too.
    MenuEntry(file, "mnuFileBar6", QStringLiteral("-"));
    undoEntry_ = MenuEntry(file, "mnuFileAnnulla", tr("A&nnulla"));
    undoEntry_->setShortcut(QKeySequence::Undo);
    undoEntry_->setEnabled(false);
    OnMenu(undoEntry_, &frmMain::UndoProject);
    redoEntry_ = MenuEntry(file, "mnuFileRipeti", tr("&Ripeti"));
    redoEntry_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence::Redo});
    redoEntry_->setEnabled(false);
    OnMenu(redoEntry_, &frmMain::RedoProject);
    MenuEntry(file, "mnuFileBar5", QStringLiteral("-"));
    entry = MenuEntry(file, "mnuFileExit", tr("&Esci"));
    entry->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(entry, &QAction::triggered, this, &QWidget::close);
}

void frmMain::BuildViewMenu() {
    QMenu* view = AddMenu("mnuView", tr("&Visualizza"));
    QAction* entry = MenuEntry(view, "mnuViewToolbar", tr("Barra degli &strumenti"));
    entry->setCheckable(true);
    entry->setChecked(true);
    OnMenu(entry, &frmMain::ToggleToolBar);
    entry = MenuEntry(view, "mnuViewStatusBar", tr("&Barra di stato"));
    entry->setCheckable(true);
    entry->setChecked(true);
    OnMenu(entry, &frmMain::ToggleStatusBar);
    MenuEntry(view, "mnuViewBar0", QStringLiteral("-"));
    OnMenu(MenuEntry(view, "mnuViewOptions", tr("&Opzioni...")), &frmMain::ShowOptions);
}

void frmMain::BuildSimulationMenu() {
    // The toolbar's commands again, so that a keyboard alone can reach them:
    // toolbar buttons take no focus. No child window underlines a letter of
    // the menu bar, so the two never compete for Alt.
    QMenu* simulation = AddMenu("mnuSimulazione", tr("Sim&ulazione"));
    OpensChild(MenuEntry(simulation, "mnuSimulazioneValoriIniziali", tr("&Valori iniziali")),
               "DatiIniziali");
    OpensChild(MenuEntry(simulation, "mnuSimulazioneMovimenti", tr("&Inserimento dei movimenti")),
               "InserimentoDati");
    OpensChild(MenuEntry(simulation, "mnuSimulazioneCiclo", tr("&Ciclo")), "Ciclo");
    MenuEntry(simulation, "mnuSimulazioneBar0", QStringLiteral("-"));
    QAction* entry = MenuEntry(simulation, "mnuSimulazioneInizio", tr("Inizio &simulazione"));
    entry->setShortcut(QKeySequence(Qt::Key_F5));
    OnMenu(entry, &frmMain::Run);
    OpensChild(MenuEntry(simulation, "mnuSimulazioneGrafico", tr("&Grafico")), "Grafico");
    OnMenu(MenuEntry(simulation, "mnuSimulazioneTabella", tr("&Tabella")), &frmMain::ShowTable);
    OpensChild(MenuEntry(simulation, "mnuSimulazioneBilancio", tr("&Bilancio energetico")),
               "BilancioEnergetico");
    MenuEntry(simulation, "mnuSimulazioneBar1", QStringLiteral("-"));
    OnMenu(MenuEntry(simulation, "mnuSimulazioneEsempio", tr("&Esempio")), &frmMain::LoadExample);
}

void frmMain::BuildCalculationMenu() {
    QMenu* calculation = AddMenu("mnuCalcolo", tr("&Calcolo"));
    OpensChild(MenuEntry(calculation, "mnuCalcoloCiclo", tr("&Ciclo")), "Ciclo");
    OnMenu(MenuEntry(calculation, "mnuCalcoloModelloGas", tr("&Modello del gas...")),
           &frmMain::ShowGasModel);
    OpensChild(MenuEntry(calculation, "mnuCalcoloDimensionamento", tr("&Dimensionamento...")),
               "Dimensionamento");
}

void frmMain::BuildWindowMenu() {
    windowMenu_ = AddMenu("mnuWindow", tr("Fi&nestra"));
    OnMenu(MenuEntry(windowMenu_, "mnuWindowCascade", tr("&Sovrapponi")),
           &frmMain::CascadeChildWindows);
    connect(MenuEntry(windowMenu_, "mnuWindowTileHorizontal", tr("Affianca &orizzontalmente")),
            &QAction::triggered, this, [this] { TileChildWindows(Origin::Menu, Qt::Horizontal); });
    connect(MenuEntry(windowMenu_, "mnuWindowTileVertical", tr("Affianca &verticalmente")),
            &QAction::triggered, this, [this] { TileChildWindows(Origin::Menu, Qt::Vertical); });
    OnMenu(MenuEntry(windowMenu_, "mnuWindowArrangeIcons", tr("&Disponi icone")),
           &frmMain::ArrangeIcons);
    connect(windowMenu_, &QMenu::aboutToShow, this, &frmMain::FillWindowMenu);
}

void frmMain::BuildHelpMenu() {
    QMenu* help = AddMenu("MnuHelp", tr("&?"));
    connect(MenuEntry(help, "mnuHelpContents", tr("&Sommario")), &QAction::triggered, this,
            [this] { ShowHelp(Origin::Menu, false); });
    connect(MenuEntry(help, "mnuHelpSearchForHelpOn", tr("&Cerca argomento...")),
            &QAction::triggered, this, [this] { ShowHelp(Origin::Menu, true); });
    MenuEntry(help, "mnuHelpBar0", QStringLiteral("-"));
    OnMenu(MenuEntry(help, "mnuHelpAbout", tr("&Informazioni su ")), &frmMain::ShowAbout);
    MenuEntry(help, "MnuHelpBar1", QStringLiteral("-"));
    OnMenu(MenuEntry(help, "Esempio", tr("&Esempio")), &frmMain::LoadExample);

    // F1 wherever the focus is in the main window: the page of the window
    // in front. Not a menu entry, so the original's menus stay as they were.
    auto* contextHelp = new QAction(this);
    contextHelp->setObjectName(QStringLiteral("GuidaFinestra"));
    contextHelp->setShortcut(QKeySequence(Qt::Key_F1));
    addAction(contextHelp);
    connect(contextHelp, &QAction::triggered, this,
            [this] { ShowHelpForActiveWindow(Origin::Menu); });
}

}  // namespace volvenza
