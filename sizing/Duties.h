#pragma once
// The duties beyond p1 as the sizing judges them, for each design it tries:
// every movement's required pressure in steady operation (part of rule 1,
// noted by the runs), the emergency stroke (rule 8) and the pressure held
// (rule 9), on the law of the sizing (real nitrogen where the classic law
// is asked for).

#include <optional>
#include <vector>

#include "engine/Duties.h"
#include "sizing/Requirements.h"

namespace volvenza::sizing {

// The duty runs of one design.
struct DutyOutcomes {
    std::optional<EmergencyOutcome> Emergency;  // none without marked movements
    std::optional<HoldOutcome> Hold;            // none without a hold
    bool EmergencyPasses() const { return !Emergency || Emergency->Passes; }
    bool HoldPasses() const { return !Hold || Hold->Passes; }
};

class DutyJudge {
  public:
    DutyJudge(const CircuitState& state, const Requirements& req);

    // Whether a movement has a load or a required pressure of its own, so
    // that the runs must note each movement's lowest pressure.
    bool Loads() const { return loads_; }
    const std::vector<MovementNeed>& Needs() const { return needs_; }
    // Rules 8 and 9 for the initial values `data` of a design and its gas,
    // the coldest of the envelope and the working temperature.
    Result<DutyOutcomes> Judge(const ExactData& data, const GasSettings& gas, double coldest,
                               double workTemp) const;

  private:
    bool loads_ = false;
    std::vector<MovementNeed> needs_;
    EmergencyStroke stroke_;
    DutyPlan plan_;
};

}  // namespace volvenza::sizing
