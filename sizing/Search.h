#pragma once
// The sizing assistant: the smallest catalogue size that passes every rule,
// the precharge to set and, when asked, the smallest pump; the table of the
// candidates and, for the designs that fail, why and what would fix them.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/CircuitState.h"
#include "messages/Result.h"
#include "sizing/Evaluator.h"
#include "sizing/Requirements.h"

namespace volvenza::sizing {

struct ActiveMovement {
    int Number = 0;  // 1-based, as the movement list numbers them
    int16_t Kind = 0;
};

// Why a candidate fails and the smallest change of one figure that fixes it.
struct Explanation {
    Dm3 V0;
    size_t Size = 0;
    std::vector<int> FailedRules;  // 1..9
    // Rule 1 in steady operation: a lowest pressure still falling.
    bool Drifting = false;
    double Drift = 0;    // bar per cycle
    int CyclesToP1 = 0;  // the cycle that would cross p1
    // The pump never brings the accumulator back to Pm in the steady cycle,
    // or the cycles do not settle within kMaxCycles.
    bool NotRecharged = false;
    bool NotSettled = false;
    int Recharges = 0;
    double PumpShare = 0;  // of those cycles
    // The pump loads too often: more than MaxLoads times in cycle
    // ChatterCycle (ChatterCycle 0: on average, PumpStarts a cycle), the last
    // of them at ChatterAt s, at WorkTemp.
    bool Chatters = false;
    double ChatterAt = 0, PumpStarts = 0;
    int ChatterCycle = 0;
    // Where the pressure falls lowest (rule 1).
    double WorkTemp = 0;
    double Time = 0;
    int Cycle = 1;
    double LowestPressure = 0;
    std::vector<ActiveMovement> Active;
    double MissingOil = 0;    // dm3 to stay above p1
    bool AtLeast = false;     // the gas reached its precharge: more is missing
    bool OutsideGas = false;  // the gas left its law's domain (it condensed)
    // The movements short of their own required pressure (rule 1), and the
    // emergency stroke and the pressure held (rules 8 and 9) as they came out.
    std::vector<MovementPressure> ShortMovements;
    DutyOutcomes Duties;
    // The smallest V0, P0 or Qp that passes rules 1, 8 and 9, the others
    // unchanged; searched for the largest failing size only.
    std::optional<double> FixV0, FixP0, FixQp;
};

struct PrechargeRow {
    double ChargeTemp = 0;  // °C
    double Precharge = 0;   // bar gauge
};

struct SizingAnswer {
    std::vector<Evaluation> Candidates;        // ascending size
    std::optional<size_t> Recommended;         // index into Candidates
    std::vector<PrechargeRow> PrechargeTable;  // 0, 10, 20, 30, 40 °C
    std::vector<Explanation> Explanations;     // one per failing candidate
    std::vector<double> Temperatures;          // of the runs, coldest first
    bool PumpSized = false;                    // the recommendation's pump was searched
    // When the data's pump cannot deliver the cycle's oil, nothing is run.
    bool PumpShort = false;
    double PumpOil = 0;        // dm3 the pump delivers in a cycle
    double CycleOil = 0;       // dm3 the cycle draws
    double AverageDemand = 0;  // dm3/min: the oil a cycle draws over its time
    // dm3/min: the smallest pump that delivers it, its volumetric
    // efficiency taken into account.
    double BalancePump = 0;
    int DayCycles = 0;      // cycles in the working day
    double PeakDemand = 0;  // dm3/min: the cycle's largest draw
    // The first arrangement left out because the gas at Pm could not fill
    // its bottles.
    std::optional<Design> UnfilledBottles;
    // When the pump was sized up for rule 7: a tenth less pump, which fails
    // on the swing alone, and that swing [dm3/min, bar].
    std::optional<std::pair<double, double>> SwingPump;
    int ArrangementsTried = 0;  // none of them passed when nothing is recommended
    bool Cancelled = false;

    const Evaluation* Recommendation() const {
        return Recommended ? &Candidates[*Recommended] : nullptr;
    }
};

// The phases of a search, in the order they run.
enum class SizingPhase { Sizes, Pump, Fixes };

// Called with the share done (0..1); returning false stops the search.
using SizingProgress = std::function<bool(double)>;

// The search over the catalogue with the data and movements of `state`
// as the starting design. The message when the data or the requirements
// cannot be searched (in one sentence that says what would do).
Result<SizingAnswer> SizeAccumulator(const CircuitState& state, const Requirements& req,
                                     const SizingProgress& progress = {});

// Why the requirements cannot be searched, or nothing; the checks that need
// no nitrogen.
Status CheckRequirements(const CircuitState& state, const Requirements& req);

}  // namespace volvenza::sizing
