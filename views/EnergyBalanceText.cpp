#include "views/EnergyBalanceText.h"

#include "platform/UiMessage.h"
#include "sizing/BalanceText.h"

namespace volvenza {
namespace {

QList<EnergyRow> Shown(const std::vector<sizing::VerdictRow>& rows) {
    QList<EnergyRow> shown;
    for (const sizing::VerdictRow& row : rows) {
        shown.append({QString::fromStdString(row.label), QString::fromStdString(row.value)});
    }
    return shown;
}

}  // namespace

Result<QList<EnergyRow>> EnergyBalanceRows(const CircuitState& state, const EnergyInputs& in) {
    const auto rows = sizing::EnergyBalanceRows(state, in, UiWording());
    if (!rows) return rows.Error();
    return Shown(*rows);
}

QList<EnergyRow> DutyRows(const CircuitState& state, const DutyPlan& plan, double p1) {
    return Shown(sizing::DutyRows(state, plan, p1, UiWording()));
}

QString EnergyBalanceTitle() {
    return QString::fromStdString(sizing::EnergyBalanceTitle(UiWording()));
}

}  // namespace volvenza
