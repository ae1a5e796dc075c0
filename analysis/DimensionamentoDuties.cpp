// The sizing window's duties beyond p1: the emergency stroke from full, and
// the pressure held with the pump off (pressure, time, leakage, cooling, from
// Pm or from the restart Pm - Dp). The movements' loads and emergency marks
// are typed in the cycle's windows.

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPalette>

#include "analysis/Dimensionamento.h"
#include "analysis/DimensionamentoParts.h"
#include "numbers/NumberText.h"
#include "platform/NumberCharacters.h"
#include "platform/UiMessage.h"
#include "platform/UiNumber.h"
#include "sizing/RequirementForm.h"

namespace volvenza {

using namespace sizing;
using namespace sizing_window;

void Dimensionamento::BuildDuties(QFormLayout& form) {
    emergencyFromFull_ = new QCheckBox(
        tr(kRequirementChoices[static_cast<size_t>(RequirementChoice::EmergencyFromFull)].label),
        this);
    emergencyFromFull_->setObjectName(QStringLiteral("ChkEmergenzaPieno"));
    emergencyFromFull_->setToolTip(tr(kFormEmergencyNote));
    form.addRow(emergencyFromFull_);
    hold_ = new QGroupBox(tr(kFormHold), this);
    hold_->setObjectName(QStringLiteral("FrameMantenimento"));
    hold_->setCheckable(true);
    hold_->setChecked(false);
    auto* rows = new QFormLayout(hold_);
    const char* const names[] = {"TMantPressione", "TMantTempo", "TMantPerdite",
                                 "TMantRaffreddamento"};
    for (size_t i = 0; i < holdBoxes_.size(); ++i) {
        holdBoxes_[i] = new QLineEdit(hold_);
        holdBoxes_[i]->setObjectName(QString::fromLatin1(names[i]));
        rows->addRow(tr(kHoldBoxes[i].label), holdBoxes_[i]);
        holdBoxes_[i]->setValidator(new NumberCharacters(holdBoxes_[i]));
        connect(holdBoxes_[i], &QLineEdit::textEdited, this, [this, i] {
            HoldTyped(i);
            TakeRequirements("mantenimento");
            FollowInputs();
        });
    }
    holdFromPm_ = new QCheckBox(tr(kHoldFromPm.label), hold_);
    holdFromPm_->setObjectName(QStringLiteral("ChkMantenimentoPieno"));
    rows->addRow(holdFromPm_);
    form.addRow(hold_);
    for (QCheckBox* check : {emergencyFromFull_, holdFromPm_}) {
        connect(check, &QCheckBox::toggled, this, [this] {
            TakeRequirements("doveri");
            FollowInputs();
        });
    }
    connect(hold_, &QGroupBox::toggled, this, [this](bool on) {
        // The boxes' drafts come and go with the hold; an empty box is
        // marked once typed into.
        for (size_t i = 0; i < holdBoxes_.size() && !showing_; ++i) {
            if (!on || !holdBoxes_[i]->text().trimmed().isEmpty()) HoldTyped(i);
        }
        TakeRequirements("mantenimento");
        FollowInputs();
    });
}

Result<DutyPlan> Dimensionamento::ReadDuties(const DutyPlan& kept) const {
    DutyPlan plan = kept;
    plan.EmergencyFromFull = emergencyFromFull_->isChecked();
    if (!hold_->isChecked()) {
        plan.Hold.reset();
        return plan;
    }
    HoldDuty hold = plan.Hold.value_or(HoldDuty{});
    double figures[] = {hold.Pressure.value(), hold.Time, hold.Leakage.value(), hold.Cooling};
    HoldFigures values;
    for (size_t i = 0; i < holdBoxes_.size(); ++i) {
        if (const auto exact = Unchanged(holdBoxes_[i]); exact && exact->isValid()) {
            values[i] = exact->toDouble();
        } else {
            values[i] = ParseNumber<double>(holdBoxes_[i]->text().trimmed().toStdString());
        }
    }
    const auto refusals =
        HoldRefusals(values, holdFromPm_->isChecked(), state_.Data, EngineeringGas(state_.Gas).Law);
    for (size_t i = 0; i < holdBoxes_.size(); ++i) {
        // Pressure and time more than 0, leakage and cooling not below it.
        if (values[i] && kHoldBoxes[i].range.Holds(*values[i])) figures[i] = *values[i];
        // Refused as the box is marked, in the form's order.
        if (refusals[i]) return *refusals[i];
    }
    // A hold begun without a pressure or a time is never stored: the project
    // keeps the one it had, or none, as its file can take no other.
    if (!(figures[0] > 0 && figures[1] > 0)) {
        plan.Hold = kept.Hold;
        return plan;
    }
    hold.Pressure = GaugeBar(figures[0]);
    hold.Time = figures[1];
    hold.Leakage = Dm3PerMin(figures[2]);
    hold.Cooling = figures[3];
    hold.FromPm = holdFromPm_->isChecked();
    plan.Hold = hold;
    return plan;
}

Status Dimensionamento::HoldFits(size_t box, std::optional<double> figure) const {
    return CheckHoldFigure(box, figure, holdFromPm_->isChecked(), state_.Data,
                           EngineeringGas(state_.Gas).Law);
}

void Dimensionamento::HoldTyped(size_t box) {
    const std::string text = holdBoxes_[box]->text().toStdString();
    const auto figure = ParseNumber<double>(text);
    const bool draft =
        hold_->isChecked() && !holdBoxes_[box]->text().trimmed().isEmpty() && !figure;
    project_.SetDraft(HoldKey(box), draft ? std::optional(text) : std::nullopt);
    MarkHold(box, hold_->isChecked() ? HoldFits(box, figure) : Status(Done{}), draft);
}

void Dimensionamento::MarkHold(size_t box, const Status& fits, bool draft) {
    QPalette palette;
    if (!fits) palette.setColor(QPalette::Text, Qt::red);
    holdBoxes_[box]->setPalette(palette);
    holdBoxes_[box]->setToolTip(fits ? QString() : UiMessage(fits.Error()));
    holdBoxes_[box]->setProperty(kHoldDraftShown, draft);
}

void Dimensionamento::ShowHold(size_t box, const DutyPlan& plan) {
    const HoldDuty hold = plan.Hold.value_or(HoldDuty{});
    const double values[] = {hold.Pressure.value(), hold.Time, hold.Leakage.value(), hold.Cooling};
    MarkHold(box, Done{}, false);
    if (plan.Hold) {
        ShowValue(holdBoxes_[box], UiNumber(values[box]), values[box]);
    } else {
        ShowValue(holdBoxes_[box], QString(), QVariant());
    }
}

void Dimensionamento::ShowDuties(const DutyPlan& plan) {
    emergencyFromFull_->setChecked(plan.EmergencyFromFull);
    hold_->setChecked(plan.Hold.has_value());
    for (size_t i = 0; i < holdBoxes_.size(); ++i) ShowHold(i, plan);
    holdFromPm_->setChecked(plan.Hold.value_or(HoldDuty{}).FromPm);
}

}  // namespace volvenza
