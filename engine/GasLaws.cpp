#include "engine/GasLaws.h"

#include <algorithm>
#include <cmath>

#include "engine/StepCycle.h"

namespace volvenza {

gas::ClassicLaw MakeClassicLaw(const CircuitData& d, double workTemp) {
    return gas::ClassicLaw(d.V0, d.P0, workTemp, d.Pm);
}

Message OutsideGasReason(gas::GasDomain domain) {
    switch (domain) {
        case gas::GasDomain::Condenses:
            return MessageId::ReasonCondenses;
        case gas::GasDomain::BelowTriple:
            return MessageId::ReasonBelowTriple;
        case gas::GasDomain::OutOfRange:
        case gas::GasDomain::Gas:
            break;
    }
    return MessageId::ReasonOutOfRange;
}

Message OutsideGasMessage(const TemperatureRun& run) {
    // The state named is the last one inside the domain; its time to the
    // hundredth of a second.
    const double time = std::round(run.EndTime * 100) / 100;
    return Message(MessageId::OutsideGas,
                   {MsgNested(OutsideGasReason(run.Outside)), MsgNumber(time),
                    MsgNumber(run.EndGasTemp), MsgNumber(run.EndPressure.value())});
}

TemperatureRun SummariseRun(double workTemp, const CycleEnding& ending, const double* p,
                            const double* t, float timeStep) {
    TemperatureRun run;
    run.WorkTemp = workTemp;
    run.Warning = ending.end == RunEnd::PrechargeTooHigh;
    run.Outside = ending.domain;
    run.End = ending.step;
    run.EndTime = static_cast<float>(ending.step) * timeStep;
    run.LastPoint = ending.lastPoint;
    int lowest = 0;
    run.HighestGasTemp = run.LowestGasTemp = t != nullptr ? t[0] : workTemp;
    // Step 0 is where the searches start.
    for (int j = 1; j <= ending.step; ++j) {
        if (p[j] < p[lowest]) lowest = j;
        if (t != nullptr) {
            run.HighestGasTemp = std::max(run.HighestGasTemp, t[j]);
            run.LowestGasTemp = std::min(run.LowestGasTemp, t[j]);
        }
    }
    run.EndGasTemp = t != nullptr ? t[ending.step] : workTemp;
    run.EndPressure = GaugeBar(p[ending.step]);
    run.LowestPressure = GaugeBar(p[lowest]);
    run.LowestTime = static_cast<float>(lowest) * timeStep;
    return run;
}

}  // namespace volvenza
