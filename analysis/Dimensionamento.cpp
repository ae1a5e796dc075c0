#include "analysis/Dimensionamento.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSplitter>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "analysis/SizingJob.h"
#include "numbers/NumberText.h"
#include "numbers/Rounding.h"
#include "platform/Dialogs.h"
#include "platform/ScreenUnits.h"

namespace volvenza {
namespace {

using namespace sizing;

// Twips: the window's place in the main window.
constexpr int kLeft = 600, kTop = 600;
constexpr int kPollMs = 50;

QString Num(double value, int decimals) {
    return QString::fromStdString(FormatNumber(RoundHalfEven(value, decimals)));
}

QString CatalogueText(const std::vector<double>& sizes) {
    QStringList items;
    for (double v : sizes) items << QString::fromStdString(FormatNumber(v));
    return items.join(QLatin1Char(' '));
}

// The temperature the data's precharge is given at.
double ChargeTemperature(const GasSettings& gas) {
    return gas.Law == GasLawKind::Classic ? 20.0 : gas.ChargeTemp;
}

}  // namespace

Dimensionamento::Dimensionamento(CircuitState& state, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), state_(state), dialogs_(dialogs) {
    setObjectName(QStringLiteral("Dimensionamento"));
    setWindowTitle(tr("Dimensionamento"));

    auto box = [this](const char* name, QLineEdit*& field) {
        field = new QLineEdit(this);
        field->setObjectName(QString::fromLatin1(name));
        return field;
    };
    auto check = [this](const char* name, const QString& text, QCheckBox*& field) {
        field = new QCheckBox(text, this);
        field->setObjectName(QString::fromLatin1(name));
        return field;
    };

    auto* requirements = new QGroupBox(tr("Requisiti"), this);
    requirements->setObjectName(QStringLiteral("FrameRequisiti"));
    auto* form = new QFormLayout(requirements);
    form->addRow(tr("Pressione minima p1 [bar]"), box("TP1", minPressure_));
    type_ = new QComboBox(this);
    type_->setObjectName(QStringLiteral("CboTipo"));
    type_->addItems({tr("a sacca"), tr("a pistone"), tr("a membrana")});
    form->addRow(tr("Tipo di accumulatore"), type_);
    form->addRow(tr("Catalogo [dm3]"), box("TCatalogo", catalogue_));
    catalogue_->setText(CatalogueText(DefaultCatalogue()));
    // The default list in view whole, with room for the frame and the cursor.
    catalogue_->setMinimumWidth(fontMetrics().horizontalAdvance(catalogue_->text()) + 16);
    form->addRow(tr("Pressione nominale PS [bar]"), box("TPS", rated_));
    form->addRow(tr("Taratura della valvola di massima [bar]"), box("TValvola", relief_));
    form->addRow(check("ChkPrecarica", tr("Scegli la &precarica"), choosePrecharge_));
    choosePrecharge_->setChecked(true);
    form->addRow(check("ChkPompa", tr("Dimensiona anche la p&ompa"), sizePump_));
    form->addRow(check("ChkCicli", tr("Cicli &ripetuti"), repeat_));
    gasLaw_ = new QLabel(this);
    gasLaw_->setObjectName(QStringLiteral("LModelloGas"));
    gasLaw_->setWordWrap(true);
    form->addRow(gasLaw_);

    calculate_ = new QPushButton(tr("C&alcola"), this);
    calculate_->setObjectName(QStringLiteral("CmdCalcola"));
    stop_ = new QPushButton(tr("&Interrompi"), this);
    stop_->setObjectName(QStringLiteral("CmdInterrompi"));
    apply_ = new QPushButton(tr("A&pplica"), this);
    apply_->setObjectName(QStringLiteral("CmdApplica"));
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("BarraAvanzamento"));
    progress_->setRange(0, 100);
    progress_->setValue(0);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(calculate_);
    buttons->addWidget(stop_);
    auto* left = new QVBoxLayout;
    left->addWidget(requirements);
    left->addLayout(buttons);
    left->addWidget(progress_);
    left->addStretch(1);

