#include "analysis/Dimensionamento.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "analysis/SizingJob.h"
#include "documents/Project.h"
#include "numbers/NumberText.h"
#include "numbers/Rounding.h"
#include "platform/BoxHistory.h"
#include "platform/Dialogs.h"
#include "platform/NumberCharacters.h"
#include "platform/ScreenUnits.h"
#include "platform/UiMessage.h"
#include "platform/UiNumber.h"
#include "sizing/AnswerText.h"

namespace volvenza {
namespace {

using namespace sizing;

// Twips: the window's place in the main window.
constexpr int kLeft = 600, kTop = 600;
constexpr int kPollMs = 50;
// The catalogue rows in view at the window's design size.
constexpr int kCatalogueRowsShown = 10;
enum CatalogueColumn { kV0, kRatio, kRated, kFlow, kTau, kSwing, kCycles, kCatalogueColumns };

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QString BottlesText(const std::vector<double>& sizes) {
    QStringList texts;
    for (double size : sizes) texts << UiNumber(size);
    return texts.join(QStringLiteral("; "));
}

// Volumes separated by ";", each more than 0, no more than a project file
// holds; nothing otherwise.
std::optional<std::vector<double>> ParseBottles(const QString& text) {
    std::vector<double> sizes;
    const QStringList items = text.split(QLatin1Char(';'));
    if (items.size() > static_cast<qsizetype>(kMaxCatalogueSizes)) return std::nullopt;
    for (const QString& item : items) {
        const auto size = ParseNumber<double>(item.trimmed().toStdString());
        if (!size || !(*size > 0)) return std::nullopt;
        sizes.push_back(*size);
    }
    return sizes;
}

// A box shows its value in the interface's form, which may round it: while
// its text is the one shown, the value read back is the exact one, so that
// showing the requirements never changes them.
const char* const kShownText = "volvenzaTestoMostrato";
const char* const kShownValue = "volvenzaValoreMostrato";

void ShowValue(QLineEdit* box, const QString& text, const QVariant& exact) {
    box->setText(text);
    box->setProperty(kShownText, text);
    box->setProperty(kShownValue, exact);
}

std::optional<QVariant> Unchanged(const QLineEdit* box) {
    if (box->text() != box->property(kShownText).toString()) return std::nullopt;
    return box->property(kShownValue);
}

std::optional<double> Number(const QLineEdit* box) {
    if (const auto exact = Unchanged(box); exact && exact->isValid()) return exact->toDouble();
    return ParseNumber<double>(box->text().trimmed().toStdString());
}

// What a requirement's box shows for the requirements, and its exact value.
std::pair<QString, QVariant> RequirementShown(const Requirements& req, size_t box) {
    auto number = [](const std::optional<double>& value) {
        return std::pair(value ? UiNumber(*value) : QString(),
                         value ? QVariant(*value) : QVariant());
    };
    switch (static_cast<RequirementBox>(box)) {
        case RequirementBox::MinPressure:
            return number(req.MinPressure > 0 ? std::optional(req.MinPressure) : std::nullopt);
        case RequirementBox::RatedPressure:
            return number(req.RatedPressure);
        case RequirementBox::ReliefSetting:
            return number(req.ReliefSetting);
        case RequirementBox::Tolerance:
            return {UiNumber(req.PrechargeTolerance * 100), req.PrechargeTolerance};
        case RequirementBox::WorkingHours:
            return number(req.WorkingHours);
        case RequirementBox::PumpEfficiency:
            return number(req.PumpEfficiency);
        case RequirementBox::HoursPerYear:
            return number(req.HoursPerYear);
        case RequirementBox::Bottles:
        case RequirementBox::Count:
            break;
    }
    return {BottlesText(req.BottleSizes),
            QVariant::fromValue(QList<double>(req.BottleSizes.begin(), req.BottleSizes.end()))};
}

DraftKey RequirementKey(size_t box) {
    return {DraftKey::Place::Requirements, 0, static_cast<int16_t>(box)};
}

DraftKey CatalogueKey(int row, int column) {
    return {DraftKey::Place::Catalogue, static_cast<int16_t>(row + 1),
            static_cast<int16_t>(column)};
}

// A size's limits in the catalogue's columns; nothing for no limit.
std::array<std::optional<double>, kCatalogueColumns> CellValues(const CatalogueSize& s) {
    return {s.V0,
            std::isinf(s.MaxRatio) ? std::nullopt : std::optional(s.MaxRatio),
            s.RatedPressure,
            s.MaxFlow,
            s.Tau,
            s.RatedSwing,
            s.RatedCycles};
}

// The cell's exact value while it shows the text it was given, else its text read.
std::optional<double> CellNumber(const QTableWidgetItem& item) {
    const bool shown = item.text() == item.data(Qt::UserRole + 1).toString();
    if (shown && item.data(Qt::UserRole).isValid()) return item.data(Qt::UserRole).toDouble();
    return ParseNumber<double>(item.text().trimmed().toStdString());
}

// Red, with the reason, while a box or cell holds a draft.
const char* const kDraftTip = QT_TRANSLATE_NOOP(
    "volvenza::Dimensionamento",
    "Non è un numero valido: ricerca, salvataggio ed esportazioni aspettano che sia corretto "
    "(Ctrl+Z lo annulla)");

// The heading broken at blanks into lines no wider than `width`.
QString WrapHeading(const QString& heading, const QFontMetrics& metrics, int width) {
    QStringList lines;
    for (const QString& word : heading.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!lines.isEmpty() &&
            metrics.horizontalAdvance(lines.back() + QLatin1Char(' ') + word) <= width) {
            lines.back() += QLatin1Char(' ') + word;
        } else {
            lines << word;
        }
    }
    return lines.join(QLatin1Char('\n'));
}

// Columns as narrow as their cells and the longest word of their heading,
// the headings wrapped to them, so that the whole table shows at once; room
// to spare is shared out when asked.
void FitColumns(QTableWidget& table, const QStringList& headings, std::optional<int> boldRow,
                bool share) {
    const QFontMetrics metrics(table.font(), &table);
    QFont bold = table.font();
    bold.setBold(true);
    const QFontMetrics boldMetrics(bold, &table);
    const QHeaderView& header = *table.horizontalHeader();
    // Some styles draw headings bold.
    QFont headerFont = header.font();
    headerFont.setBold(true);
    const QFontMetrics headerMetrics(headerFont, &header);
    const int headerMargin =
        2 * header.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header) + 4;
    const int cellMargin =
        2 * (table.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &table) + 1) + 6;
    std::vector<int> widths;
    for (int c = 0; c < table.columnCount(); ++c) {
        int width = 0;
        for (const QString& word : headings[c].split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            width = std::max(width, headerMetrics.horizontalAdvance(word) + headerMargin);
        }
        for (int r = 0; r < table.rowCount(); ++r) {
            const QFontMetrics& m = boldRow && *boldRow == r ? boldMetrics : metrics;
            if (const QTableWidgetItem* item = table.item(r, c)) {
                width = std::max(width, m.horizontalAdvance(item->text()) + cellMargin);
            }
        }
        widths.push_back(width);
    }
    int used = 0;
    for (int w : widths) used += w;
    // The width inside the frame less a vertical scroll bar, whether or not
    // one shows yet.
    const int spare = table.width() - 2 * table.frameWidth() -
                      table.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &table) -
                      used;
    QStringList wrapped;
    for (int c = 0; c < table.columnCount(); ++c) {
        if (share && spare > 0) widths[c] += spare / table.columnCount();
        table.setColumnWidth(c, widths[c]);
        wrapped << WrapHeading(headings[c], headerMetrics, widths[c] - headerMargin);
    }
    table.setHorizontalHeaderLabels(wrapped);
}

