#pragma once
// The energy balance and fatigue figures of a run at tc, worded once for
// every front end: the "Bilancio energetico" window and the printed results,
// volvenza-sim's summary and, through it, the browser's page. A row is a
// figure's label and its value, as the window lays them out.

#include <string>
#include <vector>

#include "engine/CircuitState.h"
#include "engine/Duties.h"
#include "engine/EnergyBalance.h"
#include "messages/Message.h"
#include "messages/Result.h"
#include "sizing/DutyText.h"

namespace volvenza::sizing {

// The balance's inputs: the pump's efficiency and the hours a year the
// sizing requirements give, and the pressure a pump alone must hold: the
// sizing's p1 once applied to the chart, else Pm - Dp.
EnergyInputs EnergyInputsOf(const CircuitState& state, double pumpEfficiency, double hoursPerYear);

// The heading of the figures.
std::string EnergyBalanceTitle(const Wording& wording);

// One row per figure, none without a run; the message saying why when the
// inputs have a fault (run or not) or the balance is refused.
Result<std::vector<VerdictRow>> EnergyBalanceRows(const CircuitState& state,
                                                  const EnergyInputs& inputs,
                                                  const Wording& wording);

// The duties' verdicts beyond the cycle, when the plan asks for them and the
// run's law judges them (the ideal or real one): the emergency stroke (its
// lowest pressure, margin and the oil left) and the pressure held (its
// lowest and the time held). Movements without a load must keep `p1`. They
// do not depend on the balance's inputs: a balance refused keeps them.
std::vector<VerdictRow> DutyRows(const CircuitState& state, const DutyPlan& plan, double p1,
                                 const Wording& wording);

}  // namespace volvenza::sizing