    recommendationText_ = new QLabel(this);
    recommendationText_->setObjectName(QStringLiteral("LRaccomandazione"));
    recommendationText_->setWordWrap(true);
    recommendationText_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    recommendationText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    candidates_ = new QTableWidget(this);
    candidates_->setObjectName(QStringLiteral("TabellaCandidati"));
    candidates_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    candidates_->verticalHeader()->hide();
    auto* right = new QVBoxLayout;
    right->addWidget(recommendationText_);
    right->addWidget(candidates_, 1);
    auto* applyRow = new QHBoxLayout;
    applyRow->addStretch(1);
    applyRow->addWidget(apply_);
    right->addLayout(applyRow);

    explanation_ = new QPlainTextEdit(this);
    explanation_->setObjectName(QStringLiteral("TSpiegazione"));
    explanation_->setReadOnly(true);

    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 3);
    layout->addWidget(new QLabel(tr("Perché le grandezze più piccole non bastano:"), this));
    layout->addWidget(explanation_, 1);

    poll_ = new QTimer(this);
    poll_->setInterval(kPollMs);
    connect(poll_, &QTimer::timeout, this, &Dimensionamento::Poll);
    connect(calculate_, &QPushButton::clicked, this, &Dimensionamento::Calculate);
    connect(stop_, &QPushButton::clicked, this, &Dimensionamento::Stop);
    connect(apply_, &QPushButton::clicked, this, &Dimensionamento::Apply);

    candidates_->setMinimumWidth(TwipsToPixels(5000, this));
    designSize_ = layout->sizeHint().expandedTo(QSize(0, TwipsToPixels(8000, this)));
    resize(designSize_);
    move(TwipsRect(kLeft, kTop, 0, 0, this).topLeft());
    FollowBusy();
}

Dimensionamento::~Dimensionamento() = default;

std::optional<Requirements> Dimensionamento::ReadRequirements(QString* message) const {
    Requirements req;
    auto fail = [message](const QString& text) -> std::optional<Requirements> {
        if (message != nullptr) *message = text;
        return std::nullopt;
    };
    auto number = [](const QLineEdit* field) {
        return ParseNumber<double>(field->text().trimmed().toStdString());
    };
    const auto p1 = number(minPressure_);
    if (!p1) return fail(tr("Scrivere la pressione minima p1 in bar."));
    req.MinPressure = *p1;
    req.Type = static_cast<AccumulatorType>(type_->currentIndex());
    req.Catalogue.clear();
    static const QRegularExpression separators(QStringLiteral("[\\s;]+"));
    for (const QString& item : catalogue_->text().split(separators, Qt::SkipEmptyParts)) {
        const auto size = ParseNumber<double>(item.toStdString());
        if (!size) return fail(tr("Il catalogo contiene \"%1\", che non è un volume.").arg(item));
        req.Catalogue.push_back(*size);
    }
    for (auto [field, target] :
         {std::pair{rated_, &req.RatedPressure}, std::pair{relief_, &req.ReliefSetting}}) {
        if (field->text().trimmed().isEmpty()) continue;
        const auto value = number(field);
        if (!value) {
            return fail(field == rated_ ? tr("La pressione nominale PS non è un numero.")
                                        : tr("La taratura della valvola non è un numero."));
        }
        *target = *value;
    }
    req.ChoosePrecharge = choosePrecharge_->isChecked();
    req.SizePump = sizePump_->isChecked();
    req.RepeatCycles = repeat_->isChecked();
    req.Gas = state_.Gas;
    return req;
}

bool Dimensionamento::Calculate() {
    if (job_) return false;
    QString message;
    const auto req = ReadRequirements(&message);
    CircuitData data = state_.Data;
    state_.Ui().ReadInitialDataBoxes(data);
    std::optional<std::string> refused;
    if (req) {
        CircuitState probe;
        probe.Data = data;
        probe.SimMovementCount = state_.MovementCount;
        probe.TimeStep = state_.TimeStep;
        refused = CheckRequirements(probe, *req);
    }
    if (!req || refused) {
        dialogs_.Message(req ? QString::fromStdString(*refused) : message, MessageIcon::Exclamation,
                         MessageButtons::Ok);
        return false;
    }
    asked_ = *req;
    job_ = std::make_unique<SizingJob>(state_, data, *req);
    progress_->setValue(0);
    poll_->start();
    FollowBusy();
    return true;
}