// Rows one line of text high.
void CompactRows(QTableWidget& table) {
    table.verticalHeader()->setMinimumSectionSize(1);
    table.verticalHeader()->setDefaultSectionSize(table.fontMetrics().height() + 6);
}

}  // namespace

Dimensionamento::Dimensionamento(Project& project, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), project_(project), state_(project.State()), dialogs_(dialogs) {
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
    auto button = [this](const char* name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };

    auto* requirements = new QGroupBox(tr("Requisiti"), this);
    requirements->setObjectName(QStringLiteral("FrameRequisiti"));
    auto* form = new QFormLayout(requirements);
    form->addRow(tr("Pressione minima p&1 [bar]"), box("TP1", minPressure_));
    type_ = new QComboBox(this);
    type_->setObjectName(QStringLiteral("CboTipo"));
    for (AccumulatorType t :
         {AccumulatorType::Bladder, AccumulatorType::Piston, AccumulatorType::Diaphragm}) {
        type_->addItem(Text(TypeText(t, UiWording())));
    }
    form->addRow(tr("&Tipo di accumulatore"), type_);

    // The catalogue: a row per size, every limit editable; an empty cell is
    // no limit (the requirements' PS, the law's τ).
    catalogue_ = new QTableWidget(0, kCatalogueColumns, this);
    catalogue_->setObjectName(QStringLiteral("TabellaCatalogo"));
    catalogue_->verticalHeader()->hide();
    catalogue_->setSelectionBehavior(QAbstractItemView::SelectRows);
    catalogue_->horizontalHeader()->setStretchLastSection(true);
    auto* catalogueLabel = new QLabel(tr("Catalogo (cella vuota: nessun limite)"), this);
    catalogueLabel->setBuddy(catalogue_);
    auto* add = button("CmdAggiungiGrandezza", tr("A&ggiungi"));
    auto* remove = button("CmdRimuoviGrandezza", tr("Rimuovi"));
    auto* defaults = button("CmdPredefinito", tr("Predefinito"));
    auto* catalogueButtons = new QHBoxLayout;
    catalogueButtons->addWidget(add);
    catalogueButtons->addWidget(remove);
    catalogueButtons->addWidget(defaults);
    catalogueButtons->addStretch(1);
    form->addRow(catalogueLabel);
    form->addRow(catalogue_);
    form->addRow(catalogueButtons);

    form->addRow(tr("Pressione nominale &PS [bar]"), box("TPS", rated_));
    form->addRow(tr("Taratura della valvola di &massima [bar]"), box("TValvola", relief_));
    form->addRow(tr("Toll&eranza della precarica [%]"), box("TTolleranza", tolerance_));
    const Requirements defaultsOf;
    ShowValue(tolerance_, UiNumber(defaultsOf.PrechargeTolerance * 100),
              defaultsOf.PrechargeTolerance);
    form->addRow(tr("&Ore di lavoro continuo [h]"), box("TOre", hours_));
    ShowValue(hours_, UiNumber(defaultsOf.WorkingHours), defaultsOf.WorkingHours);
    form->addRow(tr("Rendimento della pompa (fra &0 e 1)"), box("TRendimento", efficiency_));
    ShowValue(efficiency_, UiNumber(defaultsOf.PumpEfficiency), defaultsOf.PumpEfficiency);
    form->addRow(tr("Ore di lavoro in un anno [&h]"), box("TOreAnno", hoursPerYear_));
    ShowValue(hoursPerYear_, UiNumber(defaultsOf.HoursPerYear), defaultsOf.HoursPerYear);
    form->addRow(tr("&Bombole per i pistoni [dm3, separate da ;]"), box("TBombole", bottles_));
    ShowValue(bottles_, BottlesText(defaultsOf.BottleSizes),
              QVariant::fromValue(
                  QList<double>(defaultsOf.BottleSizes.begin(), defaultsOf.BottleSizes.end())));
    form->addRow(check("ChkPrecarica", tr("Scegli la p&recarica"), choosePrecharge_));
    choosePrecharge_->setChecked(true);
    form->addRow(check("ChkPompa", tr("&Dimensiona anche la pompa"), sizePump_));
    form->addRow(check("ChkCicloSingolo",
                       tr("Ciclo &singolo (la macchina fa un solo ciclo e si ferma)"),
                       singleCycle_));
    form->addRow(check("ChkComposizioni",
                       tr("Prova anche le composi&zioni: accumulatori in parallelo e bombole"),
                       arrangements_));
    arrangements_->setToolTip(
        tr("Senza questa scelta le composizioni si provano solo quando nessuna grandezza basta."));
    singleCycle_->setToolTip(
        tr("Senza questa scelta la macchina lavora ciclo dopo ciclo e il giudizio è a regime."));
    gasLaw_ = new QLabel(this);
    gasLaw_->setObjectName(QStringLiteral("LModelloGas"));
    gasLaw_->setWordWrap(true);
    form->addRow(gasLaw_);

    calculate_ = button("CmdCalcola", tr("Calco&la"));
    stop_ = button("CmdInterrompi", tr("&Interrompi"));
    apply_ = button("CmdApplica", tr("&Applica"));
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("BarraAvanzamento"));
    progress_->setRange(0, 100);
    progress_->setValue(0);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(calculate_);
    buttons->addWidget(stop_);
    buttons->addWidget(progress_, 1);
    // The requirements scroll when the window is short; the buttons under
    // them stay in view whatever its height.
    requirementsArea_ = new QScrollArea(this);
    requirementsArea_->setObjectName(QStringLiteral("AreaRequisiti"));
    requirementsArea_->setFrameShape(QFrame::NoFrame);
    requirementsArea_->setWidgetResizable(true);
    requirementsArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    requirementsArea_->setWidget(requirements);
    auto* left = new QVBoxLayout;
    left->addWidget(requirementsArea_, 1);
    left->addLayout(buttons);

    staleNote_ = new QLabel(tr("Risultati non aggiornati: i dati sono cambiati"), this);
    staleNote_->setObjectName(QStringLiteral("LNonAggiornati"));
    staleNote_->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold"));
    staleNote_->setWordWrap(true);
    staleNote_->hide();
    recommendationText_ = new QLabel(this);
    recommendationText_->setObjectName(QStringLiteral("LRaccomandazione"));
    recommendationText_->setWordWrap(true);
    recommendationText_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    recommendationText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Charging temperatures across, so the table takes two rows.
    precharge_ = new QTableWidget(this);
    precharge_->setObjectName(QStringLiteral("TabellaPrecarica"));
    precharge_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    precharge_->horizontalHeader()->hide();
    precharge_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    precharge_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    precharge_->hide();
    candidates_ = new QTableWidget(this);
    candidates_->setObjectName(QStringLiteral("TabellaCandidati"));
    candidates_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    candidates_->setSelectionBehavior(QAbstractItemView::SelectRows);
    candidates_->setSelectionMode(QAbstractItemView::SingleSelection);
    candidates_->verticalHeader()->hide();
    candidates_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    legend_ = new QLabel(this);
    legend_->setObjectName(QStringLiteral("LLegenda"));
    legend_->setWordWrap(true);
    legend_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The answer scrolls as the requirements do; "Applica" stays in view.
    auto* answer = new QWidget(this);
    answer->setObjectName(QStringLiteral("Risposta"));
    auto* answerLayout = new QVBoxLayout(answer);
    answerLayout->setContentsMargins(0, 0, 0, 0);
    answerLayout->addWidget(staleNote_);
    answerLayout->addWidget(recommendationText_);
    answerLayout->addWidget(precharge_);
    answerLayout->addWidget(candidates_, 1);
    answerLayout->addWidget(legend_);
    answerArea_ = new QScrollArea(this);
    answerArea_->setObjectName(QStringLiteral("AreaRisposta"));
    answerArea_->setFrameShape(QFrame::NoFrame);
    answerArea_->setWidgetResizable(true);
    answerArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    answerArea_->setWidget(answer);
    // Tab scrolls a box into view, but a mnemonic (Alt+1, Alt+a letter) or a
    // click on a label moves the focus without asking the area: whichever
    // way a box gets the focus, its area shows it.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        for (QScrollArea* area : {requirementsArea_, answerArea_}) {
            if (now != nullptr && area->widget()->isAncestorOf(now)) {
                area->ensureWidgetVisible(now);
            }
        }
    });
    auto* right = new QVBoxLayout;
    right->addWidget(answerArea_, 1);
    auto* applyRow = new QHBoxLayout;
    applyRow->addStretch(1);
    applyRow->addWidget(apply_);
    right->addLayout(applyRow);

    explanation_ = new QPlainTextEdit(this);
    explanation_->setObjectName(QStringLiteral("TSpiegazione"));
    explanation_->setReadOnly(true);
    explanation_->setMinimumHeight(3 * explanation_->fontMetrics().lineSpacing());
    explanationHeading_ = new QLabel(this);
    explanationHeading_->setObjectName(QStringLiteral("LSpiegazione"));
    explanationHeading_->setText(
        Text(LayOutAnswer({}, asked_, state_.Data, UiWording()).ExplanationsHeading));

    // Requirements and answer above, the explanations below, the line
    // between them the person's to move.
    auto* topPart = new QWidget(this);
    auto* top = new QHBoxLayout(topPart);
    top->setContentsMargins(0, 0, 0, 0);
    top->addLayout(left);
    top->addLayout(right, 1);
    auto* bottomPart = new QWidget(this);
    auto* bottom = new QVBoxLayout(bottomPart);
    bottom->setContentsMargins(0, 0, 0, 0);
    bottom->addWidget(explanationHeading_);
    bottom->addWidget(explanation_, 1);
    auto* split = new QSplitter(Qt::Vertical, this);
    split->setObjectName(QStringLiteral("DivisoreSpiegazione"));
    split->setChildrenCollapsible(false);
    split->addWidget(topPart);
    split->addWidget(bottomPart);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(split);

    poll_ = new QTimer(this);
    poll_->setInterval(kPollMs);
    connect(poll_, &QTimer::timeout, this, &Dimensionamento::Poll);
    connect(calculate_, &QPushButton::clicked, this, &Dimensionamento::Calculate);
    connect(stop_, &QPushButton::clicked, this, &Dimensionamento::Stop);
    connect(apply_, &QPushButton::clicked, this, &Dimensionamento::Apply);
    connect(add, &QPushButton::clicked, this, [this] {
        if (catalogue_->rowCount() >= static_cast<int>(kMaxCatalogueSizes)) return;
        const int row = catalogue_->rowCount();
        catalogue_->insertRow(row);
        // A new size keeps the ratio of the one above, as ranges usually do.
        if (row > 0 && catalogue_->item(row - 1, kRatio) != nullptr) {
            catalogue_->setItem(row, kRatio,
                                new QTableWidgetItem(catalogue_->item(row - 1, kRatio)->text()));
        }
        auto* volume = new QTableWidgetItem;
        catalogue_->setItem(row, kV0, volume);
        catalogue_->setCurrentItem(volume);
        catalogue_->editItem(volume);
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        QList<int> rows;
        for (const QModelIndex& index : catalogue_->selectionModel()->selectedRows()) {
            rows << index.row();
        }
        if (rows.isEmpty() && catalogue_->currentRow() >= 0) rows << catalogue_->currentRow();
        std::sort(rows.begin(), rows.end(), std::greater<>());
        for (int row : rows) {
            catalogue_->removeRow(row);
            DropCatalogueDrafts(row);
        }
        TakeRequirements("catalogo");
    });
    connect(defaults, &QPushButton::clicked, this, [this] {
        ShowCatalogue(DefaultCatalogue(static_cast<AccumulatorType>(type_->currentIndex())));
        DropCatalogueDrafts();
        TakeRequirements("catalogo");
    });
    connect(type_, &QComboBox::currentIndexChanged, this, &Dimensionamento::TypeChanged);
    connect(catalogue_, &QTableWidget::itemChanged, this, &Dimensionamento::CatalogueEdited);
    // An answer shown next to other requirements is marked as out of date.
    for (QLineEdit* box : {minPressure_, rated_, relief_, tolerance_, hours_, efficiency_,
                           hoursPerYear_, bottles_}) {
        connect(box, &QLineEdit::textChanged, this, &Dimensionamento::FollowInputs);
    }
    requirementBoxes_ = {minPressure_, rated_,      relief_,       tolerance_,
                         hours_,       efficiency_, hoursPerYear_, bottles_};
    for (QLineEdit* box : requirementBoxes_) {
        box->setValidator(
            new NumberCharacters(box, box == bottles_ ? QStringLiteral(";") : QString()));
    }
    for (size_t i = 0; i < requirementBoxes_.size(); ++i) {
        connect(requirementBoxes_[i], &QLineEdit::textEdited, this,
                [this, i] { RequirementTyped(i); });
    }
    for (QCheckBox* check : {choosePrecharge_, sizePump_, singleCycle_, arrangements_}) {
        connect(check, &QCheckBox::toggled, this, [this] { TakeRequirements("scelte"); });
        connect(check, &QCheckBox::toggled, this, &Dimensionamento::FollowInputs);
    }
    connect(type_, &QComboBox::currentIndexChanged, this, &Dimensionamento::FollowInputs);
    connect(catalogue_, &QTableWidget::itemChanged, this, &Dimensionamento::FollowInputs);

    ShowCatalogue(asked_.Catalogue);
    // Wide enough for every column and the scroll bar: sizes are compared by row.
    int tableWidth =
        2 * catalogue_->frameWidth() +
        catalogue_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, catalogue_);
    for (int c = 0; c < kCatalogueColumns; ++c) tableWidth += catalogue_->columnWidth(c);
    catalogue_->setMinimumWidth(tableWidth);
    for (QTableWidget* table : {catalogue_, precharge_, candidates_}) CompactRows(*table);
    // Ten sizes in view: a range is compared row by row.
    catalogue_->setMinimumHeight(
        2 * catalogue_->frameWidth() + catalogue_->horizontalHeader()->sizeHint().height() +
        kCatalogueRowsShown * catalogue_->verticalHeader()->defaultSectionSize());
    candidates_->setMinimumWidth(TwipsToPixels(7500, this));
    candidates_->setMinimumHeight(6 * candidates_->verticalHeader()->defaultSectionSize());
    // The areas scroll rather than cut: never wider than their content, as
    // tall as the window lets them be.
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    requirementsArea_->setMinimumWidth(requirements->sizeHint().width() + scrollBar);
    answerArea_->setMinimumWidth(answer->sizeHint().width() + scrollBar);
    // Designed to show every requirement and seven lines of explanations
    // unscrolled; a smaller client area gets the same window, scrolled.
    const QMargins margins = layout->contentsMargins();
    const int explanations = explanationHeading_->sizeHint().height() +
                             7 * explanation_->fontMetrics().lineSpacing() +
                             2 * explanation_->frameWidth() + bottom->spacing();
    const int requirementsHeight =
        requirements->sizeHint().height() + buttons->sizeHint().height() + left->spacing();
    designSize_ = QSize(margins.left() + margins.right() + requirementsArea_->minimumWidth() +
                            top->spacing() +
                            std::max(answerArea_->minimumWidth(), right->minimumSize().width()),
                        margins.top() + margins.bottom() + split->handleWidth() + explanations +
                            std::max(requirementsHeight, TwipsToPixels(7000, this)));
    split->setSizes({designSize_.height() - explanations, explanations});
    resize(designSize_);
    move(TwipsRect(kLeft, kTop, 0, 0, this).topLeft());
    ShareBoxHistory(
        this, [this] { project_.Undo(); }, [this] { project_.Redo(); });
    FollowBusy();
}

