#include "sizing/Duties.h"

namespace volvenza::sizing {

DutyJudge::DutyJudge(const CircuitState& state, const Requirements& req)
    : loads_(HasLoads(state.Movements, state.SimMovementCount)),
      needs_(MovementNeeds(state.Movements, state.SimMovementCount, req.MinPressure,
                           Typed(state.Data.CycleTime))),
      stroke_(MakeEmergencyStroke(state.Movements, state.SimMovementCount, req.MinPressure)),
      plan_(req.Duties) {}

Result<DutyOutcomes> DutyJudge::Judge(const ExactData& data, const GasSettings& gas, double coldest,
                                      double workTemp) const {
    DutyOutcomes out;
    if (!stroke_.needs.empty()) {
        auto e = JudgeEmergency(data, stroke_, gas, coldest, plan_.EmergencyFromFull);
        if (!e) return Result<DutyOutcomes>::Fail(e.Error());
        out.Emergency = *e;
    }
    if (plan_.Hold) {
        auto h = JudgeHold(data, gas, workTemp, *plan_.Hold);
        if (!h) return Result<DutyOutcomes>::Fail(h.Error());
        out.Hold = *h;
    }
    return out;
}

}  // namespace volvenza::sizing
