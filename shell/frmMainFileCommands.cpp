// The main window's commands that load, save, export and print a
// simulation, and the example and the run that fill it.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QWindow>

#include "documents/AtomicFile.h"
#include "documents/DesignFile.h"
#include "documents/FileKinds.h"
#include "documents/ProjectFile.h"
#include "documents/ResultsExport.h"
#include "documents/SimulationFile.h"
#include "engine/Simulation.h"
#include "platform/Dialogs.h"
#include "platform/UiMessage.h"
#include "platform/UiText.h"
#include "shell/AvanzamentoSimulazione.h"
#include "shell/CommandScope.h"
#include "shell/GasModelSettings.h"
#include "shell/ProgramIdentity.h"
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
// How long a run goes on before its progress window shows.
constexpr qint64 kProgressDelayMs = 300;
QString SaveFilter() {
    QString filter = kSimulationFilter;
    const QString project =
        QCoreApplication::translate("volvenza::frmMain", "Progetto Volvenza (*.vlzp)");
    // After the simulations' own name and pattern, in whatever language.
    const qsizetype second = filter.indexOf(QLatin1Char('|'), filter.indexOf(QLatin1Char('|')) + 1);
    return filter.insert(second + 1, project + "|*.vlzp|");
}

// Opening shows both kinds of design at first, each still to be chosen alone.
QString OpenFilter() {
    return QCoreApplication::translate("volvenza::frmMain",
                                       "Simulazioni e progetti Volvenza (*.vlz, *.vlzp)") +
           QStringLiteral("|*.vlz;*.vlzp|") + SaveFilter();
}

// The file a save writes: under the project's filter a bare name is a project.
QString DesignSaveName(const QString& chosen, int filter) {
    return filter == kProjectFilter ? WithExtension(chosen, kProjectFile.extension) : chosen;
}

// The design's name with another extension (a folder stays as it is).
QString WithSuffix(const QString& path, const char* extension) {
    const QFileInfo info(path);
    if (path.isEmpty() || info.suffix().isEmpty()) return path;
    return info.path() + QLatin1Char('/') + info.completeBaseName() + QLatin1Char('.') +
           QLatin1String(extension);
}

constexpr UiText kDropsQuestion{
    "volvenza::frmMain",
    QT_TRANSLATE_NOOP(
        "volvenza::frmMain",
        "%1\nSalvare comunque come simulazione? Un progetto (.vlzp) conserva tutto.")};

bool IsProject(const QString& path) {
    return HasExtension(path.toStdString(), kProjectFile);
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
        });
        ForgetFileName();
    });
}

void frmMain::ReplaceProject(const char* label, const std::function<void()>& reset) {
    project_->Replace(
        label,
        [&] {
            reset();
            return Done{};
        },
        ProjectSizing{});
}

void frmMain::OpenSimulation(Origin origin) {
    CommandScope step(context_.dialogs, origin);
    QString chosen;
    step([&] { chosen = context_.dialogs.OpenFileName(kOpenTitle, OpenFilter(), designFile_); });
    if (chosen.isEmpty()) return;
    step.OnFailure(OpenFailed(chosen));
    step([&] { LoadFile(chosen); });
}

void frmMain::OpenSimulationFile(const QString& path) {
    CommandScope step(context_.dialogs, Origin::Menu, OpenFailed(path));
    step([&] { LoadFile(path); });
}

void frmMain::LoadFile(const QString& path) {
    ProjectSizing sizing;
    const auto readProject = [&] {
        return LoadProjectFile(context_.state, sizing, FilePath(path));
    };
    const auto readSimulation = [&]() -> Status {
        if (Status read = LoadSimulationFile(context_.state, FilePath(path)); !read) return read;
        // The file fills only its own slots: a new movement must not show
        // one of the work it replaced.
        for (int k = context_.state.MovementCount + 1; k <= kMaxMovements; ++k) {
            ClearMovement(context_.state, static_cast<int16_t>(k));
        }
        // A simulation file keeps no applied sizing.
        context_.state.ChartMinPressure.reset();
        UseSettingsGas();
        return Done{};
    };
    const bool project = IsProject(path);
    const Status loaded = project ? project_->Replace("Apri", readProject, sizing)
                                  : project_->Replace("Apri", readSimulation, ProjectSizing{});
    if (!loaded) {
        context_.dialogs.Message(UiMessage(loaded.Error()), MessageIcon::Exclamation,
                                 MessageButtons::Ok);
        return;
    }
    SetDesignFile(path);
    if (!project) {
        project_->ResultsRead();
        return;
    }
    // A project keeps no results: they come from a run of what it holds.
    RunProject();
}