void Dimensionamento::Stop() {
    if (job_) job_->Stop();
}

void Dimensionamento::Poll() {
    if (!job_) return;
    progress_->setValue(static_cast<int>(job_->Progress() * 100));
    if (!job_->Done()) return;
    poll_->stop();
    const std::unique_ptr<SizingJob> job = std::move(job_);
    FollowBusy();
    if (!job->Error().empty()) {
        dialogs_.Message(QString::fromStdString(job->Error()), MessageIcon::Exclamation,
                         MessageButtons::Ok);
        return;
    }
    if (job->Answer()->Cancelled) {
        progress_->setValue(0);
        return;
    }
    answer_ = job->Answer();
    answered_ = asked_;
    recommendation_.reset();
    if (const Evaluation* rec = answer_->Recommendation()) recommendation_ = rec->Proposed;
    progress_->setValue(100);
    ShowAnswer();
    FollowBusy();
}

void Dimensionamento::FollowBusy() {
    const bool busy = job_ != nullptr;
    calculate_->setEnabled(!busy);
    stop_->setEnabled(busy);
    apply_->setEnabled(!busy && answer_ && answer_->Recommended);
    const GasSettings& gas = state_.Gas;
    const QString law = gas.Law == GasLawKind::Classic ? tr("classica")
                        : gas.Law == GasLawKind::Ideal ? tr("gas ideale")
                                                       : tr("azoto reale");
    gasLaw_->setText(tr("Legge del gas: %1 (da \"Modello del gas...\")").arg(law));
}

void Dimensionamento::ShowAnswer() {
    const SizingAnswer& a = *answer_;
    const double p1 = answered_.MinPressure;
    QString text;
    if (const Evaluation* rec = a.Recommendation()) {
        const Design& d = rec->Proposed;
        text = tr("Raccomandato: %1 dm3, precarica %2 bar a %3 °C, pompa %4 dm3/min.")
                   .arg(Num(d.V0, 3), Num(d.P0, 2), Num(ChargeTemperature(answered_.Gas), 2),
                        Num(d.Qp, 1));
        QStringList rows;
        for (const PrechargeRow& row : a.PrechargeTable) {
            rows << tr("%1 °C: %2 bar").arg(Num(row.ChargeTemp, 0), Num(row.Precharge, 1));
        }
        text += QLatin1Char('\n') + tr("Precarica da impostare caricando a ") +
                rows.join(QStringLiteral("; ")) + QLatin1Char('.');
        const TemperatureOutcome& w = rec->Worst();
        text +=
            QLatin1Char('\n') +
            tr("Pompa nel ciclo peggiore: eroga per il %1 % del tempo; avviamenti per ciclo: %2.")
                .arg(Num(w.PumpShare * 100, 1))
                .arg(w.PumpStarts);
    } else {
        text = QString::fromStdString(a.Reason);
    }
    recommendationText_->setText(text);

    QStringList headers{tr("V0 [dm3]"), tr("P0 [bar]")};
    for (double t : a.Temperatures) {
        headers << tr("Pmin a %1 °C [bar]").arg(Num(t, 1)) << tr("Margine [bar]");
    }
    for (int r = 1; r <= kRuleCount; ++r) headers << tr("Regola %1").arg(r);
    headers << tr("Esito");
    candidates_->clear();
    candidates_->setColumnCount(static_cast<int>(headers.size()));
    candidates_->setHorizontalHeaderLabels(headers);
    candidates_->setRowCount(static_cast<int>(a.Candidates.size()));
    for (int row = 0; row < candidates_->rowCount(); ++row) {
        const Evaluation& e = a.Candidates[static_cast<size_t>(row)];
        QStringList cells{Num(e.Proposed.V0, 3), Num(e.Proposed.P0, 2)};
        for (const TemperatureOutcome& o : e.Temps) {
            cells << Num(o.LowestPressure, 2) << Num(o.LowestPressure - p1, 2);
        }
        for (bool pass : e.Rules) cells << (pass ? tr("sì") : tr("no"));
        cells << (e.Passes() ? tr("supera") : tr("non supera"));
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (a.Recommended && static_cast<size_t>(row) == *a.Recommended) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            candidates_->setItem(row, c, item);
        }
    }
    candidates_->resizeColumnsToContents();

    QStringList lines;
    for (const Explanation& x : a.Explanations) {
        QStringList rules;
        for (int r : x.FailedRules) rules << QString::number(r);
        lines << tr("%1 dm3: non rispetta la regola %2.")
                     .arg(Num(x.V0, 3), rules.join(QStringLiteral(", ")));
        if (x.FailedRules.empty() || x.FailedRules[0] != 1) continue;
        QStringList active;
        for (const ActiveMovement& m : x.Active) {
            active << tr("%1 (%2)").arg(m.Number).arg(
                QString::fromStdString(MovementKindName(m.Kind)));
        }
        lines << tr("   La pressione scende a %1 bar a %2 °C verso %3 s del ciclo %4; movimenti "
                    "attivi: %5.")
                     .arg(Num(x.LowestPressure, 2), Num(x.WorkTemp, 1), Num(x.Time, 2))
                     .arg(x.Cycle)
                     .arg(active.isEmpty() ? tr("nessuno") : active.join(QStringLiteral(", ")));
        lines << (x.AtLeast ? tr("   Mancano almeno %1 dm3 di olio per restare sopra p1.")
                            : tr("   Mancano %1 dm3 di olio per restare sopra p1."))
                     .arg(Num(x.MissingOil, 3));
        QStringList fixes;
        if (x.FixV0) fixes << tr("V0 = %1 dm3").arg(Num(*x.FixV0, 2));
        if (x.FixP0) fixes << tr("P0 = %1 bar").arg(Num(*x.FixP0, 1));
        if (x.FixQp) fixes << tr("Qp = %1 dm3/min").arg(Num(*x.FixQp, 1));
        if (!fixes.isEmpty()) {
            lines << tr("   Basterebbe, cambiando solo una grandezza: %1.")
                         .arg(fixes.join(QStringLiteral("; ")));
        }
    }
    explanation_->setPlainText(lines.join(QLatin1Char('\n')));
}