Dimensionamento::~Dimensionamento() = default;

void Dimensionamento::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FitAnswer();
}

void Dimensionamento::FitAnswer() {
    // Wrapped labels as tall as their text at the width they are given:
    // layouts do not ask them.
    for (QLabel* label : {recommendationText_, legend_}) {
        label->setFixedHeight(label->text().isEmpty() ? 0 : label->heightForWidth(label->width()));
    }
    // Placed at once, so the columns fit the table's new width.
    if (layout() != nullptr) layout()->activate();
    if (layout_) FitCandidateColumns();
}

void Dimensionamento::FitCandidateColumns() {
    const AnswerTable& t = layout_->Candidates;
    QStringList headings;
    for (const std::string& h : t.Headings) headings << Text(h);
    std::optional<int> recommended;
    if (t.Highlighted) recommended = static_cast<int>(*t.Highlighted);
    FitColumns(*candidates_, headings, recommended, true);
}

void Dimensionamento::ShowCatalogue(const std::vector<CatalogueSize>& sizes) {
    // Headed as the laid-out answer heads a catalogue with a fatigue rating:
    // every column is there to be filled.
    Requirements rated;
    rated.Catalogue.resize(1);
    rated.Catalogue[0].RatedSwing = 1;
    const AnswerLayout empty = LayOutAnswer({}, rated, state_.Data, UiWording());
    QStringList headings;
    for (const std::string& h : empty.Catalogue.Headings) headings << Text(h);
    const bool showing = std::exchange(showing_, true);
    catalogue_->setRowCount(static_cast<int>(sizes.size()));
    for (int r = 0; r < catalogue_->rowCount(); ++r) {
        const auto values = CellValues(sizes[static_cast<size_t>(r)]);
        for (int c = 0; c < kCatalogueColumns; ++c) {
            auto* item = new QTableWidgetItem(values[c] ? UiNumber(*values[c]) : QString());
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            // The exact value while the cell shows what it was given.
            if (values[c]) item->setData(Qt::UserRole, QVariant::fromValue(*values[c]));
            item->setData(Qt::UserRole + 1, item->text());
            catalogue_->setItem(r, c, item);
        }
    }
    showing_ = showing;
    catalogueHeadings_ = headings;
    FitCatalogueColumns();
}

