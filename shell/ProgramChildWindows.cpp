// Wires the windows of entry/, views/, report/ and analysis/ into the shell.
#include "shell/ChildWindows.h"

#include "analysis/Dimensionamento.h"
#include "entry/Ciclo.h"
#include "entry/DatiIniziali.h"
#include "entry/InserimentoDati.h"
#include "report/PdfReport.h"
#include "report/PrintReport.h"
#include "views/BilancioEnergetico.h"
#include "views/Grafico.h"
#include "views/Tabella.h"

namespace volvenza {
namespace {

// What the window's print command prints; nothing for a window that does not print.
std::optional<WindowReport> ReportOf(const QWidget* window) {
    using Kind = WindowReport::Kind;
    if (qobject_cast<const DatiIniziali*>(window)) return WindowReport{Kind::InitialData};
    if (qobject_cast<const InserimentoDati*>(window)) return WindowReport{Kind::MovementList};
    if (qobject_cast<const Tabella*>(window)) return WindowReport{Kind::ResultsTable};
    if (qobject_cast<const Ciclo*>(window)) return WindowReport{Kind::Cycle};
    if (qobject_cast<const BilancioEnergetico*>(window)) return WindowReport{Kind::Energy};
    if (const auto* chart = qobject_cast<const Grafico*>(window)) {
        return WindowReport(chart->Shown());
    }
    if (const auto* sizing = qobject_cast<const Dimensionamento*>(window)) {
        // Only once the window has an answer to print.
        if (!sizing->Answer()) return std::nullopt;
        return WindowReport(SizingPrint{sizing->AnsweredRequirements(), *sizing->Answer(),
                                        sizing->AnsweredData(), sizing->Stale()});
    }
    return std::nullopt;
}

// The windows that edit the data: the initial data, the movement list and
// the cycle.
void AddEntryWindows(ChildWindows& windows) {
    windows.factories[QStringLiteral("DatiIniziali")] = [](Project& project, Dialogs& dialogs) {
        return new DatiIniziali(project, dialogs);
    };
    windows.followInitialData = [](QWidget* window) {
        if (auto* data = qobject_cast<DatiIniziali*>(window)) data->ShowData();
        if (auto* cycle = qobject_cast<Ciclo*>(window)) cycle->FollowResults();
    };
    windows.focusDraft = [](QWidget* window, const DraftKey& key) {
        if (auto* data = qobject_cast<DatiIniziali*>(window)) {
            static const char* const boxes[] = {"TV0", "TP0", "TTc", "TQp", "TPm", "TDp", "TTT"};
            if (key.place != DraftKey::Place::InitialData || key.field < 0 || key.field > 6) {
                return false;
            }
            data->FocusBox(QString::fromLatin1(boxes[key.field]));
            return true;
        }
        if (auto* editor = qobject_cast<InserimentoDati*>(window)) return editor->FocusDraft(key);
        if (auto* cycle = qobject_cast<Ciclo*>(window)) return cycle->FocusDraft(key);
        if (auto* sizing = qobject_cast<Dimensionamento*>(window)) return sizing->FocusDraft(key);
        return false;
    };
    windows.factories[QStringLiteral("InserimentoDati")] = [](Project& project, Dialogs& dialogs) {
        return new InserimentoDati(project, dialogs);
    };
    windows.factories[QStringLiteral("Ciclo")] = [](Project& project, Dialogs& dialogs) {
        return new Ciclo(project, dialogs);
    };
    windows.followMovementList = [](QWidget* window) {
        if (auto* editor = qobject_cast<InserimentoDati*>(window)) editor->FollowMovementList();
        if (auto* cycle = qobject_cast<Ciclo*>(window)) cycle->FollowMovementList();
    };
    windows.followMovementEdit = [](QWidget* window, const MovementEdit& edit) {
        if (auto* editor = qobject_cast<InserimentoDati*>(window)) editor->FollowMovementEdit(edit);
        if (auto* cycle = qobject_cast<Ciclo*>(window)) cycle->FollowMovementEdit(edit);
    };
    windows.followResults = [](QWidget* window) {
        if (auto* cycle = qobject_cast<Ciclo*>(window)) cycle->FollowResults();
    };
    windows.useProjectHistory = [](QWidget* window, std::function<void()> undo,
                                   std::function<void()> redo, std::function<void()> joinNext) {
        if (auto* cycle = qobject_cast<Ciclo*>(window)) {
            cycle->UseHistory(std::move(undo), std::move(redo), std::move(joinNext));
        }
    };
}

// The windows that show a run's results: the chart, whose options outlive
// it, and the table.
void AddResultWindows(ChildWindows& windows) {
    // What the chart shows besides the curve, kept while it is closed.
    auto chartOptions = std::make_shared<ChartOptions>();
    windows.factories[QStringLiteral("Grafico")] = [chartOptions](Project& project,
                                                                  Dialogs& dialogs) {
        return new Grafico(project.State(), dialogs, chartOptions);
    };
    windows.resetChartOptions = [chartOptions] { *chartOptions = {}; };
    windows.saveChartBitmap = [](QWidget* chart, const QString& path) {
        return static_cast<Grafico*>(chart)->SaveChartBitmap(path);
    };
    windows.factories[QStringLiteral("Tabella")] = [](Project& project, Dialogs& dialogs) {
        return new Tabella(project.State(), dialogs);
    };
    windows.fillResultsTable = [](QWidget* table) {
        static_cast<Tabella*>(table)->FillResultsTable();
    };
    windows.redrawChart = [](QWidget* chart) {
        if (auto* grafico = qobject_cast<Grafico*>(chart)) grafico->RedrawChart();
    };
    windows.showResultsNote = [](QWidget* window, const QString& note, bool stale) {
        if (auto* chart = qobject_cast<Grafico*>(window)) chart->ShowResultsNote(note, stale);
        if (auto* table = qobject_cast<Tabella*>(window)) table->ShowResultsNote(note, stale);
        if (auto* energy = qobject_cast<BilancioEnergetico*>(window)) {
            energy->ShowResultsNote(note, stale);
        }
        if (auto* cycle = qobject_cast<Ciclo*>(window)) cycle->ShowResultsNote(note, stale);
    };
}

// The sizing assistant and the energy balance.
void AddSizingWindows(ChildWindows& windows) {
    windows.factories[QStringLiteral("Dimensionamento")] = [](Project& project, Dialogs& dialogs) {
        return new Dimensionamento(project, dialogs);
    };
    windows.sizingOf = [](QWidget* window) {
        return static_cast<Dimensionamento*>(window)->Sizing();
    };
    windows.followSizingInputs = [](QWidget* window) {
        static_cast<Dimensionamento*>(window)->FollowProject();
    };
    windows.whenSizingStopped = [](QWidget* window,
                                   std::function<void(const DraftKey&)> showDraft) {
        static_cast<Dimensionamento*>(window)->WhenDraftStops(std::move(showDraft));
    };
    windows.factories[QStringLiteral("BilancioEnergetico")] = [](Project& project,
                                                                 Dialogs& dialogs) {
        return new BilancioEnergetico(project.State(), dialogs, [&project] {
            const sizing::Requirements& req = project.Sizing().Requirements;
            const double p1 = req.MinPressure > GaugeBar(0)
                                  ? req.MinPressure.value()
                                  : project.State().ChartMinPressure.value_or(0);
            return std::pair(req.Duties, p1);
        });
    };
    windows.showEnergyBalance = [](QWidget* window, const std::optional<EnergyInputs>& inputs) {
        if (auto* energy = qobject_cast<BilancioEnergetico*>(window)) energy->ShowBalance(inputs);
    };
    windows.showSizing = [](QWidget* window, const ProjectSizing& sizing) {
        static_cast<Dimensionamento*>(window)->ShowSizing(sizing);
    };
}

// What the print and PDF commands make of the active window.
void AddPrinting(ChildWindows& windows) {
    windows.printsReport = [](const QWidget* window) { return ReportOf(window).has_value(); };
    windows.printActiveWindow = [](CircuitState& state, Dialogs& dialogs, QPrinter& printer,
                                   const QString& printHeader, const QString& design,
                                   const QString& origin, const std::optional<EnergyInputs>& energy,
                                   QWidget* activeChild) {
        // No active window: not even the dialog.
        if (activeChild == nullptr) return;
        auto report = ReportOf(activeChild);
        if (report) {
            report->origin = origin;
            report->energy = energy;
        }
        PrintAfterDialog(state, dialogs, printer,
                         PageIdentity{printHeader, design, QDate::currentDate()}, report);
    };
    windows.exportWindowPdf =
        [](const QString& path, const QPrinter& printer, const CircuitState& state,
           const QString& printHeader, const QString& design, const QString& origin,
           const std::optional<EnergyInputs>& energy, QWidget& window) -> Status {
        auto report = ReportOf(&window);
        if (!report) return Done{};
        report->origin = origin;
        report->energy = energy;
        return ExportWindowPdf(path, printer, state,
                               PageIdentity{printHeader, design, QDate::currentDate()}, *report);
    };
}

}  // namespace

ChildWindows ProgramChildWindows() {
    ChildWindows windows;
    AddEntryWindows(windows);
    AddResultWindows(windows);
    AddSizingWindows(windows);
    AddPrinting(windows);
    return windows;
}

}  // namespace volvenza
