#pragma once
// Why a candidate fails, and the smallest change of one figure that fixes it.

#include <functional>
#include <vector>

#include "engine/CircuitState.h"
#include "messages/Result.h"
#include "sizing/Evaluator.h"
#include "sizing/Search.h"

namespace volvenza::sizing {

// Movements drawing oil just before `time`.
std::vector<ActiveMovement> ActiveAt(const CircuitState& state, double time);
// Why `e` fails, where its pressure falls lowest and what oil it misses.
Explanation Explain(const CircuitState& state, const Evaluator& ev, const Evaluation& e);
// The smallest V0, P0 (up to `p0Top`) and Qp that make the runs of `d` pass,
// each alone, into `x`; stops when `stopped` says so.
Status SearchFixes(Evaluator& ev, Explanation& x, const Design& d, double p0Top,
                   const std::function<bool()>& stopped);
// The sentence that says no precharge passes rules 2 and 3 together.
Message NoPrechargeWindow(const Evaluator& ev, double top, double bottom, double ratio);

}  // namespace volvenza::sizing