void Dimensionamento::FitCatalogueColumns() {
    FitColumns(*catalogue_, catalogueHeadings_, std::nullopt, false);
    // Room for a typed value in every column.
    const int room = catalogue_->fontMetrics().horizontalAdvance(QStringLiteral("0000,000"));
    for (int c = 0; c < kCatalogueColumns; ++c) {
        catalogue_->setColumnWidth(c, std::max(catalogue_->columnWidth(c), room));
    }
}

std::optional<std::vector<CatalogueSize>> Dimensionamento::ReadCatalogue(QString* message,
                                                                         bool lenient) const {
    const std::vector<CatalogueSize>& kept = project_.Sizing().Requirements.Catalogue;
    std::vector<CatalogueSize> sizes;
    for (int r = 0; r < catalogue_->rowCount(); ++r) {
        std::array<std::optional<double>, kCatalogueColumns> cells;
        bool any = false;
        for (int c = 0; c < kCatalogueColumns; ++c) {
            const QTableWidgetItem* item = catalogue_->item(r, c);
            const QString text = item != nullptr ? item->text().trimmed() : QString();
            if (text.isEmpty()) continue;
            any = true;
            cells[c] = CellNumber(*item);
            // A text that is no number is the cell's draft, which stops a search.
            if (!cells[c] && !lenient) return std::nullopt;
            if (!cells[c] && static_cast<size_t>(r) < kept.size()) {
                cells[c] = CellValues(kept[static_cast<size_t>(r)])[c];
            }
        }
        if (!any) continue;  // a row added and left empty
        if (!cells[kV0]) {
            if (message != nullptr) {
                *message = tr("Il catalogo non dà V0 alla riga %1.").arg(r + 1);
            }
            return std::nullopt;
        }
        CatalogueSize s;
        s.V0 = *cells[kV0];
        s.MaxRatio = cells[kRatio].value_or(std::numeric_limits<double>::infinity());
        s.RatedPressure = cells[kRated];
        s.MaxFlow = cells[kFlow];
        s.Tau = cells[kTau];
        s.RatedSwing = cells[kSwing];
        s.RatedCycles = cells[kCycles];
        sizes.push_back(s);
    }
    return sizes;
}

