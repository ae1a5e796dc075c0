#pragma once
// The energy balance's rows (sizing/BalanceText.h) in the language shown, for
// the "Bilancio energetico" window and the printed results.

#include <QList>
#include <QString>

#include "engine/CircuitState.h"
#include "engine/Duties.h"
#include "engine/EnergyBalance.h"
#include "messages/Message.h"
#include "messages/Result.h"

namespace volvenza {

struct EnergyRow {
    QString label;
    QString value;
};

// One row per figure, none without a run; the message saying why when the
// inputs have a fault (run or not) or the balance is refused.
Result<QList<EnergyRow>> EnergyBalanceRows(const CircuitState& state, const EnergyInputs& inputs);

// The emergency stroke's and the pressure held's verdicts, when asked for.
QList<EnergyRow> DutyRows(const CircuitState& state, const DutyPlan& plan, double p1);

// The heading of the figures.
QString EnergyBalanceTitle();

}  // namespace volvenza
