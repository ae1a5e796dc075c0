// The sizing window's form: its parts built, laid out and sized.

#include <algorithm>

#include <QApplication>
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
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "analysis/Dimensionamento.h"
#include "analysis/DimensionamentoParts.h"
#include "analysis/SizingJob.h"
#include "documents/Project.h"
#include "messages/WindowWords.h"
#include "platform/BoxHistory.h"
#include "platform/NumberCharacters.h"
#include "platform/ScreenUnits.h"
#include "platform/UiMessage.h"
#include "platform/UiNumber.h"
#include "sizing/AnswerText.h"
#include "sizing/RequirementForm.h"

namespace volvenza {
namespace {

using namespace sizing;
using namespace sizing_window;

// Twips: the window's place in the main window.
constexpr int kLeft = 600, kTop = 600;
constexpr int kPollMs = 50;
// The catalogue rows in view at the window's design size.
constexpr int kCatalogueRowsShown = 10;
QLineEdit* NamedBox(QWidget* parent, const char* name, QLineEdit*& field) {
    field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    return field;
}

QCheckBox* NamedCheck(QWidget* parent, const char* name, const QString& text, QCheckBox*& field) {
    field = new QCheckBox(text, parent);
    field->setObjectName(QString::fromLatin1(name));
    return field;
}

QPushButton* NamedButton(QWidget* parent, const char* name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

// Rows one line of text high.
void CompactRows(QTableWidget& table) {
    table.verticalHeader()->setMinimumSectionSize(1);
    table.verticalHeader()->setDefaultSectionSize(table.fontMetrics().height() + 6);
}

}  // namespace

// The window's parts the constructor lays out and sizes.
struct Dimensionamento::Parts {
    QGroupBox* requirements = nullptr;
    QPushButton* add = nullptr;
    QPushButton* remove = nullptr;
    QPushButton* defaults = nullptr;
    QHBoxLayout* buttons = nullptr;
    QVBoxLayout* left = nullptr;
    QWidget* answer = nullptr;
    QVBoxLayout* right = nullptr;
    QHBoxLayout* top = nullptr;
    QVBoxLayout* bottom = nullptr;
    QSplitter* split = nullptr;
    QVBoxLayout* layout = nullptr;
};

Dimensionamento::Dimensionamento(Project& project, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), project_(project), state_(project.State()), dialogs_(dialogs) {
    setObjectName(QStringLiteral("Dimensionamento"));
    setWindowTitle(tr(kFormTitle));
    Parts parts;
    BuildRequirements(parts);
    BuildActions(parts);
    BuildAnswer(parts);
    BuildExplanations(parts);
    ConnectCommands(parts);
    ConnectInputs();
    FitDesignSize(parts);
    ShareBoxHistory(
        this, [this] { project_.Undo(); }, [this] { project_.Redo(); });
    FollowBusy();
}

// The requirements' form, the catalogue in it.
void Dimensionamento::BuildRequirements(Parts& parts) {
    parts.requirements = new QGroupBox(tr(kFormRequirements), this);
    parts.requirements->setObjectName(QStringLiteral("FrameRequisiti"));
    auto* form = new QFormLayout(parts.requirements);
    // The boxes, and the choices under them, labelled as the sizing library's form.
    auto box = [&](RequirementBox which, const char* name, QLineEdit*& field) {
        form->addRow(tr(BoxForm(which).label), NamedBox(this, name, field));
    };
    auto check = [&](RequirementChoice which, const char* name, QCheckBox*& field) {
        form->addRow(NamedCheck(this, name,
                                tr(kRequirementChoices[static_cast<size_t>(which)].label), field));
        field->setChecked(RequirementChosen(Requirements{}, which));
    };
    box(RequirementBox::MinPressure, "TP1", minPressure_);
    type_ = new QComboBox(this);
    type_->setObjectName(QStringLiteral("CboTipo"));
    for (const AccumulatorTypeNames& names : kAccumulatorTypes) {
        type_->addItem(QCoreApplication::translate(kCatalogueContext, names.words));
    }
    form->addRow(tr(kFormType), type_);

    BuildCatalogue(parts, *form);

    box(RequirementBox::RatedPressure, "TPS", rated_);
    box(RequirementBox::ReliefSetting, "TValvola", relief_);
    box(RequirementBox::Tolerance, "TTolleranza", tolerance_);
    box(RequirementBox::WorkingHours, "TOre", hours_);
    box(RequirementBox::PumpEfficiency, "TRendimento", efficiency_);
    box(RequirementBox::HoursPerYear, "TOreAnno", hoursPerYear_);
    box(RequirementBox::Bottles, "TBombole", bottles_);
    // The requirements' defaults where they have one.
    for (auto [which, field] : {std::pair{RequirementBox::Tolerance, tolerance_},
                                {RequirementBox::WorkingHours, hours_},
                                {RequirementBox::PumpEfficiency, efficiency_},
                                {RequirementBox::HoursPerYear, hoursPerYear_},
                                {RequirementBox::Bottles, bottles_}}) {
        const auto [text, exact] = RequirementShown(Requirements{}, static_cast<size_t>(which));
        ShowValue(field, text, exact);
    }
    check(RequirementChoice::ChoosePrecharge, "ChkPrecarica", choosePrecharge_);
    check(RequirementChoice::SizePump, "ChkPompa", sizePump_);
    check(RequirementChoice::SingleCycle, "ChkCicloSingolo", singleCycle_);
    check(RequirementChoice::Arrangements, "ChkComposizioni", arrangements_);
    arrangements_->setToolTip(
        tr("Senza questa scelta le composizioni si provano solo quando nessuna grandezza basta."));
    singleCycle_->setToolTip(
        tr("Senza questa scelta la macchina lavora ciclo dopo ciclo e il giudizio è a regime."));
    BuildDuties(*form);
    gasLaw_ = new QLabel(this);
    gasLaw_->setObjectName(QStringLiteral("LModelloGas"));
    gasLaw_->setWordWrap(true);
    form->addRow(gasLaw_);
}

// The catalogue: a row per size, every limit editable; an empty cell is no
// limit (the requirements' PS, the law's τ).
void Dimensionamento::BuildCatalogue(Parts& parts, QFormLayout& form) {
    catalogue_ = new QTableWidget(0, kCatalogueCells, this);
    catalogue_->setObjectName(QStringLiteral("TabellaCatalogo"));
    catalogue_->setItemDelegate(new NumberCellDelegate(catalogue_));
    catalogue_->verticalHeader()->hide();
    catalogue_->setSelectionBehavior(QAbstractItemView::SelectRows);
    catalogue_->horizontalHeader()->setStretchLastSection(true);
    auto* catalogueLabel = new QLabel(tr(kFormCatalogue), this);
    catalogueLabel->setBuddy(catalogue_);
    parts.add = NamedButton(this, "CmdAggiungiGrandezza", tr(kFormAdd));
    parts.remove = NamedButton(this, "CmdRimuoviGrandezza", tr(kFormRemove));
    parts.defaults = NamedButton(this, "CmdPredefinito", tr(kFormDefaults));
    auto* catalogueButtons = new QHBoxLayout;
    catalogueButtons->addWidget(parts.add);
    catalogueButtons->addWidget(parts.remove);
    catalogueButtons->addWidget(parts.defaults);
    catalogueButtons->addStretch(1);
    form.addRow(catalogueLabel);
    form.addRow(catalogue_);
    form.addRow(catalogueButtons);
}

// Calcola, Interrompi and the progress under the requirements, Applica.
void Dimensionamento::BuildActions(Parts& parts) {
    calculate_ = NamedButton(this, "CmdCalcola", tr(kFormCompute));
    stop_ = NamedButton(this, "CmdInterrompi", tr(kFormStop));
    apply_ = NamedButton(this, "CmdApplica", tr(kFormApply));
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("BarraAvanzamento"));
    progress_->setRange(0, 100);
    progress_->setValue(0);
    parts.buttons = new QHBoxLayout;
    parts.buttons->addWidget(calculate_);
    parts.buttons->addWidget(stop_);
    parts.buttons->addWidget(progress_, 1);
    // The requirements scroll when the window is short; the buttons under
    // them stay in view whatever its height.
    requirementsArea_ = new QScrollArea(this);
    requirementsArea_->setObjectName(QStringLiteral("AreaRequisiti"));
    requirementsArea_->setFrameShape(QFrame::NoFrame);
    requirementsArea_->setWidgetResizable(true);
    requirementsArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    requirementsArea_->setWidget(parts.requirements);
    parts.left = new QVBoxLayout;
    parts.left->addWidget(requirementsArea_, 1);
    parts.left->addLayout(parts.buttons);
}

void Dimensionamento::BuildAnswer(Parts& parts) {
    staleNote_ = new QLabel(tr(kStaleNote), this);
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
    parts.answer = new QWidget(this);
    parts.answer->setObjectName(QStringLiteral("Risposta"));
    auto* answerLayout = new QVBoxLayout(parts.answer);
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
    answerArea_->setWidget(parts.answer);
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
    parts.right = new QVBoxLayout;
    parts.right->addWidget(answerArea_, 1);
    // Applica says what it put into the project: the data windows that
    // show it may all be closed.
    appliedNote_ = new QLabel(this);
    appliedNote_->setObjectName(QStringLiteral("LApplicata"));
    appliedNote_->setWordWrap(true);
    appliedNote_->hide();
    auto* applyRow = new QHBoxLayout;
    applyRow->addWidget(appliedNote_, 1);
    applyRow->addWidget(apply_, 0, Qt::AlignRight);
    parts.right->addLayout(applyRow);
}

void Dimensionamento::BuildExplanations(Parts& parts) {
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
    parts.top = new QHBoxLayout(topPart);
    parts.top->setContentsMargins(0, 0, 0, 0);
    parts.top->addLayout(parts.left);
    parts.top->addLayout(parts.right, 1);
    auto* bottomPart = new QWidget(this);
    parts.bottom = new QVBoxLayout(bottomPart);
    parts.bottom->setContentsMargins(0, 0, 0, 0);
    parts.bottom->addWidget(explanationHeading_);
    parts.bottom->addWidget(explanation_, 1);
    parts.split = new QSplitter(Qt::Vertical, this);
    parts.split->setObjectName(QStringLiteral("DivisoreSpiegazione"));
    parts.split->setChildrenCollapsible(false);
    parts.split->addWidget(topPart);
    parts.split->addWidget(bottomPart);
    parts.split->setStretchFactor(0, 3);
    parts.split->setStretchFactor(1, 1);
    parts.layout = new QVBoxLayout(this);
    parts.layout->addWidget(parts.split);
}

void Dimensionamento::ConnectCommands(const Parts& parts) {
    poll_ = new QTimer(this);
    poll_->setInterval(kPollMs);
    connect(poll_, &QTimer::timeout, this, &Dimensionamento::Poll);
    connect(calculate_, &QPushButton::clicked, this, &Dimensionamento::Calculate);
    connect(stop_, &QPushButton::clicked, this, &Dimensionamento::Stop);
    connect(apply_, &QPushButton::clicked, this, &Dimensionamento::Apply);
    connect(parts.add, &QPushButton::clicked, this, [this] {
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
    connect(parts.remove, &QPushButton::clicked, this, [this] {
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
    connect(parts.defaults, &QPushButton::clicked, this, [this] {
        ShowCatalogue(DefaultCatalogue(static_cast<AccumulatorType>(type_->currentIndex())));
        DropCatalogueDrafts();
        TakeRequirements("catalogo");
    });
}

void Dimensionamento::ConnectInputs() {
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
}

void Dimensionamento::FitDesignSize(const Parts& parts) {
    ShowCatalogue(asked_.Catalogue);
    // Wide enough for every column and the scroll bar: sizes are compared by row.
    int tableWidth =
        2 * catalogue_->frameWidth() +
        catalogue_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, catalogue_);
    for (int c = 0; c < kCatalogueCells; ++c) tableWidth += catalogue_->columnWidth(c);
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
    requirementsArea_->setMinimumWidth(parts.requirements->sizeHint().width() + scrollBar);
    answerArea_->setMinimumWidth(parts.answer->sizeHint().width() + scrollBar);
    // Designed to show every requirement and seven lines of explanations
    // unscrolled; a smaller client area gets the same window, scrolled.
    const QMargins margins = parts.layout->contentsMargins();
    const int explanations = explanationHeading_->sizeHint().height() +
                             7 * explanation_->fontMetrics().lineSpacing() +
                             2 * explanation_->frameWidth() + parts.bottom->spacing();
    const int requirementsHeight = parts.requirements->sizeHint().height() +
                                   parts.buttons->sizeHint().height() + parts.left->spacing();
    designSize_ =
        QSize(margins.left() + margins.right() + requirementsArea_->minimumWidth() +
                  parts.top->spacing() +
                  std::max(answerArea_->minimumWidth(), parts.right->minimumSize().width()),
              margins.top() + margins.bottom() + parts.split->handleWidth() + explanations +
                  std::max(requirementsHeight, TwipsToPixels(7000, this)));
    parts.split->setSizes({designSize_.height() - explanations, explanations});
    resize(designSize_);
    move(TwipsRect(kLeft, kTop, 0, 0, this).topLeft());
}

}  // namespace volvenza