void Dimensionamento::TypeChanged(int index) {
    // A catalogue still holding the defaults of the type left behind becomes
    // the new type's defaults; one the user has edited stays.
    const auto sizes = ReadCatalogue(nullptr);
    if (sizes && *sizes == DefaultCatalogue(static_cast<AccumulatorType>(shownType_))) {
        ShowCatalogue(DefaultCatalogue(static_cast<AccumulatorType>(index)));
    }
    shownType_ = index;
    TakeRequirements("tipo");
}

std::optional<Requirements> Dimensionamento::ReadRequirements(QString* message) const {
    Requirements req;
    auto fail = [message](const QString& text) -> std::optional<Requirements> {
        if (message != nullptr) *message = text;
        return std::nullopt;
    };
    auto number = [](const QLineEdit* field) { return Number(field); };
    const auto p1 = number(minPressure_);
    if (!p1) return fail(tr("Scrivere la pressione minima p1 in bar."));
    req.MinPressure = *p1;
    req.Type = static_cast<AccumulatorType>(type_->currentIndex());
    QString wrong;
    auto sizes = ReadCatalogue(&wrong);
    if (!sizes) return fail(wrong);
    req.Catalogue = std::move(*sizes);
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
    // Shown in per cent, kept as a share.
    const auto shownTolerance = Unchanged(tolerance_);
    const auto tolerance = ParseNumber<double>(tolerance_->text().trimmed().toStdString());
    if (!tolerance) return fail(tr("Scrivere la tolleranza della precarica in %."));
    req.PrechargeTolerance = shownTolerance ? shownTolerance->toDouble() : *tolerance / 100;
    const auto hours = number(hours_);
    if (!hours) return fail(tr("Scrivere le ore di lavoro continuo."));
    req.WorkingHours = *hours;
    if (!ReadEnergyInputs(req, message)) return std::nullopt;
    const auto bottles = ReadBottles();
    if (!bottles) {
        return fail(tr("Scrivere fino a %1 bombole in dm3, ciascuna più di 0, separate da \";\".")
                        .arg(kMaxCatalogueSizes));
    }
    req.BottleSizes = *bottles;
    req.Arrangements = arrangements_->isChecked();
    req.ChoosePrecharge = choosePrecharge_->isChecked();
    req.SizePump = sizePump_->isChecked();
    req.SingleCycle = singleCycle_->isChecked();
    req.Gas = state_.Gas;
    return req;
}

std::optional<std::vector<double>> Dimensionamento::ReadBottles() const {
    if (const auto exact = Unchanged(bottles_)) {
        const auto sizes = exact->value<QList<double>>();
        return std::vector<double>(sizes.begin(), sizes.end());
    }
    return ParseBottles(bottles_->text());
}

bool Dimensionamento::ReadEnergyInputs(Requirements& req, QString* message) const {
    const auto efficiency = Number(efficiency_);
    const auto hours = Number(hoursPerYear_);
    if (!efficiency || !hours) {
        if (message != nullptr) {
            *message = !efficiency ? tr("Scrivere il rendimento della pompa.")
                                   : tr("Scrivere le ore di lavoro in un anno.");
        }
        return false;
    }
    req.PumpEfficiency = *efficiency;
    req.HoursPerYear = *hours;
    return true;
}

