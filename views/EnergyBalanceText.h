#pragma once
// The energy balance and fatigue figures of the last run at tc, worded once
// for the "Bilancio energetico" window and the printed results.

#include <optional>

#include <QList>
#include <QString>

#include "engine/CircuitState.h"
#include "engine/Duties.h"
#include "engine/EnergyBalance.h"
#include "messages/Message.h"
#include "messages/Result.h"

namespace volvenza {

// The balance's inputs: the pump's efficiency and the hours a year the
// sizing requirements give, and the pressure a pump alone must hold: the
// sizing's p1 once applied to the chart, else Pm - Dp.
EnergyInputs EnergyInputsOf(const CircuitState& state, double pumpEfficiency, double hoursPerYear);

struct EnergyRow {
    QString label;
    QString value;
};

// One row per figure in the language shown, none without a run; the
// message saying why when the inputs have a fault (run or not) or the
// balance is refused.
Result<QList<EnergyRow>> EnergyBalanceRows(const CircuitState& state, const EnergyInputs& inputs);

// The duties' verdicts beyond the cycle, when the plan asks for them and the
// run's law judges them (the ideal or real one): the emergency stroke (its
// lowest pressure, margin and the oil left) and the pressure held (its
// lowest and the time held). Movements without a load must keep `p1`.
QList<EnergyRow> DutyRows(const CircuitState& state, const DutyPlan& plan, double p1);

// The heading of the figures.
QString EnergyBalanceTitle();

}  // namespace volvenza
