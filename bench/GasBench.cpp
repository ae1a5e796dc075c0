// Run:  build/bin/volvenza-gas-bench
// Budgets: one real-nitrogen step of a run well under 0.4 µs on average (the
// longest cycle has 32767 of them and may add at most half the classic run's
// time); one property evaluation at (T, p), as `volvenza-sim gas` makes it,
// well under 5 µs.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <limits>

#include "gas/IdealLaw.h"
#include "gas/Nitrogen.h"
#include "gas/NitrogenLaw.h"

namespace {

using namespace volvenza::gas;

// A run's worth of steps the way the stepping loop drives a law: a 250 bar
// design feeding a machine that draws 150 dm3/min for 2 s out of every 10 s,
// a 40 dm3/min pump loading at 220 bar and unloading at 250 bar, 32767 steps
// of 0.01 s. Returns the lowest pressure so the work cannot be optimised away.
template <class Law>
double RunCycle(Law law) {
    constexpr double kPm = 250, kLoad = 220, kPump = 40, kStep = 0.01;
    bool pumping = false;
    double lowest = kPm;
    for (int j = 1; j <= 32767; ++j) {
        const double demand = (j % 1000) < 200 ? 150.0 : 0.0;
        if (!pumping && law.Pressure() > kLoad) {
            pumping = false;
        } else {
            pumping = true;
        }
        double dv = kStep * (demand - (pumping ? kPump : 0)) / 60;
        if (dv == 0) dv = 0.00001;
        double p = law.Step(law.Volume() + dv);
        if (p >= kPm) {
            law.Fill();
            p = kPm;
            pumping = false;
        }
        lowest = std::min(lowest, p);
    }
    return lowest;
}

NitrogenLawSettings Design250Bar(double tau) {
    NitrogenLawSettings s;
    s.V0 = 20;
    s.P0 = 150;
    s.WorkTemp = 45;
    s.Pm = 250;
    s.Tau = tau;
    return s;
}

void SetStepCounter(benchmark::State& bs) {
    bs.counters["ns_per_step"] =
        benchmark::Counter(static_cast<double>(bs.iterations()) * 32767,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Argument: tau in seconds, -1 for infinity (adiabatic).
void BM_NitrogenRunSteps(benchmark::State& bs) {
    const double tau = bs.range(0) < 0 ? std::numeric_limits<double>::infinity()
                                       : static_cast<double>(bs.range(0));
    auto law = NitrogenLaw::Create(Design250Bar(tau));
    for (auto _ : bs) benchmark::DoNotOptimize(RunCycle(*law));
    SetStepCounter(bs);
}
BENCHMARK(BM_NitrogenRunSteps)->Arg(-1)->Arg(45)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_IdealRunSteps(benchmark::State& bs) {
    IdealLawSettings s;
    s.V0 = 20;
    s.P0 = 150;
    s.WorkTemp = 45;
    s.Pm = 250;
    auto law = IdealLaw::Create(s);
    for (auto _ : bs) benchmark::DoNotOptimize(RunCycle(*law));
    SetStepCounter(bs);
}
BENCHMARK(BM_IdealRunSteps)->Unit(benchmark::kMillisecond);

// Density from (T, p) and every property at that state.
void BM_NitrogenPropertiesAtTP(benchmark::State& bs) {
    const double T = 273.15 + 45;
    double p = 1e5;
    for (auto _ : bs) {
        auto rho = nitrogen::DensityAt(T, p);
        benchmark::DoNotOptimize(nitrogen::PropertiesAt(T, *rho));
        p = p < 9e7 ? p * 1.7 : 1e5;  // 1 to 1000 bar, never the same state twice in a row
    }
}
BENCHMARK(BM_NitrogenPropertiesAtTP)->Unit(benchmark::kMicrosecond);

void BM_NitrogenPropertiesAtTRho(benchmark::State& bs) {
    double rho = 1;
    for (auto _ : bs) {
        benchmark::DoNotOptimize(nitrogen::PropertiesAt(300, rho));
        rho = rho < 500 ? rho * 1.5 : 1;
    }
}
BENCHMARK(BM_NitrogenPropertiesAtTRho)->Unit(benchmark::kNanosecond);

}  // namespace
