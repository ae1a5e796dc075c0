#include "engine/GasLaws.h"

#include <algorithm>

#include "engine/StepCycle.h"

namespace volvenza {

gas::Result<AnyGasLaw> MakeGasLaw(const CircuitData& d, const GasSettings& g, double workTemp,
                                  float timeStep) {
    switch (g.Law) {
        case GasLawKind::Ideal: {
            auto law =
                gas::IdealLaw::Create({d.V0, d.P0, g.ChargeTemp, workTemp, d.Pm, g.Exponent});
            if (!law) return gas::Result<AnyGasLaw>::Fail(law.Error());
            return AnyGasLaw(*law);
        }
        case GasLawKind::Nitrogen: {
            auto law = gas::NitrogenLaw::Create(
                {d.V0, d.P0, g.ChargeTemp, workTemp, d.Pm, g.Tau, timeStep});
            if (!law) return gas::Result<AnyGasLaw>::Fail(law.Error());
            return AnyGasLaw(*law);
        }
        case GasLawKind::Classic:
            break;
    }
    return AnyGasLaw(gas::ClassicLaw(d.V0, d.P0, workTemp, d.Pm));
}

TemperatureRun SummariseRun(double workTemp, const CycleEnding& ending, const double* p,
                            const double* t, float timeStep) {
    TemperatureRun run;
    run.WorkTemp = workTemp;
    run.Warning = ending.warning;
    run.End = ending.step;
    run.LastPoint = ending.lastPoint;
    int lowest = 0;
    run.HighestGasTemp = t != nullptr ? t[0] : workTemp;
    // Step 0 is where both searches start.
    for (int j = 1; j <= ending.step; ++j) {
        if (p[j] < p[lowest]) lowest = j;
        if (t != nullptr) run.HighestGasTemp = std::max(run.HighestGasTemp, t[j]);
    }
    run.LowestPressure = p[lowest];
    run.LowestTime = static_cast<float>(lowest) * timeStep;
    return run;
}

}  // namespace volvenza