bool Dimensionamento::Calculate() {
    if (job_) return false;
    // The search reads the project alone: a box's text that is no number
    // stops it, wherever it is.
    if (const auto draft = project_.FirstDraft()) {
        dialogs_.Message(UiMessage(DraftMessage(draft->first, draft->second, DraftStops::Sizing)),
                         MessageIcon::Exclamation, MessageButtons::Ok);
        if (showDraft_) showDraft_(draft->first);
        return false;
    }
    QString message;
    const auto req = ReadRequirements(&message);
    const CircuitData data = state_.Data;
    Status checked = Done{};
    if (req) {
        CircuitState probe;
        probe.Data = data;
        probe.SimMovementCount = state_.MovementCount;
        probe.TimeStep = state_.TimeStep;
        checked = CheckRequirements(probe, *req);
    }
    if (!req || !checked) {
        dialogs_.Message(req ? UiMessage(checked.Error()) : message, MessageIcon::Exclamation,
                         MessageButtons::Ok);
        return false;
    }
    asked_ = *req;
    askedInputs_ = InputsNow();
    job_ = std::make_unique<SizingJob>(state_, data, *req);
    askedData_ = data;
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
    progress_->setValue(static_cast<int>(std::lround(job_->Progress() * 100)));
    if (!job_->Done()) return;
    poll_->stop();
    const std::unique_ptr<SizingJob> job = std::move(job_);
    FollowBusy();
    if (job->Error()) {
        dialogs_.Message(UiMessage(*job->Error()), MessageIcon::Exclamation, MessageButtons::Ok);
        return;
    }
    // Stopped, even when the search ended before it heard: the user asked
    // for no answer. Half an answer would read as a whole one.
    if (job->Answer()->Cancelled || job->StopAsked()) {
        ClearAnswer();
        recommendationText_->setText(tr("Ricerca interrotta"));
        FitAnswer();
        FollowBusy();
        return;
    }
    if (InputsNow() != askedInputs_) {
        // Found for data that are no longer there: it would mislead.
        ClearAnswer();
        recommendationText_->setText(
            tr("Ricerca scartata: i dati sono cambiati durante la ricerca. \"Calcola\" la "
               "ripete."));
        FitAnswer();
        FollowBusy();
        return;
    }
    answer_ = job->Answer();
    answered_ = asked_;
    answeredData_ = askedData_;
    answeredInputs_ = askedInputs_;
    appliedInputs_.reset();
    stale_ = false;
    staleNote_->hide();
    recommendation_.reset();
    if (const Evaluation* rec = answer_->Recommendation()) recommendation_ = rec->Proposed;
    progress_->setValue(100);
    ShowAnswer();
    FollowBusy();
}

void Dimensionamento::ClearAnswer() {
    stale_ = false;
    staleNote_->hide();
    answer_.reset();
    layout_.reset();
    recommendation_.reset();
    progress_->setValue(0);
    recommendationText_->clear();
    precharge_->clear();
    precharge_->hide();
    candidates_->clear();
    candidates_->setRowCount(0);
    candidates_->setColumnCount(0);
    legend_->clear();
    explanation_->clear();
    FitAnswer();
    // No answer, nothing to apply.
    FollowBusy();
}

void Dimensionamento::FollowBusy() {
    const bool busy = job_ != nullptr;
    calculate_->setEnabled(!busy);
    stop_->setEnabled(busy);
    apply_->setEnabled(!busy && !stale_ && answer_ && answer_->Recommended);
    const GasSettings& gas = state_.Gas;
    // The classic law sizes nothing: the search runs real nitrogen instead.
    const QString law = gas.Law == GasLawKind::Classic
                            ? tr("azoto reale, al posto della legge classica che non dimensiona")
                        : gas.Law == GasLawKind::Ideal ? tr("gas ideale")
                                                       : tr("azoto reale");
    // The search chooses the vessels itself, but every run takes the pump's
    // volumetric efficiency from the project.
    QString pump;
    if (gas.Vessels.VolumetricEfficiency != 1) {
        pump = tr("; rendimento volumetrico della pompa %1")
                   .arg(UiNumber(gas.Vessels.VolumetricEfficiency));
    }
    gasLaw_->setText(tr("Legge del gas: %1%2 (da \"Modello del gas...\")").arg(law, pump));
}

void Dimensionamento::ShowAnswer() {
    layout_ = LayOutAnswer(*answer_, answered_, answeredData_, UiWording());
    const AnswerLayout& layout = *layout_;
    QStringList sentences;
    for (const std::string& s : layout.Recommendation) sentences << Text(s);
    recommendationText_->setText(sentences.join(QLatin1Char('\n')));

    const AnswerTable& p = layout.Precharge;
    precharge_->clear();
    precharge_->setVisible(!p.Rows.empty());
    if (!p.Rows.empty()) {
        precharge_->setRowCount(static_cast<int>(p.Headings.size()));
        precharge_->setColumnCount(static_cast<int>(p.Rows.size()));
        QStringList headings;
        for (const std::string& h : p.Headings) headings << Text(h);
        precharge_->setVerticalHeaderLabels(headings);
        for (int c = 0; c < precharge_->columnCount(); ++c) {
            for (int r = 0; r < precharge_->rowCount(); ++r) {
                auto* item = new QTableWidgetItem(Text(p.Rows[c][r]));
                item->setTextAlignment(Qt::AlignCenter);
                precharge_->setItem(r, c, item);
            }
        }
        precharge_->resizeColumnsToContents();
        precharge_->resizeRowsToContents();
        precharge_->setFixedHeight(2 * precharge_->frameWidth() + precharge_->rowHeight(0) +
                                   precharge_->rowHeight(1));
    }

    ShowCandidates(layout);
    QStringList legend;
    for (const std::string& line : layout.Legend) legend << Text(line);
    legend_->setText(legend.join(QLatin1Char('\n')));

    explanationHeading_->setText(Text(layout.ExplanationsHeading));
    QStringList lines;
    for (const std::string& line : layout.Explanations) lines << Text(line);
    explanation_->setPlainText(lines.join(QLatin1Char('\n')));
    FitAnswer();
    // Once the table has its height.
    if (layout_->Candidates.Highlighted) {
        candidates_->scrollToItem(
            candidates_->item(static_cast<int>(*layout_->Candidates.Highlighted), 0),
            QAbstractItemView::PositionAtCenter);
    }
}

