#include "engine/GasLaws.h"

#include <algorithm>
#include <cmath>

#include "engine/StepCycle.h"

namespace volvenza {

namespace {

gas::Result<AnyGasLaw> MakeLaw(const CircuitData& d, const GasSettings& g, double workTemp,
                               float timeStep) {
    switch (g.Law) {
        case GasLawKind::Ideal: {
            auto law = gas::IdealLaw::Create(
                {d.V0, d.P0, g.ChargeTemp, workTemp, d.Pm, g.Exponent, g.Start});
            if (!law) return gas::Result<AnyGasLaw>::Fail(law.Error());
            return AnyGasLaw(*law);
        }
        case GasLawKind::Nitrogen: {
            auto law = gas::NitrogenLaw::Create(
                {d.V0, d.P0, g.ChargeTemp, workTemp, d.Pm, g.Tau, timeStep, g.Start});
            if (!law) return gas::Result<AnyGasLaw>::Fail(law.Error());
            return AnyGasLaw(*law);
        }
        case GasLawKind::Classic:
            break;
    }
    return AnyGasLaw(gas::ClassicLaw(d.V0, d.P0, workTemp, d.Pm));
}

}  // namespace

gas::Result<AnyGasLaw> MakeGasLaw(const CircuitData& d, const GasSettings& g, double workTemp,
                                  float timeStep) {
    auto law = MakeLaw(d, g, workTemp, timeStep);
    if (!law) return law;
    // No bottles: nothing for the gas to fill, whichever side of 0 is asked.
    const double bottles = g.Vessels.BottleVolume;
    if (bottles <= 0) return law;  // mutants: skip
    // Full at Pm, the gas must still fill the bottles: with less, the oil
    // would fill the accumulators before the pressure reached Pm.
    const double full = std::visit([](const auto& l) { return l.Volume(); }, *law);
    if (full < bottles) {
        return gas::Result<AnyGasLaw>::Fail(
            Message(MessageId::BottlesTooLarge, {MsgRounded(bottles, 3), MsgRounded(full, 3)}));
    }
    return law;
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

Message OutsideGasMessage(const TemperatureRun& run, float timeStep) {
    // The state named is the last one inside the domain, the step before it
    // left; its time to the hundredth of a second, not to the float's digits.
    const double time = std::round(static_cast<float>(run.End) * timeStep * 100) / 100;
    return Message(MessageId::OutsideGas,
                   {MsgNested(OutsideGasReason(run.Outside)), MsgNumber(time),
                    MsgNumber(run.EndGasTemp), MsgNumber(run.EndPressure)});
}

TemperatureRun SummariseRun(double workTemp, const CycleEnding& ending, const double* p,
                            const double* t, float timeStep) {
    TemperatureRun run;
    run.WorkTemp = workTemp;
    run.Warning = ending.end == RunEnd::PrechargeTooHigh;
    run.Outside = ending.domain;
    run.End = ending.step;
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
    run.EndPressure = p[ending.step];
    run.LowestPressure = p[lowest];
    run.LowestTime = static_cast<float>(lowest) * timeStep;
    return run;
}

}  // namespace volvenza