void frmMain::SaveSimulationAs(Origin origin) {
    CommandScope step(context_.dialogs, origin);
    bool stopped = false;
    step([&] { stopped = StoppedByDraft(DraftStops::Save); });
    if (stopped) return;
    ProjectSizing sizing;
    // What a simulation file would leave out of this design: the gas law
    // comes back from the settings when one is opened, the rest would not.
    auto drops = [&](const QString& path) {
        QStringList unused;
        return SimulationFileDrops(context_.state, sizing, FilePath(path),
                                   ReadGasSettings(context_.settings, unused));
    };
    QString chosen;
    step([&] {
        sizing = CurrentSizing();
        // A design a simulation file cannot hold whole is offered as a project.
        const bool whole = drops(designFile_).empty();
        int filter = IsProject(designFile_) || !whole ? kProjectFilter : 0;
        const QString offered =
            whole ? designFile_ : WithSuffix(designFile_, kProjectFile.extension);
        chosen = context_.dialogs.SaveFileName(kSaveAsTitle, SaveFilter(), offered, &filter,
                                               DesignSaveName);
    });
    if (chosen.isEmpty()) return;
    step.OnFailure(SaveFailed(chosen));
    if (!IsProject(chosen)) {
        // Said before anything is written, so that nothing goes unsaid.
        QStringList lost;
        step([&] {
            for (const Message& drop : drops(chosen)) lost << UiMessage(drop);
        });
        if (!lost.isEmpty()) {
            MessageAnswer answer = MessageAnswer::No;
            step([&] {
                answer = context_.dialogs.Message(kDropsQuestion.Text().arg(lost.join('\n')),
                                                  MessageIcon::Exclamation, MessageButtons::YesNo);
            });
            if (answer != MessageAnswer::Yes) return;
        }
    }
    step([&] {
        const std::string path = FilePath(chosen);
        const Status saved = IsProject(chosen) ? SaveProjectFile(context_.state, sizing, path)
                                               : SaveSimulationFile(context_.state, path);
        if (!saved) {
            context_.dialogs.Message(UiMessage(saved.Error()), MessageIcon::Exclamation,
                                     MessageButtons::Ok);
            return;
        }
        SetDesignFile(chosen);
    });
}

QString frmMain::ExportOffer(const char* extension) const {
    // The design's own name with the export's extension, never the design's
    // file itself nor the name of another kind's file.
    const QString offered = ExportProposal(designFile_, extension);
    if (!designFile_.isEmpty() && offered == designFile_ && !designFile_.endsWith('/')) {
        return designFile_ + QLatin1Char('.') + QLatin1String(extension);
    }
    return offered;
}

void frmMain::ExportTable(Origin origin) {
    CommandScope step(context_.dialogs, origin);
    bool stopped = false;
    step([&] { stopped = StoppedByDraft(DraftStops::Export); });
    if (stopped) return;
    QString chosen;
    step([&] {
        chosen = context_.dialogs.SaveFileName(kSaveAsTitle, kTextFilter, ExportOffer("txt"));
    });
    if (chosen.isEmpty()) return;
    step.OnFailure(SaveFailed(chosen));
    step([&] {
        if (QWidget* active = ActiveChildWindow()) active->setWindowTitle(chosen);
    });
    step([&] {
        if (Status saved = ExportResultsText(context_.state, FilePath(chosen)); !saved) {
            context_.dialogs.Message(UiMessage(saved.Error()), MessageIcon::Exclamation,
                                     MessageButtons::Ok);
        }
    });
}