ProjectSizing Dimensionamento::Sizing() const {
    ProjectSizing sizing;
    sizing.Requirements = ReadRequirements().value_or(asked_);
    sizing.Requirements.Gas = state_.Gas;
    sizing.Recommendation = recommendation_;
    return sizing;
}

void Dimensionamento::ShowSizing(const ProjectSizing& sizing) {
    const Requirements& req = sizing.Requirements;
    auto number = [](const std::optional<double>& value) {
        return value ? QString::fromStdString(FormatNumber(*value)) : QString();
    };
    minPressure_->setText(req.MinPressure > 0 ? number(req.MinPressure) : QString());
    type_->setCurrentIndex(static_cast<int>(req.Type));
    catalogue_->setText(CatalogueText(req.Catalogue));
    rated_->setText(number(req.RatedPressure));
    relief_->setText(number(req.ReliefSetting));
    choosePrecharge_->setChecked(req.ChoosePrecharge);
    sizePump_->setChecked(req.SizePump);
    repeat_->setChecked(req.RepeatCycles);
    asked_ = req;
    recommendation_ = sizing.Recommendation;
    if (recommendation_) {
        recommendationText_->setText(
            tr("Ultima raccomandazione: %1 dm3, precarica %2 bar, pompa %3 dm3/min. \"Calcola\" "
               "la ricalcola.")
                .arg(Num(recommendation_->V0, 3), Num(recommendation_->P0, 2),
                     Num(recommendation_->Qp, 1)));
    }
}

void Dimensionamento::Apply() {
    if (!answer_ || !answer_->Recommended) return;
    const Design& d = answer_->Recommendation()->Proposed;
    CircuitData data = state_.Data;
    state_.Ui().ReadInitialDataBoxes(data);
    data.V0 = static_cast<float>(d.V0);
    data.P0 = static_cast<float>(d.P0);
    data.Qp = static_cast<float>(d.Qp);
    state_.Data = data;
    state_.Ui().WriteInitialDataBoxes(data);
}

}  // namespace volvenza
