// The main window's commands that load, save, export and print a
// simulation, and the example and the run that fill it.

#include <QCoreApplication>
#include <QFile>

#include "documents/AtomicFile.h"
#include "documents/ProjectFile.h"
#include "documents/ResultsExport.h"
#include "documents/SimulationFile.h"
#include "engine/Simulation.h"
#include "platform/Dialogs.h"
#include "platform/UiMessage.h"
#include "platform/UiText.h"
#include "shell/CommandScope.h"
#include "shell/ShellEngineUi.h"
#include "shell/frmMain.h"

namespace volvenza {
namespace {

constexpr UiText kNewQuestion{
    "volvenza::frmMain",
    QT_TRANSLATE_NOOP(
        "volvenza::frmMain",
        "ATTENZIONE! Verranno azzerati tutti i valori e si inizierà una nuova simulazione, "
        "continuare?")};
constexpr UiText kSimulationFilter{
    "volvenza::frmMain",
    QT_TRANSLATE_NOOP("volvenza::frmMain", "Volvenza (*.vlz)|*.vlz| Tutti i file (*.*)|*.* ")};
constexpr UiText kTextFilter{
    "volvenza::frmMain",
    QT_TRANSLATE_NOOP("volvenza::frmMain", "Testo (*.txt)|*.txt| Tutti i file (*.*)|*.* ")};
constexpr UiText kBitmapFilter{
    "volvenza::frmMain",
    QT_TRANSLATE_NOOP("volvenza::frmMain", "Bitmap (*.bmp)|*.bmp| Tutti i file (*.*)|*.* ")};
constexpr UiText kOpenTitle{"volvenza::frmMain", QT_TRANSLATE_NOOP("volvenza::frmMain", "Apri")};
constexpr UiText kSaveAsTitle{"volvenza::frmMain",
                              QT_TRANSLATE_NOOP("volvenza::frmMain", "Salva con nome")};
constexpr UiText kPageSetupTitle{"volvenza::frmMain",
                                 QT_TRANSLATE_NOOP("volvenza::frmMain", "Imposta pagina")};
constexpr UiText kNewFailed{
    "volvenza::frmMain",
    QT_TRANSLATE_NOOP("volvenza::frmMain", "Impossibile iniziare una nuova simulazione.")};
constexpr UiText kPrintFailed{
    "volvenza::frmMain",
    QT_TRANSLATE_NOOP("volvenza::frmMain", "Impossibile completare la stampa.")};
constexpr UiText kExampleFailed{
    "volvenza::frmMain", QT_TRANSLATE_NOOP("volvenza::frmMain", "Impossibile caricare l'esempio.")};
constexpr UiText kRunFailed{
    "volvenza::frmMain",
    QT_TRANSLATE_NOOP("volvenza::frmMain", "Impossibile completare la simulazione.")};

// The simulation files' filter with the project file beside them, second.
constexpr int kProjectFilter = 1;
QString OpenSaveFilter() {
    QString filter = kSimulationFilter;
    const QString project =
        QCoreApplication::translate("volvenza::frmMain", "Progetto Volvenza (*.vlzp)");
    return filter.insert(filter.indexOf(QLatin1String(" Tutti")), project + "|*.vlzp|");
}

bool IsProject(const QString& path) {
    return path.endsWith(QLatin1String(".vlzp"), Qt::CaseInsensitive);
}

std::string FilePath(const QString& name) {
    return QFile::encodeName(name).toStdString();
}

QString OpenFailed(const QString& path) {
    return QCoreApplication::translate("volvenza::frmMain", "Impossibile aprire il file %1.")
        .arg(path);
}

QString SaveFailed(const QString& path) {
    return UiMessage(SaveFailedMessage(FilePath(path)));
}

}  // namespace

void frmMain::NewSimulation(Origin origin) {
    CommandScope step(context_.dialogs, origin, kNewFailed);
    MessageAnswer answer = MessageAnswer::Cancel;
    step([&] {
        answer = context_.dialogs.Message(kNewQuestion, MessageIcon::Exclamation,
                                          MessageButtons::OkCancel);
    });
    if (answer != MessageAnswer::Ok) return;
    step([&] { CloseChildWindows(); });
    // The whole project goes, as one step Annulla brings back; the gas law
    // is a choice of the settings.
    step([&] {
        ReplaceProject("Nuovo", [&] {
            ResetCircuit(context_.state);
            if (context_.windows.resetChartOptions) context_.windows.resetChartOptions();
            UseSettingsGas();
            return true;
        });
        ForgetFileName();
    });
    step([&] { UpdateCommandState(1); });
}

void frmMain::OpenSimulation(Origin origin) {
    CommandScope step(context_.dialogs, origin);
    step([&] {
        lastFileName_ = context_.dialogs.OpenFileName(kOpenTitle, OpenSaveFilter(), lastFileName_);
    });
    if (lastFileName_.isEmpty()) return;
    step.OnFailure(OpenFailed(lastFileName_));
    step([&] { LoadFile(lastFileName_); });
}

void frmMain::OpenSimulationFile(const QString& path) {
    lastFileName_ = path;
    CommandScope step(context_.dialogs, Origin::Menu, OpenFailed(path));
    step([&] { LoadFile(path); });
}

void frmMain::LoadFile(const QString& path) {
    auto refused = [this](const Status& loaded) {
        if (loaded) return false;
        context_.dialogs.Message(UiMessage(loaded.Error()), MessageIcon::Exclamation,
                                 MessageButtons::Ok);
        return true;
    };
    if (!IsProject(path)) {
        const bool loaded = ReplaceProject("Apri", [&] {
            if (refused(LoadSimulationFile(context_.state, FilePath(path)))) return false;
            // A simulation file keeps no applied sizing.
            context_.state.ChartMinPressure.reset();
            UseSettingsGas();
            return true;
        });
        if (loaded) project_->ResultsRead();
        return;
    }
    ProjectSizing sizing;
    if (!ReplaceProject(
            "Apri",
            [&] { return !refused(LoadProjectFile(context_.state, sizing, FilePath(path))); },
            sizing)) {
        return;
    }
    // A project keeps no results: they come from a run of what it holds.
    if (RunSimulation(context_.state) != RunOutcome::Refused) project_->ResultsComputed();
    engineUi_->CloseProgress();
}

void frmMain::SaveSimulationAs(Origin origin) {
    CommandScope step(context_.dialogs, origin);
    step([&] {
        int chosen = 0;
        lastFileName_ =
            context_.dialogs.SaveFileName(kSaveAsTitle, OpenSaveFilter(), lastFileName_, &chosen);
        // Chosen under the project's filter, a bare name is a project; under
        // the others it stays as typed.
        if (chosen == kProjectFilter) lastFileName_ = WithExtension(lastFileName_, "vlzp");
    });
    if (lastFileName_.isEmpty()) return;
    step.OnFailure(SaveFailed(lastFileName_));
    step([&] {
        const std::string path = FilePath(lastFileName_);
        const Status saved = IsProject(lastFileName_)
                                 ? SaveProjectFile(context_.state, CurrentSizing(), path)
                                 : SaveSimulationFile(context_.state, path);
        if (!saved) {
            context_.dialogs.Message(UiMessage(saved.Error()), MessageIcon::Exclamation,
                                     MessageButtons::Ok);
        } else if (!IsProject(lastFileName_) && !(context_.state.Gas.Vessels == Arrangement{})) {
            // What the initial data do not show must not vanish unsaid.
            context_.dialogs.Message(
                UiMessage(Message(MessageId::DesignKeepsNoVessels, {MsgVerbatim(path)})),
                MessageIcon::Information, MessageButtons::Ok);
        }
    });
}

void frmMain::ExportTable(Origin origin) {
    CommandScope step(context_.dialogs, origin);
    step([&] {
        lastFileName_ = context_.dialogs.SaveFileName(kSaveAsTitle, kTextFilter, lastFileName_);
    });
    if (lastFileName_.isEmpty()) return;
    step.OnFailure(SaveFailed(lastFileName_));
    step([&] {
        if (QWidget* active = ActiveChildWindow()) active->setWindowTitle(lastFileName_);
    });
    step([&] {
        if (Status saved = ExportResultsText(context_.state, FilePath(lastFileName_)); !saved) {
            context_.dialogs.Message(UiMessage(saved.Error()), MessageIcon::Exclamation,
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
    step.OnFailure(SaveFailed(lastFileName_));
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
    CommandScope step(context_.dialogs, origin, kPrintFailed);
    // Cancel is of no consequence: the printer keeps whatever was chosen,
    // and the report prints with it.
    step([&] { context_.dialogs.PageSetupDialog(Printer(), kPageSetupTitle); });
}

void frmMain::Print(Origin origin) {
    CommandScope step(context_.dialogs, origin, kPrintFailed);
    step([&] {
        if (context_.windows.printActiveWindow) {
            context_.windows.printActiveWindow(context_.state, context_.dialogs, Printer(),
                                               printHeader_, ResultsNote(), EnergyInputsNow(),
                                               ActiveChildWindow());
        }
    });
}

void frmMain::LoadExample(Origin origin) {
    CommandScope step(context_.dialogs, origin, kExampleFailed);
    step([&] {
        ReplaceProject("Esempio", [&] {
            // The example replaces the whole list: no size of the work it
            // replaces stays hidden in its slots, to come back on a change
            // of kind.
            for (int16_t k = 1; k <= kMaxMovements; ++k) ClearMovement(context_.state, k);
            LoadExampleCircuit(context_.state);
            // No sizing was applied to the example.
            context_.state.ChartMinPressure.reset();
            UseSettingsGas();
            return true;
        });
        ForgetFileName();
    });
}

void frmMain::ForgetFileName() {
    // The work no longer comes from that file: its folder is still the
    // place to look, but Salva must not offer to write over it.
    if (!lastFileName_.isEmpty()) lastFileName_ = QFileInfo(lastFileName_).absolutePath() + '/';
}

void frmMain::Run(Origin origin) {
    CommandScope step(context_.dialogs, origin, kRunFailed);
    step([&] {
        if (RunSimulation(context_.state) != RunOutcome::Refused) project_->ResultsComputed();
    });
    // A run that failed half-way must not leave its progress window behind.
    engineUi_->CloseProgress();
}

}  // namespace volvenza