void frmMain::ExportChart(Origin origin) {
    CommandScope step(context_.dialogs, origin);
    bool stopped = false;
    step([&] { stopped = StoppedByDraft(DraftStops::Export); });
    if (stopped) return;
    QString chosen;
    step([&] {
        chosen = context_.dialogs.SaveFileName(kSaveAsTitle, kBitmapFilter, ExportOffer("bmp"));
    });
    if (chosen.isEmpty()) return;
    step.OnFailure(SaveFailed(chosen));
    step([&] {
        if (QWidget* active = ActiveChildWindow()) active->setWindowTitle(chosen);
    });
    step([&] {
        if (!context_.windows.saveChartBitmap) return;
        QWidget* chart = FindChildWindow(QStringLiteral("Grafico"));
        if (chart == nullptr) chart = ShowChildWindow(QStringLiteral("Grafico"));
        if (chart == nullptr) return;
        if (const Status saved = context_.windows.saveChartBitmap(chart, chosen); !saved) {
            context_.dialogs.Message(UiMessage(saved.Error()), MessageIcon::Exclamation,
                                     MessageButtons::Ok);
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
    // A page printed is the page exported: a draft stops both.
    bool stopped = false;
    step([&] { stopped = StoppedByDraft(DraftStops::Export); });
    if (stopped) return;
    step([&] {
        if (context_.windows.printActiveWindow) {
            context_.windows.printActiveWindow(context_.state, context_.dialogs, Printer(),
                                               printHeader_, DesignName(), ResultsNote(),
                                               EnergyInputsNow(), ActiveChildWindow());
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
        });
        ForgetFileName();
    });
}

void frmMain::ForgetFileName() {
    // The work no longer comes from that file: its folder is still the
    // place to look, but Salva must not offer to write over it.
    if (!designFile_.isEmpty()) SetDesignFile(QFileInfo(designFile_).absolutePath() + '/');
}

void frmMain::SetDesignFile(const QString& path) {
    designFile_ = path;
    // The title says whose work is open; a folder alone names none.
    const QString name = path.endsWith(QLatin1Char('/')) ? QString() : QFileInfo(path).fileName();
    setWindowTitle(name.isEmpty() ? QString(kTitle) : name + QStringLiteral(" - ") + kTitle);
}

void frmMain::Run(Origin origin) {
    CommandScope step(context_.dialogs, origin, kRunFailed);
    step([&] {
        if (!StoppedByDraft(DraftStops::Run)) RunProject();
    });
    // A run that failed half-way must not leave its progress window behind.
    delete progress_;
}

RunOutcome frmMain::RunProject() {
    // The questions come first, as the checks reach them, each answer
    // taken into the next check; the progress window is for the run itself.
    RunAnswers answers;
    RunReport report = ValidateSimulationData(context_.state, answers);
    while (report.question) {
        const MessageAnswer answer = context_.dialogs.Message(
            UiMessage(report.question->message), MessageIcon::Exclamation, MessageButtons::YesNo);
        answers.zeroTimes[report.question->movement] = answer == MessageAnswer::Yes;
        report = ValidateSimulationData(context_.state, answers);
    }
    if (report.outcome == RunOutcome::Completed) {
        delete progress_;
        // A run is over in well under a second: its progress window appears
        // only once one has lasted long enough to be worth watching, never
        // to flash up empty and vanish at each run.
        QElapsedTimer running;
        running.start();
        report = RunSimulation(context_.state, answers, [this, &running](double percent) {
            if (!progress_ && running.elapsed() >= kProgressDelayMs) {
                progress_ = new AvanzamentoSimulazione(this);
                progress_->show();
                // The window's chance to appear before the run takes the
                // thread again. Clicks wait until the run is over, so a
                // second "Simulazione" cannot start a run inside this one.
                QElapsedTimer exposing;
                exposing.start();
                do {
                    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
                } while (progress_->windowHandle() != nullptr &&
                         !progress_->windowHandle()->isExposed() && exposing.elapsed() < 200);
            }
            if (progress_) progress_->SetValue(percent);
        });
        delete progress_;
    }
    for (const Notice& notice : report.notices) {
        context_.dialogs.Message(UiMessage(notice.message), notice.icon, MessageButtons::Ok);
    }
    if (report.outcome != RunOutcome::Refused && report.outcome != RunOutcome::Asking) {
        project_->ResultsComputed();
    }
    return report.outcome;
}

bool frmMain::StoppedByDraft(DraftStops stops) {
    const auto draft = project_->FirstDraft();
    if (!draft) return false;
    context_.dialogs.Message(UiMessage(DraftMessage(draft->first, draft->second, stops)),
                             MessageIcon::Exclamation, MessageButtons::Ok);
    ShowDraft(draft->first);
    return true;
}

void frmMain::ShowDraft(const DraftKey& key) {
    if (!context_.windows.focusDraft) return;
    // The window that holds the box, when it is open: the editor before
    // the cycle table, which shows the same movements.
    const QStringList windows =
        key.place == DraftKey::Place::InitialData ? QStringList{QStringLiteral("DatiIniziali")}
        : key.place == DraftKey::Place::Requirements || key.place == DraftKey::Place::Catalogue
            ? QStringList{QStringLiteral("Dimensionamento")}
            : QStringList{QStringLiteral("InserimentoDati"), QStringLiteral("Ciclo")};
    for (const QString& name : windows) {
        QWidget* window = FindChildWindow(name);
        if (window == nullptr || !window->isVisible()) continue;
        ShowChildWindow(name);
        if (context_.windows.focusDraft(window, key)) return;
    }
}

}  // namespace volvenza
