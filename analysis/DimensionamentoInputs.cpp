// The sizing window's requirements and catalogue: what the boxes and cells
// show and what they give.

#include <algorithm>
#include <cmath>
#include <cstring>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTableWidget>

#include "analysis/Dimensionamento.h"
#include "analysis/DimensionamentoParts.h"
#include "analysis/SizingJob.h"
#include "documents/Project.h"
#include "numbers/NumberText.h"
#include "numbers/Rounding.h"
#include "platform/UiMessage.h"
#include "platform/UiNumber.h"
#include "sizing/AnswerText.h"
#include "sizing/RequirementForm.h"

namespace volvenza {
namespace sizing_window {

QString BottlesText(const std::vector<double>& sizes) {
    return QString::fromStdString(sizing::BottleSizesText(sizes, UiDecimalSeparator()));
}

constexpr char kShownText[] = "volvenzaTestoMostrato";
constexpr char kShownValue[] = "volvenzaValoreMostrato";

void ShowValue(QLineEdit* box, const QString& text, const QVariant& exact) {
    box->setText(text);
    box->setProperty(kShownText, text);
    box->setProperty(kShownValue, exact);
}

std::optional<QVariant> Unchanged(const QLineEdit* box) {
    if (box->text() != box->property(kShownText).toString()) return std::nullopt;
    return box->property(kShownValue);
}

using namespace sizing;

// What a requirement's box shows for the requirements, and its exact value.
std::pair<QString, QVariant> RequirementShown(const Requirements& req, size_t box) {
    const auto which = static_cast<RequirementBox>(box);
    const std::vector<double> figures = RequirementFigures(req, which);
    if (which == RequirementBox::Bottles) {
        return {BottlesText(figures),
                QVariant::fromValue(QList<double>(figures.begin(), figures.end()))};
    }
    if (figures.empty()) return {QString(), QVariant()};
    // The tolerance shown in per cent, kept as a share.
    return {UiNumber(figures[0] * BoxForm(which).shownPerUnit), figures[0]};
}

DraftKey RequirementKey(size_t box) {
    return {DraftKey::Place::Requirements, 0, static_cast<int16_t>(box)};
}

DraftKey HoldKey(size_t box) {
    return RequirementKey(kRequirementBoxes.size() + box);
}

DraftKey CatalogueKey(int row, int column) {
    return {DraftKey::Place::Catalogue, static_cast<int16_t>(row + 1),
            static_cast<int16_t>(column)};
}

// A size's limits in the catalogue's columns; nothing for no limit.
std::array<std::optional<double>, kCatalogueCells> CellValues(const CatalogueSize& s) {
    std::array<std::optional<double>, kCatalogueCells> values;
    for (int c = 0; c < kCatalogueCells; ++c) values[c] = kCatalogueColumns[c].figure(s);
    return values;
}

// The cell's exact value while it shows the text it was given, else its text read.
std::optional<double> CellNumber(const QTableWidgetItem& item) {
    const bool shown = item.text() == item.data(Qt::UserRole + 1).toString();
    if (shown && item.data(Qt::UserRole).isValid()) return item.data(Qt::UserRole).toDouble();
    return ParseNumber<double>(item.text().trimmed().toStdString());
}

}  // namespace sizing_window

using namespace sizing;
using namespace sizing_window;

namespace {

// A requirement box's figure: its exact value while it shows it unchanged,
// else its text read by the form's rules (which may stay empty, the per cent).
Result<std::optional<double>> BoxFigure(const QLineEdit* field, RequirementBox box) {
    if (const auto exact = Unchanged(field); exact && exact->isValid()) {
        return std::optional(exact->toDouble());
    }
    return ReadRequirementText(box, field->text().toStdString());
}

// A figure written out in full, as the form's reading takes it back exactly.
std::string ExactText(double figure) {
    return FormatGeneral(figure, 17, '.', true);
}

// A hold box's text, its exact figure while it shows it unchanged.
std::string BoxText(const QLineEdit* box) {
    if (const auto exact = Unchanged(box); exact && exact->isValid()) {
        return ExactText(exact->toDouble());
    }
    return box->text().toStdString();
}

// A catalogue cell's text, its exact figure while it shows it unchanged.
std::string CellText(const QTableWidgetItem& item) {
    const bool shown = item.text() == item.data(Qt::UserRole + 1).toString();
    if (shown && item.data(Qt::UserRole).isValid()) {
        return ExactText(item.data(Qt::UserRole).toDouble());
    }
    return item.text().toStdString();
}

}  // namespace

void Dimensionamento::ShowCatalogue(const std::vector<CatalogueSize>& sizes) {
    // Every column is there to be filled, the fatigue rating's too.
    QStringList headings;
    for (const CatalogueColumnForm& column : kCatalogueColumns) {
        headings << QCoreApplication::translate(kCatalogueContext, column.heading);
    }
    const bool showing = std::exchange(showing_, true);
    catalogue_->setRowCount(static_cast<int>(sizes.size()));
    for (int r = 0; r < catalogue_->rowCount(); ++r) {
        const auto values = CellValues(sizes[static_cast<size_t>(r)]);
        for (int c = 0; c < kCatalogueCells; ++c) {
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

Result<std::vector<CatalogueSize>> Dimensionamento::ReadCatalogue() const {
    std::vector<CatalogueSize> sizes;
    for (int r = 0; r < catalogue_->rowCount(); ++r) {
        std::array<std::optional<double>, kCatalogueCells> cells;
        bool any = false;
        for (int c = 0; c < kCatalogueCells; ++c) {
            const QTableWidgetItem* item = catalogue_->item(r, c);
            const QString text = item != nullptr ? item->text().trimmed() : QString();
            if (text.isEmpty()) continue;
            any = true;
            cells[c] = CellNumber(*item);
            // A text that is no number is the cell's draft, which stops a search.
            if (!cells[c]) return Message(MessageId::DraftStopsSizing);
        }
        if (!any) continue;  // a row added and left empty
        if (!cells[kV0]) return Message(MessageId::SizingBoxCatalogueV0, {MsgInteger(r + 1)});
        CatalogueSize s;
        for (int c = 0; c < kCatalogueCells; ++c) kCatalogueColumns[c].set(s, cells[c]);
        sizes.push_back(s);
    }
    return sizes;
}

void Dimensionamento::TypeChanged(int index) {
    // A catalogue still holding the defaults of the type left behind becomes
    // the new type's defaults; one the user has edited stays.
    const auto sizes = ReadCatalogue();
    if (sizes && *sizes == DefaultCatalogue(static_cast<AccumulatorType>(shownType_))) {
        ShowCatalogue(DefaultCatalogue(static_cast<AccumulatorType>(index)));
    }
    shownType_ = index;
    TakeRequirements("tipo");
}

Result<Requirements> Dimensionamento::ReadRequirements() const {
    Requirements req;
    const auto read = [&](RequirementBox box) -> Status {
        const auto figure = BoxFigure(requirementBoxes_[static_cast<size_t>(box)], box);
        if (!figure) return figure.Error();
        if (*figure) {
            if (Status fits = CheckRequirementFigure(box, **figure); !fits) return fits;
        }
        SetRequirementFigure(req, box, *figure);
        return Done{};
    };
    const auto part = [&](const FormStep& step) -> Status {
        switch (step.part) {
            case FormPart::Box: {
                if (step.box != RequirementBox::Bottles) return read(step.box);
                auto bottles = ReadBottles();
                if (!bottles) return bottles.Error();
                req.BottleSizes = std::move(*bottles);
                break;
            }
            case FormPart::Catalogue: {
                req.Type = static_cast<AccumulatorType>(type_->currentIndex());
                auto sizes = ReadCatalogue();
                if (!sizes) return sizes.Error();
                req.Catalogue = std::move(*sizes);
                break;
            }
            case FormPart::Choices:
                ReadChoices(req);
                break;
            case FormPart::Hold: {
                auto duties = ReadDuties(project_.Sizing().Requirements.Duties);
                if (!duties) return duties.Error();
                req.Duties = *duties;
                break;
            }
        }
        return Done{};
    };
    // In the form's order, each part refused as the page refuses it.
    for (const FormStep& step : kReadingOrder) {
        if (Status said = part(step); !said) return said.Error();
    }
    return req;
}

Result<std::vector<double>> Dimensionamento::ReadBottles() const {
    if (const auto exact = Unchanged(bottles_)) {
        const auto sizes = exact->value<QList<double>>();
        return std::vector<double>(sizes.begin(), sizes.end());
    }
    return ReadBottleSizes(bottles_->text().toStdString());
}

void Dimensionamento::ReadChoices(Requirements& req) const {
    req.Arrangements = arrangements_->isChecked();
    req.ChoosePrecharge = choosePrecharge_->isChecked();
    req.SizePump = sizePump_->isChecked();
    req.SingleCycle = singleCycle_->isChecked();
    req.Gas = state_.Gas;
}

Requirements Dimensionamento::RequirementsShown() const {
    // The form read as the page's is. A box still showing the figure it was
    // given keeps it exact: a box's as the kept figure, a cell's or a hold
    // box's written out in full.
    Requirements kept = project_.Sizing().Requirements;
    ShownForm form;
    for (size_t i = 0; i < requirementBoxes_.size(); ++i) {
        const QLineEdit* field = requirementBoxes_[i];
        const auto box = static_cast<RequirementBox>(i);
        form.boxes[i].text = field->text().toStdString();
        const auto exact = Unchanged(field);
        if (!exact) continue;
        form.boxes[i].unchanged = true;
        if (box == RequirementBox::Bottles) {
            const auto sizes = exact->value<QList<double>>();
            kept.BottleSizes.assign(sizes.begin(), sizes.end());
        } else if (exact->isValid()) {
            SetRequirementFigure(kept, box, exact->toDouble());
        }
    }
    form.type = static_cast<AccumulatorType>(type_->currentIndex());
    for (int r = 0; r < catalogue_->rowCount(); ++r) {
        std::vector<ShownText>& cells = form.catalogue.emplace_back();
        for (int c = 0; c < kCatalogueCells; ++c) {
            const QTableWidgetItem* item = catalogue_->item(r, c);
            cells.push_back({item != nullptr ? CellText(*item) : std::string()});
        }
    }
    // A table without rows lists no size, as a row left empty does (the
    // page sends none while its table is hidden, keeping the catalogue).
    if (form.catalogue.empty()) form.catalogue.emplace_back();
    const std::array<const QCheckBox*, static_cast<size_t>(RequirementChoice::Count)> ticks{
        choosePrecharge_, sizePump_, singleCycle_, arrangements_, emergencyFromFull_};
    for (size_t i = 0; i < ticks.size(); ++i) form.choices[i] = ticks[i]->isChecked();
    // The hold's boxes count while it is ticked; untouched, it is none.
    if (hold_->isChecked()) {
        for (size_t i = 0; i < holdBoxes_.size(); ++i) form.hold[i].text = BoxText(holdBoxes_[i]);
    }
    form.holdFromPm = holdFromPm_->isChecked();
    Requirements req = sizing::RequirementsShown(kept, form);
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
    ShowDuties(req.Duties);
    ShowRequirementDrafts(req);
    showing_ = showing;
    asked_ = req;
    appliedInputs_.reset();
    recommendation_ = sizing.Recommendation;
    if (recommendation_) {
        recommendationText_->setText(
            QString::fromStdString(LastRecommendationText(*recommendation_, UiWording())));
        FitAnswer();
    }
}

uint64_t Dimensionamento::InputsNow() const {
    ProjectSnapshot now;
    now.data = state_.Data;
    now.movements.assign(state_.Movements.begin() + 1,
                         state_.Movements.begin() + 1 + std::max<int>(state_.MovementCount, 0));
    now.gas = state_.Gas;
    // The movements' duties do not change a run, but they are rules of the
    // search: an answer found before a load changed is out of date.
    uint64_t h = InputsFingerprint(now);
    auto add = [&h](double v) {
        uint64_t bits = 0;
        std::memcpy(&bits, &v, sizeof bits);
        h = (h ^ bits) * 1099511628211ULL;
    };
    for (int k = 1; k <= std::max<int>(state_.MovementCount, 0); ++k) {
        const MovementDuty& d = state_.Movements[k].Duty;
        for (double v :
             {d.Load, d.Efficiency, d.Loss, d.Required.value_or(-1.0), d.Emergency ? 1.0 : 0.0}) {
            add(v);
        }
    }
    return h;
}

}  // namespace volvenza
