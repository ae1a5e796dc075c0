#pragma once
// Beyond one vessel: accumulators in parallel, or a piston accumulator with
// gas bottles, when no single size passes (or when asked).

#include <functional>

#include "messages/Result.h"
#include "sizing/Evaluator.h"
#include "sizing/Search.h"

namespace volvenza::sizing {

// Adds to the answer's candidates the arrangements judged and, at the end,
// the first that passes, recommended; `p0` and `qp` are every one's.
Status SearchArrangements(Evaluator& ev, SizingAnswer& answer, GaugeBar p0, Dm3PerMin qp,
                          const std::function<bool()>& stopped);

}  // namespace volvenza::sizing
