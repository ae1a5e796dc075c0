// Run:  build/bin/volvenza-gas-bench
// Budgets: a real-nitrogen state solved at a new density on its isentrope
// (what the exact engine does at each stretch and stage) well under 0.4 µs
// on average; one property evaluation at (T, p), as `volvenza-sim gas`
// makes it, well under 5 µs.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <limits>

#include "gas/Nitrogen.h"
#include "gas/NitrogenLaw.h"

namespace {

using namespace volvenza::gas;

NitrogenLawSettings Design250Bar(double tau) {
    NitrogenLawSettings s;
    s.V0 = 20;
    s.P0 = 150;
    s.WorkTemp = 45;
    s.Pm = 250;
    s.Tau = tau;
    return s;
}

// The gas of a 250 bar design expanding from Pm in steps of a thousandth
// of its volume and back, each state solved from the one before.
void BM_NitrogenIsentropeStates(benchmark::State& bs) {
    auto law = NitrogenLaw::Create(Design250Bar(std::numeric_limits<double>::infinity()));
    const NitrogenState full = law->Full();
    NitrogenState near = full;
    int j = 0;
    for (auto _ : bs) {
        const int k = j < 500 ? j : 1000 - j;
        near = law->WithEntropy(full.rho / (1 + 0.001 * k), full.s, near);
        benchmark::DoNotOptimize(near.p);
        j = (j + 1) % 1000;
    }
}
BENCHMARK(BM_NitrogenIsentropeStates)->Unit(benchmark::kNanosecond);

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
