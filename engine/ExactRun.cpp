#include "engine/ExactRun.h"

#include <algorithm>
#include <cmath>

#include "engine/CycleRun.h"

namespace volvenza {
namespace {

// Writes the points into the state's series.
class StateSampler final : public Sampler {
  public:
    StateSampler(CircuitState& state, double perSecond, int last, bool temperatures)
        : Sampler(perSecond, last), s_(state), temperatures_(temperatures) {}

  private:
    void Record(int j, const GasPoint& p) override {
        const auto i = static_cast<size_t>(j);
        s_.PSeries[i] = p.pressure;
        s_.VSeries[i] = p.volume;
        s_.DVSeries[i] = j > 0 ? p.volume - s_.VSeries[i - 1] : 0;
        s_.QtSeries[i] = qt;
        s_.QsSeries[i] = qs;
        if (temperatures_) s_.GasRun.TSeries[i] = p.temperature;
    }
    CircuitState& s_;
    bool temperatures_;
};

// Keeps the pressures only.
class PressureSampler final : public Sampler {
  public:
    PressureSampler(std::vector<double>& p, double perSecond, int last)
        : Sampler(perSecond, last), p_(p) {}

  private:
    void Record(int, const GasPoint& point) override { p_.push_back(point.pressure); }
    std::vector<double>& p_;
};

TemperatureRun Summary(const ExactInputs& in, const CycleSummary& c, double workTemp, int taken) {
    TemperatureRun run;
    run.WorkTemp = workTemp;
    run.LowestPressure = GaugeBar(c.lowest);
    run.LowestTime = c.lowestTime;
    run.Warning = c.end == CycleEnd::Emptied;
    run.Outside = c.end == CycleEnd::OutsideGas ? c.outside : gas::GasDomain::Gas;
    run.LowestGasTemp = c.coldest;
    run.HighestGasTemp = c.warmest;
    run.EndGasTemp = c.final.gas.temperature;
    run.EndPressure = GaugeBar(c.final.gas.pressure);
    run.EndTime = c.endTime;
    run.End = taken;
    run.LastPoint = static_cast<int16_t>(taken);
    if (c.end == CycleEnd::Normal && c.fullAgain >= 0) {
        // The views show the cycle up to its final recharge and 2,5 % more.
        const int s =
            std::min(in.lastPoint, static_cast<int>(std::ceil(c.fullAgain * in.perSecond - 1e-9)));
        run.LastPoint = static_cast<int16_t>(std::min({s + s / 40, in.lastPoint, kMaxSteps}));
    }
    return run;
}

// The last grid point a run that ended at `time` reached.
int PointsUpTo(const ExactInputs& in, double time) {
    const int j = static_cast<int>(std::floor(time * in.perSecond + 1e-9));
    return std::clamp(j, 0, in.lastPoint);
}

}  // namespace

std::vector<double> ExactTemperatures(const GasSettings& gas, float workTemp) {
    const double tc = Typed(workTemp);
    const double low = gas.MinTemp.value_or(tc);
    const double high = gas.MaxTemp.value_or(tc);
    if (low == tc && high == tc) return {tc};
    return {low, tc, high};
}

ExactInputs MakeExactInputs(const CircuitState& state, const Arrangement& vessels) {
    ExactInputs in;
    in.data = TypedData(state.Data, vessels);
    in.demand = MakeDemand(state.Movements, state.SimMovementCount, state.Data.CycleTime);
    in.lastPoint = static_cast<int>(StepCount(state.Data.CycleTime, state.TimeStep));
    in.perSecond = std::round(1 / Typed(state.TimeStep));
    return in;
}

Result<TemperatureRun> RunExactAt(const ExactInputs& in, const GasSettings& gas, double workTemp,
                                  Sampler* sampler, bool keepPressures) {
    auto path = MakeGasPath(in.data, gas, workTemp);
    if (!path) return Result<TemperatureRun>::Fail(path.Error());
    std::vector<double> pressures;
    PressureSampler own(pressures, in.perSecond, in.lastPoint);
    if (sampler == nullptr && keepPressures) sampler = &own;
    const CycleSummary c = RunExactCycle(in.data, in.demand, **path, FullStart(**path),
                                         {sampler, std::nullopt, std::nullopt});
    const int taken = sampler != nullptr ? sampler->Next() - 1 : PointsUpTo(in, c.endTime);
    TemperatureRun run = Summary(in, c, workTemp, std::max(taken, 0));
    run.Pressures = std::move(pressures);
    return run;
}

Result<TemperatureRun> RunExactIntoState(CircuitState& state) {
    const ExactInputs in = MakeExactInputs(state, state.Gas.Vessels);
    ReallocateResults(state, in.lastPoint + 100);
    state.GasRun.TSeries.assign(state.PSeries.size(), 0.0);
    const double tc = Typed(state.Data.Tc);
    auto path = MakeGasPath(in.data, state.Gas, tc);
    if (!path) return Result<TemperatureRun>::Fail(path.Error());
    state.PrechargeAtTemp = (*path)->PrechargeAtTemp();
    StateSampler sampler(state, in.perSecond, in.lastPoint, true);
    const CycleSummary c = RunExactCycle(in.data, in.demand, **path, FullStart(**path),
                                         {&sampler, std::nullopt, std::nullopt});
    return Summary(in, c, tc, std::max(sampler.Next() - 1, 0));
}

}  // namespace volvenza
