// The main window's side of the project: the one undo history, the
// recovery points, the windows that follow the project, and what the shown
// results were computed from.

#include <ctime>

#include <QAction>
#include <QDateTime>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFileInfo>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include "engine/Duties.h"
#include "engine/PressureWatch.h"
#include "messages/WindowWords.h"
#include "numbers/NumberText.h"
#include "numbers/Rounding.h"
#include "platform/Dialogs.h"
#include "platform/Language.h"
#include "platform/ScreenUnits.h"
#include "platform/SettingsStore.h"
#include "platform/UiMessage.h"
#include "platform/UiNumber.h"
#include "shell/CommandScope.h"
#include "shell/GasModelSettings.h"
#include "shell/StatusBar.h"
#include "shell/frmMain.h"
#include "sizing/BalanceText.h"
#include "sizing/DutyText.h"
#include "sizing/GasLawText.h"

namespace volvenza {
namespace {

constexpr UiText kRecoverTitle{
    "volvenza::frmMain", QT_TRANSLATE_NOOP("volvenza::frmMain", "Recupera lavoro non salvato")};
constexpr UiText kNoRecoveryPoints{
    "volvenza::frmMain",
    QT_TRANSLATE_NOOP("volvenza::frmMain",
                      "Non ci sono punti di recupero: il lavoro viene salvato qui alcuni secondi "
                      "dopo ogni modifica e prima di ogni sostituzione.")};
constexpr UiText kRecoveryPoint{
    "volvenza::frmMain", QT_TRANSLATE_NOOP("volvenza::frmMain", "%1, %2, Vo %3 dm3, %4 movimenti")};
constexpr UiText kUnreadablePoint{
    "volvenza::frmMain", QT_TRANSLATE_NOOP("volvenza::frmMain", "%1, punto non leggibile")};
constexpr UiText kUnnamed{"volvenza::frmMain",
                          QT_TRANSLATE_NOOP("volvenza::frmMain", "senza nome")};
constexpr UiText kInterrupted{"volvenza::frmMain",
                              QT_TRANSLATE_NOOP("volvenza::frmMain", " (sessione interrotta)")};
constexpr UiText kDiscard{"volvenza::frmMain", QT_TRANSLATE_NOOP("volvenza::frmMain", "Scarta")};
constexpr UiText kRecoverable{
    "volvenza::frmMain",
    QT_TRANSLATE_NOOP("volvenza::frmMain",
                      "Lavoro non salvato recuperabile: File > Recupera lavoro non salvato...")};
constexpr UiText kStale{kSizingContext, kStaleNote};
constexpr UiText kBelowP1{"volvenza::frmMain",
                          QT_TRANSLATE_NOOP("volvenza::frmMain", "sotto p1 = %1 bar %2")};
constexpr UiText kStretch{"volvenza::frmMain",
                          QT_TRANSLATE_NOOP("volvenza::frmMain", "da %1 s a %2 s")};
constexpr UiText kInstant{"volvenza::frmMain", QT_TRANSLATE_NOOP("volvenza::frmMain", "a %1 s")};
constexpr UiText kAnd{"volvenza::frmMain", QT_TRANSLATE_NOOP("volvenza::frmMain", " e ")};
constexpr UiText kFallsBelow{"volvenza::frmMain",
                             QT_TRANSLATE_NOOP("volvenza::frmMain", "La pressione scende %1")};
constexpr UiText kDutiesClassic{
    "volvenza::frmMain",
    QT_TRANSLATE_NOOP("volvenza::frmMain",
                      "i carichi dei movimenti non sono giudicati con la legge classica, che "
                      "giudica solo p1: scegliere la legge ideale o reale")};
constexpr UiText kFromFile{
    "volvenza::frmMain",
    QT_TRANSLATE_NOOP("volvenza::frmMain",
                      "Risultati letti dal file (la legge del gas non vi è registrata)")};

QString Tr(const char* source) {
    return QCoreApplication::translate("volvenza::frmMain", source);
}

QString VesselsDescription(const Arrangement& v);

// "Legge del gas: azoto reale, τ = 45 s; inviluppo da -10 a 60 °C".
QString GasDescription(const GasSettings& gas) {
    const QString law = QString::fromStdString(sizing::GasLawText(gas, UiWording()));
    QString text = Tr(QT_TRANSLATE_NOOP("volvenza::frmMain", "Legge del gas: %1")).arg(law);
    if (gas.MinTemp || gas.MaxTemp) {
        const QString tc = Tr(QT_TRANSLATE_NOOP("volvenza::frmMain", "tc"));
        text += Tr(QT_TRANSLATE_NOOP("volvenza::frmMain", "; inviluppo da %1 a %2 °C"))
                    .arg(gas.MinTemp ? UiNumber(*gas.MinTemp) : tc,
                         gas.MaxTemp ? UiNumber(*gas.MaxTemp) : tc);
    }
    return text + VesselsDescription(gas.Vessels);
}

// Beyond the one accumulator of V0 the initial data show, worded as the
// browser's page words it.
QString VesselsDescription(const Arrangement& v) {
    return QString::fromStdString(sizing::VesselsText(v, UiWording()));
}

bool IsEmpty(const ProjectSnapshot& snapshot) {
    return snapshot.movements.empty() && snapshot.data == CircuitData{} && snapshot.drafts.empty();
}

}  // namespace

QString frmMain::ResultsNote() const {
    const auto& origin = project_->Results();
    if (!origin) return {};
    QString note = origin->fromFile ? kFromFile.Text() : GasDescription(origin->gas);
    if (!project_->ResultsCurrent()) note = kStale.Text() + QStringLiteral(". ") + note;
    if (const QString below = BelowAppliedP1(); !below.isEmpty()) note += "; " + below;
    if (const QString duties = MovementDutiesNote(); !duties.isEmpty()) note += "; " + duties;
    return note;
}

QString frmMain::MovementDutiesNote() const {
    const CircuitState& state = context_.state;
    const auto& origin = project_->Results();
    if (!origin || origin->fromFile || !project_->ResultsCurrent() ||
        !HasLoads(state.Movements, state.SimMovementCount)) {
        return {};
    }
    if (origin->gas.Law == GasLawKind::Classic) return kDutiesClassic.Text();
    const auto key = std::tuple(project_->Revision(), int(origin->gas.Law), QString());
    if (dutiesNote_ && std::get<0>(*dutiesNote_) == std::get<0>(key) &&
        std::get<1>(*dutiesNote_) == std::get<1>(key)) {
        return std::get<2>(*dutiesNote_);
    }
    QStringList lines;
    const auto judged = JudgeRunMovements(state, GaugeBar(state.ChartMinPressure.value_or(0)));
    if (judged) {
        for (const MovementPressure& m : *judged) {
            if (!LoadPressure(state.Movements[m.Movement])) continue;
            lines << QString::fromStdString(sizing::MovementVerdict(m, UiWording()));
        }
    } else {
        lines << UiMessage(judged.Error());
    }
    dutiesNote_ = std::tuple(std::get<0>(key), std::get<1>(key), lines.join(QStringLiteral("; ")));
    return std::get<2>(*dutiesNote_);
}

QString frmMain::BelowAppliedP1() const {
    const CircuitState& state = context_.state;
    if (!state.ChartMinPressure || !project_->Results()) return {};
    QStringList stretches;
    auto time = [](double t) { return UiNumber(RoundHalfEven(t, 2)); };
    for (const PressureStretch& s : StretchesBelow(state, *state.ChartMinPressure)) {
        stretches << (s.from == s.to ? kInstant.Text().arg(time(s.from))
                                     : kStretch.Text().arg(time(s.from), time(s.to)));
    }
    if (stretches.isEmpty()) return {};
    return kBelowP1.Text().arg(UiNumber(*state.ChartMinPressure), stretches.join(kAnd.Text()));
}

std::optional<EnergyInputs> frmMain::EnergyInputsNow() const {
    if (!project_->ResultsCurrent()) return std::nullopt;
    const sizing::Requirements& req = project_->Sizing().Requirements;
    return sizing::EnergyInputsOf(context_.state, req.PumpEfficiency, req.HoursPerYear);
}

void frmMain::UseSettingsGas() {
    QStringList reset;
    context_.state.Gas = ReadGasSettings(context_.settings, reset);
}

void frmMain::ShowHistoryState() {
    const bool undo = project_->CanUndo();
    const bool redo = project_->CanRedo();
    undoEntry_->setEnabled(undo);
    redoEntry_->setEnabled(redo);
    // The cycle table's own buttons are the same history.
    if (QWidget* cycle = FindChildWindow(QStringLiteral("Ciclo"))) {
        if (auto* action = cycle->findChild<QAction*>(QStringLiteral("Annulla"))) {
            action->setEnabled(undo);
        }
        if (auto* action = cycle->findChild<QAction*>(QStringLiteral("Ripeti"))) {
            action->setEnabled(redo);
        }
    }
}

void frmMain::ProjectChanged(unsigned parts) {
    if (parts != ProjectPart::Results && !recoveryTimer_->isActive()) recoveryTimer_->start();
    ShowHistoryState();
    // The vessels stay when V0 is typed anew: the bar says what V0 is one of,
    // and, in red, where the results fall below the applied p1.
    if (auto* bar = qobject_cast<StatusBar*>(statusBar())) {
        bar->ShowVessels(VesselsDescription(context_.state.Gas.Vessels).mid(2));
        // Only of the data as they are: the note keeps it for results out of date.
        const QString below = project_->ResultsCurrent() ? BelowAppliedP1() : QString();
        bar->ShowWarning(below.isEmpty() ? QString() : kFallsBelow.Text().arg(below));
    }
    ShowCommandState();
    // The windows over the list: one window's edit is followed by the
    // others, a list put in place as a whole by all of them; the table
    // first, so that it has the new list before the editor shows it.
    const std::optional<MovementEdit>& edit = project_->LastMovementEdit();
    const bool replaced = (parts & (ProjectPart::Replaced | ProjectPart::History)) != 0;
    for (const char* name : {"Ciclo", "InserimentoDati"}) {
        QWidget* window = FindChildWindow(QString::fromLatin1(name));
        if (window == nullptr) continue;
        if (replaced && context_.windows.followMovementList) {
            context_.windows.followMovementList(window);
        } else if (edit && context_.windows.followMovementEdit) {
            context_.windows.followMovementEdit(window, *edit);
        }
    }
    if ((parts & (ProjectPart::Data | ProjectPart::Gas | ProjectPart::Replaced)) != 0 &&
        context_.windows.followInitialData) {
        for (const char* name : {"DatiIniziali", "Ciclo"}) {
            if (QWidget* window = FindChildWindow(QString::fromLatin1(name))) {
                context_.windows.followInitialData(window);
            }
        }
    }
    if (QWidget* sizing = FindChildWindow(QStringLiteral("Dimensionamento"))) {
        // Another project's requirements, or an undo of the window's own: the
        // window shows the project's; an undo of anything else leaves its
        // answer in view, to be judged against the data as they now are.
        const bool history = (parts & ProjectPart::History) != 0;
        const bool otherRequirements =
            !context_.windows.sizingOf ||
            !(context_.windows.sizingOf(sizing).Requirements == project_->Sizing().Requirements);
        if ((parts & ProjectPart::Replaced) != 0 && (!history || otherRequirements) &&
            context_.windows.showSizing) {
            context_.windows.showSizing(sizing, project_->Sizing());
        }
        if (context_.windows.followSizingInputs) context_.windows.followSizingInputs(sizing);
    }
    // The balance follows the results, the applied p1 and the requirements alike.
    if (QWidget* energy = FindChildWindow(QStringLiteral("BilancioEnergetico"))) {
        if (context_.windows.showEnergyBalance) {
            context_.windows.showEnergyBalance(energy, EnergyInputsNow());
        }
    }
    for (const char* name : {"Grafico", "Tabella", "BilancioEnergetico", "Ciclo"}) {
        if (QWidget* window = FindChildWindow(QString::fromLatin1(name))) {
            FollowProjectInWindow(window);
        }
    }
    if ((parts & ProjectPart::Results) == 0) return;
    // A new run shows in every results window that is open.
    if (QWidget* cycle = FindChildWindow(QStringLiteral("Ciclo"))) {
        if (context_.windows.followResults) context_.windows.followResults(cycle);
    }
    if (QWidget* table = FindChildWindow(QStringLiteral("Tabella"))) {
        if (context_.windows.fillResultsTable) context_.windows.fillResultsTable(table);
    }
    if (QWidget* chart = FindChildWindow(QStringLiteral("Grafico"))) {
        if (context_.windows.redrawChart) context_.windows.redrawChart(chart);
    }
}

void frmMain::FollowProjectInWindow(QWidget* window) {
    if (context_.windows.showResultsNote) {
        context_.windows.showResultsNote(window, ResultsNote(), !project_->ResultsCurrent());
    }
}

void frmMain::TakeSizingFrom(QWidget* window) {
    if (window == nullptr || !context_.windows.sizingOf) return;
    const ProjectSizing sizing = context_.windows.sizingOf(window);
    // The answer first: requirements typed after a search stay one step.
    project_->SetRecommendation(sizing.Recommendation);
    project_->SetRequirements(sizing.Requirements);
}

ProjectSizing frmMain::CurrentSizing() {
    TakeSizingFrom(FindChildWindow(QStringLiteral("Dimensionamento")));
    return project_->Sizing();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Close) return QMainWindow::eventFilter(watched, event);
    // A closed sizing window leaves its requirements and answer to the project.
    if (watched->objectName() == QLatin1String("Dimensionamento")) {
        TakeSizingFrom(qobject_cast<QWidget*>(watched));
    }
    // A window closing leaves what it changed in a recovery point at once.
    if (qobject_cast<QMdiSubWindow*>(watched) != nullptr) SaveRecoveryPoint(project_->Snapshot());
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::SaveRecoveryPoint(const ProjectSnapshot& snapshot) {
    recoveryTimer_->stop();
    if (IsEmpty(snapshot)) return;
    const std::vector<RecoveryPoint> points = recovery_->List();
    ProjectSnapshot newest;
    if (!points.empty() && recovery_->Load(points.front(), newest) && newest == snapshot) return;
    // A recovery point that cannot be written is not worth a question: the
    // work itself is still on screen.
    const QFileInfo design(designFile_);
    recovery_->Save(snapshot, std::time(nullptr),
                    design.fileName().isEmpty() ? std::string() : design.fileName().toStdString());
}

QString frmMain::DesignName() const {
    const QString name = QFileInfo(designFile_).fileName();
    return name.isEmpty() ? kUnnamed.Text() : name;
}

void frmMain::ShowRecoverable() {
    const std::vector<RecoveryPoint> points = recovery_->List();
    const bool waiting = std::any_of(points.begin(), points.end(), [](const RecoveryPoint& p) {
        return p.owner == RecoveryPoint::Owner::Interrupted;
    });
    if (auto* bar = qobject_cast<StatusBar*>(statusBar())) {
        bar->ShowNotice(waiting ? kRecoverable.Text() : QString());
    }
}

void frmMain::UndoProject(Origin origin) {
    CommandScope step(context_.dialogs, origin);
    // The cycle table first takes the cell being typed into.
    QWidget* active = ActiveChildWindow();
    QAction* own =
        active != nullptr ? active->findChild<QAction*>(QStringLiteral("Annulla")) : nullptr;
    step([&] { own != nullptr ? own->trigger() : project_->Undo(); });
}

void frmMain::RedoProject(Origin origin) {
    CommandScope step(context_.dialogs, origin);
    QWidget* active = ActiveChildWindow();
    QAction* own =
        active != nullptr ? active->findChild<QAction*>(QStringLiteral("Ripeti")) : nullptr;
    step([&] { own != nullptr ? own->trigger() : project_->Redo(); });
}

void frmMain::RecoverWork(Origin origin) {
    CommandScope step(context_.dialogs, origin);
    std::vector<RecoveryPoint> points;
    step([&] { points = recovery_->List(); });
    if (points.empty()) {
        step([&] {
            context_.dialogs.Message(kNoRecoveryPoints, MessageIcon::Information,
                                     MessageButtons::Ok);
        });
        return;
    }
    int chosen = -1;
    step([&] {
        QDialog dialog(this);
        dialog.setObjectName(QStringLiteral("RecuperaLavoro"));
        dialog.setWindowTitle(kRecoverTitle);
        auto* list = new QListWidget(&dialog);
        list->setObjectName(QStringLiteral("LstPuntiRecupero"));
        auto describe = [&](const RecoveryPoint& point) {
            ProjectSnapshot snapshot;
            std::string design;
            const QString when = QDateTime::fromSecsSinceEpoch(static_cast<qint64>(point.time))
                                     .toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
            QString line =
                recovery_->Load(point, snapshot, &design)
                    ? kRecoveryPoint.Text()
                          .arg(when,
                               design.empty() ? kUnnamed.Text() : QString::fromStdString(design),
                               UiNumber(snapshot.data.V0))
                          .arg(point.movements)
                    : kUnreadablePoint.Text().arg(when);
            if (point.owner == RecoveryPoint::Owner::Interrupted) line += kInterrupted.Text();
            return line;
        };
        for (const RecoveryPoint& point : points) list->addItem(describe(point));
        list->setCurrentRow(0);
        auto* buttons =
            new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
        QPushButton* discard = buttons->addButton(kDiscard.Text(), QDialogButtonBox::ActionRole);
        discard->setObjectName(QStringLiteral("CmdScarta"));
        connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
        connect(list, &QListWidget::itemActivated, &dialog, &QDialog::accept);
        // Discarding takes the chosen point away for good, without closing.
        connect(discard, &QPushButton::clicked, &dialog, [&, list] {
            const int row = list->currentRow();
            if (row < 0 || row >= static_cast<int>(points.size())) return;
            recovery_->Discard(points[static_cast<size_t>(row)]);
            points.erase(points.begin() + row);
            delete list->takeItem(row);
            if (points.empty()) dialog.reject();
        });
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(list);
        layout->addWidget(buttons);
        // Wide enough for its lines and for its whole title.
        const int frame =
            2 * list->frameWidth() + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        list->setMinimumWidth(list->sizeHintForColumn(0) + frame);
        dialog.setMinimumWidth(dialog.fontMetrics().horizontalAdvance(dialog.windowTitle()) +
                               TwipsRect(0, 0, 2400, 0, &dialog).width());
        if (context_.dialogs.Exec(dialog) == QDialog::Accepted) chosen = list->currentRow();
    });
    step([&] { ShowRecoverable(); });
    if (chosen < 0 || chosen >= static_cast<int>(points.size())) return;
    step([&] {
        const RecoveryPoint& point = points[static_cast<size_t>(chosen)];
        ProjectSnapshot snapshot;
        if (Status read = recovery_->Load(point, snapshot); !read) {
            context_.dialogs.Message(UiMessage(read.Error()), MessageIcon::Exclamation,
                                     MessageButtons::Ok);
            return;
        }
        project_->Open(snapshot, "Recupera");
        recovery_->Opened(point);
        ShowRecoverable();
    });
}

}  // namespace volvenza
