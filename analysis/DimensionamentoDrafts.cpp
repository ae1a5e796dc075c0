// The sizing window's drafts: a box or cell whose text is no number yet,
// kept in the project, marked in red, and found again by its key.

#include <algorithm>

#include <QGroupBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTableWidget>

#include "analysis/Dimensionamento.h"
#include "analysis/DimensionamentoParts.h"
#include "documents/Project.h"
#include "numbers/NumberText.h"
#include "platform/DraftMark.h"
#include "platform/UiMessage.h"
#include "platform/UiNumber.h"
#include "sizing/RequirementForm.h"

namespace volvenza {
namespace {

using namespace sizing;
using namespace sizing_window;

}  // namespace

void Dimensionamento::RequirementTyped(size_t box) {
    const QString text = requirementBoxes_[box]->text().trimmed();
    const bool bottles = requirementBoxes_[box] == bottles_;
    // An empty box is a requirement not given, or a draft where the
    // requirements cannot hold it empty.
    const bool draft = text.isEmpty() ? !EmptyTaken(static_cast<RequirementBox>(box))
                       : bottles      ? !ReadBottleSizes(text.toStdString())
                                      : !ParseNumber<double>(text.toStdString());
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
        item->setToolTip(draft ? tr(kCatalogueCellTip) : QString());
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
        for (int c = 0; c < kCatalogueCells; ++c) {
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
            item->setToolTip(draft ? tr(kCatalogueCellTip) : QString());
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
    MarkDraft(*requirementBoxes_[box], draft);
    // What is wrong with the box, as Calcola's reading of it says.
    requirementBoxes_[box]->setToolTip(
        draft ? UiMessage(RequirementNotANumber(static_cast<RequirementBox>(box))) : QString());
}

void Dimensionamento::ShowRequirementDrafts(const Requirements& req) {
    for (size_t i = 0; i < holdBoxes_.size(); ++i) {
        QLineEdit* box = holdBoxes_[i];
        const std::optional<std::string> draft = project_.Draft(HoldKey(i));
        if (draft) {
            const QSignalBlocker quiet(hold_);
            hold_->setChecked(true);
            if (box->text().toStdString() != *draft) box->setText(QString::fromStdString(*draft));
            MarkHold(i, HoldFits(i, std::nullopt), true);
        } else if (box->property(kHoldDraftShown).toBool()) {
            ShowHold(i, req.Duties);
        }
    }
    for (size_t i = 0; i < requirementBoxes_.size(); ++i) {
        QLineEdit* box = requirementBoxes_[i];
        const std::optional<std::string> draft = project_.Draft(RequirementKey(i));
        const bool shownDraft = box->palette().color(QPalette::Text) == QColor(Qt::red);
        if (draft && box->text().toStdString() != *draft) {
            box->setText(QString::fromStdString(*draft));
        } else if (!draft && shownDraft) {
            const auto [text, exact] = RequirementShown(req, i);
            ShowValue(box, text, exact);
        }
        MarkRequirement(i, draft.has_value());
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
    const auto field = static_cast<size_t>(key.field);
    if (key.place != DraftKey::Place::Requirements || key.field < 0 ||
        field >= requirementBoxes_.size() + holdBoxes_.size()) {
        return false;
    }
    QLineEdit* box = field < requirementBoxes_.size()
                         ? requirementBoxes_[field]
                         : holdBoxes_[field - requirementBoxes_.size()];
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
    return true;
}

}  // namespace volvenza