void Dimensionamento::ShowCandidates(const AnswerLayout& layout) {
    const AnswerTable& t = layout.Candidates;
    candidates_->clear();
    candidates_->setColumnCount(static_cast<int>(t.Headings.size()));
    candidates_->setRowCount(static_cast<int>(t.Rows.size()));
    std::optional<int> recommended;
    if (t.Highlighted) recommended = static_cast<int>(*t.Highlighted);
    for (int r = 0; r < candidates_->rowCount(); ++r) {
        const std::vector<std::string>& row = t.Rows[static_cast<size_t>(r)];
        for (int c = 0; c < candidates_->columnCount() && c < static_cast<int>(row.size()); ++c) {
            auto* item = new QTableWidgetItem(Text(row[static_cast<size_t>(c)]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (recommended && *recommended == r) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            candidates_->setItem(r, c, item);
        }
    }
    FitCandidateColumns();
    candidates_->clearSelection();
    if (recommended) candidates_->selectRow(*recommended);
}

ProjectSizing Dimensionamento::Sizing() const {
    return {RequirementsShown(), recommendation_};
}

Requirements Dimensionamento::RequirementsShown() const {
    Requirements req = project_.Sizing().Requirements;
    const auto given = [](const QLineEdit* box) { return !box->text().trimmed().isEmpty(); };
    // p1 not given is 0, as a new project has it; PS and the relief setting are optional.
    if (!given(minPressure_)) req.MinPressure = 0;
    if (const auto p1 = Number(minPressure_)) req.MinPressure = *p1;
    req.Type = static_cast<AccumulatorType>(type_->currentIndex());
    if (auto sizes = ReadCatalogue(nullptr, true)) req.Catalogue = std::move(*sizes);
    for (auto [box, target] :
         {std::pair{rated_, &req.RatedPressure}, std::pair{relief_, &req.ReliefSetting}}) {
        if (!given(box)) target->reset();
        if (const auto value = Number(box)) *target = *value;
    }
    // Shown in per cent, kept as a share.
    if (const auto exact = Unchanged(tolerance_)) {
        req.PrechargeTolerance = exact->toDouble();
    } else if (const auto tolerance = Number(tolerance_)) {
        req.PrechargeTolerance = *tolerance / 100;
    }
    for (auto [box, target] :
         {std::pair{hours_, &req.WorkingHours}, std::pair{efficiency_, &req.PumpEfficiency},
          std::pair{hoursPerYear_, &req.HoursPerYear}}) {
        if (const auto value = Number(box)) *target = *value;
    }
    if (auto bottles = ReadBottles()) req.BottleSizes = std::move(*bottles);
    req.Arrangements = arrangements_->isChecked();
    req.ChoosePrecharge = choosePrecharge_->isChecked();
    req.SizePump = sizePump_->isChecked();
    req.SingleCycle = singleCycle_->isChecked();
    req.Gas = state_.Gas;
    return req;
}

void Dimensionamento::TakeRequirements(const std::string& label) {
    if (showing_) return;
    project_.SetRequirements(RequirementsShown(), label);
}

void Dimensionamento::ShowSizing(const ProjectSizing& sizing) {
    const bool showing = std::exchange(showing_, true);
    // An answer belongs to the project it was found in.
    ClearAnswer();
    const Requirements& req = sizing.Requirements;
    auto show = [&](QLineEdit* box) {
        const size_t at =
            static_cast<size_t>(std::find(requirementBoxes_.begin(), requirementBoxes_.end(), box) -
                                requirementBoxes_.begin());
        const auto [text, exact] = RequirementShown(req, at);
        ShowValue(box, text, exact);
    };
    show(minPressure_);
    {
        // The project's catalogue is shown as it was kept, whatever its type.
        const QSignalBlocker quiet(type_);
        type_->setCurrentIndex(static_cast<int>(req.Type));
    }
    shownType_ = static_cast<int>(req.Type);
    ShowCatalogue(req.Catalogue);
    ShowCatalogueDrafts(req.Catalogue);
    for (QLineEdit* box : {rated_, relief_, tolerance_, hours_, efficiency_, hoursPerYear_}) {
        show(box);
    }
    choosePrecharge_->setChecked(req.ChoosePrecharge);
    sizePump_->setChecked(req.SizePump);
    singleCycle_->setChecked(req.SingleCycle);
    show(bottles_);
    arrangements_->setChecked(req.Arrangements);
    ShowRequirementDrafts(req);
    showing_ = showing;
    asked_ = req;
    appliedInputs_.reset();
    recommendation_ = sizing.Recommendation;
    if (recommendation_) {
        const Design& d = *recommendation_;
        // "4 × 4" in parallel, "6 + 1 × 10" with bottles, as the candidates' table.
        QString volume = UiNumber(RoundHalfEven(d.V0, 3));
        if (d.Count > 1) volume = QString::number(d.Count) + QStringLiteral(" × ") + volume;
        if (d.Bottles > 0) {
            volume += QStringLiteral(" + %1 × %2")
                          .arg(d.Bottles)
                          .arg(UiNumber(RoundHalfEven(d.BottleSize, 3)));
        }
        recommendationText_->setText(
            tr("Ultima raccomandazione: %1 dm3, precarica %2 bar, pompa %3 dm3/min. \"Calcola\" "
               "la ricalcola.")
                .arg(volume, UiNumber(RoundHalfEven(d.P0, 2)), UiNumber(RoundHalfEven(d.Qp, 1))));
        FitAnswer();
    }
}

uint64_t Dimensionamento::InputsNow() const {
    ProjectSnapshot now;
    now.data = state_.Data;
    now.movements.assign(state_.Movements.begin() + 1,
                         state_.Movements.begin() + 1 + std::max<int>(state_.MovementCount, 0));
    now.gas = state_.Gas;
    return InputsFingerprint(now);
}

void Dimensionamento::RequirementTyped(size_t box) {
    const QString text = requirementBoxes_[box]->text().trimmed();
    const bool bottles = requirementBoxes_[box] == bottles_;
    // An empty box is a requirement not given: the search asks for it.
    const bool draft = !text.isEmpty() &&
                       (bottles ? !ParseBottles(text) : !ParseNumber<double>(text.toStdString()));
    project_.SetDraft(
        RequirementKey(box),
        draft ? std::optional(requirementBoxes_[box]->text().toStdString()) : std::nullopt);
    MarkRequirement(box, draft);
    TakeRequirements("requisiti " + requirementBoxes_[box]->objectName().toStdString());
}

void Dimensionamento::CatalogueEdited(QTableWidgetItem* item) {
    if (showing_) return;
    const bool draft = !item->text().trimmed().isEmpty() && !CellNumber(*item);
    project_.SetDraft(CatalogueKey(item->row(), item->column()),
                      draft ? std::optional(item->text().toStdString()) : std::nullopt);
    {
        const QSignalBlocker quiet(catalogue_);
        item->setForeground(draft ? QBrush(Qt::red) : QBrush());
        item->setToolTip(draft ? tr(kDraftTip) : QString());
    }
    TakeRequirements("catalogo");
}

void Dimensionamento::ShowCatalogueDrafts(const std::vector<CatalogueSize>& sizes) {
    const bool showing = std::exchange(showing_, true);
    int rows = static_cast<int>(sizes.size());
    for (const auto& [key, text] : project_.AllDrafts()) {
        if (key.place == DraftKey::Place::Catalogue) rows = std::max<int>(rows, key.movement);
    }
    // Rows added and not yet whole stay: they are no size of the project's yet.
    rows = std::min(rows, static_cast<int>(kMaxCatalogueSizes));
    if (rows > catalogue_->rowCount()) catalogue_->setRowCount(rows);
    for (int r = 0; r < catalogue_->rowCount(); ++r) {
        for (int c = 0; c < kCatalogueColumns; ++c) {
            QTableWidgetItem* item = catalogue_->item(r, c);
            const auto draft = project_.Draft(CatalogueKey(r, c));
            const bool shownDraft = item != nullptr && item->foreground().color() == Qt::red;
            if (!draft && !shownDraft) continue;
            if (item == nullptr) {
                item = new QTableWidgetItem;
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                catalogue_->setItem(r, c, item);
            }
            std::optional<double> value;
            if (static_cast<size_t>(r) < sizes.size()) {
                value = CellValues(sizes[static_cast<size_t>(r)])[static_cast<size_t>(c)];
            }
            const QString text = draft   ? QString::fromStdString(*draft)
                                 : value ? UiNumber(*value)
                                         : QString();
            item->setText(text);
            item->setData(Qt::UserRole, value ? QVariant(*value) : QVariant());
            item->setData(Qt::UserRole + 1, draft ? QString() : text);
            item->setForeground(draft ? QBrush(Qt::red) : QBrush());
            item->setToolTip(draft ? tr(kDraftTip) : QString());
        }
    }
    showing_ = showing;
}

void Dimensionamento::DropCatalogueDrafts(std::optional<int> row) {
    // A row removed takes its drafts away, and those below move up with their rows.
    const Drafts drafts = project_.AllDrafts();
    Drafts moved;
    for (const auto& [key, text] : drafts) {
        if (key.place != DraftKey::Place::Catalogue) continue;
        project_.SetDraft(key, std::nullopt);
        if (row && key.movement - 1 != *row) {
            DraftKey at = key;
            if (key.movement - 1 > *row) --at.movement;
            moved[at] = text;
        }
    }
    for (const auto& [key, text] : moved) project_.SetDraft(key, text);
}

void Dimensionamento::MarkRequirement(size_t box, bool draft) {
    QPalette palette;
    if (draft) palette.setColor(QPalette::Text, Qt::red);
    requirementBoxes_[box]->setPalette(palette);
    requirementBoxes_[box]->setToolTip(draft ? tr(kDraftTip) : QString());
}

void Dimensionamento::ShowRequirementDrafts(const Requirements& req) {
    for (size_t i = 0; i < requirementBoxes_.size(); ++i) {
        QLineEdit* box = requirementBoxes_[i];
        const std::optional<std::string> draft = project_.Draft(RequirementKey(i));
        const bool shownDraft = box->palette().color(QPalette::Text) == QColor(Qt::red);
        MarkRequirement(i, draft.has_value());
        if (draft && box->text().toStdString() != *draft) {
            box->setText(QString::fromStdString(*draft));
        } else if (!draft && shownDraft) {
            const auto [text, exact] = RequirementShown(req, i);
            ShowValue(box, text, exact);
        }
    }
}

bool Dimensionamento::FocusDraft(const DraftKey& key) {
    if (key.place == DraftKey::Place::Catalogue) {
        QTableWidgetItem* item = catalogue_->item(key.movement - 1, key.field);
        if (item == nullptr) return false;
        catalogue_->setFocus(Qt::OtherFocusReason);
        catalogue_->setCurrentItem(item);
        return true;
    }
    if (key.place != DraftKey::Place::Requirements || key.field < 0 ||
        key.field >= static_cast<int>(requirementBoxes_.size())) {
        return false;
    }
    QLineEdit* box = requirementBoxes_[static_cast<size_t>(key.field)];
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
    return true;
}

void Dimensionamento::FollowProject() {
    ShowRequirementDrafts(project_.Sizing().Requirements);
    ShowCatalogueDrafts(project_.Sizing().Requirements.Catalogue);
    FollowInputs();
}

void Dimensionamento::FollowInputs() {
    if (!answer_) return FollowBusy();  // the gas model's line
    auto req = ReadRequirements();
    const uint64_t inputs = InputsNow();
    // The gas settings are judged with the inputs: the vessels of an applied
    // design in parallel are that design's, not another requirement.
    if (req) req->Gas = answered_.Gas;
    stale_ =
        (inputs != answeredInputs_ && inputs != appliedInputs_) || !req || !(*req == answered_);
    staleNote_->setVisible(stale_);
    FollowBusy();
}

void Dimensionamento::Apply() {
    if (!answer_ || !answer_->Recommended || stale_) return;
    // The requirements and the answer go into the project before the design
    // does, so that Annulla takes the applied design back alone.
    const ProjectSizing sizing = Sizing();
    project_.SetRecommendation(sizing.Recommendation);
    project_.SetRequirements(sizing.Requirements);
    project_.ApplyDesign(answer_->Recommendation()->Proposed, answered_.MinPressure);
    // The answer belongs to the data it leaves as much as to those it was
    // found for.
    appliedInputs_ = InputsNow();
    FollowInputs();
}

}  // namespace volvenza
