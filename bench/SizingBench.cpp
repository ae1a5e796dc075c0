// Run:  build/bin/volvenza-sizing-bench
// Budgets, as ratios to the classic run of the longest cycle with the
// original's flow loop, 42.6 ms on the idle machine (BM_LongestCycleClassicRun
// is faster since the flow pass became linear; docs/performance.md keeps the
// figures): the sizing in steady operation of
// that cycle (32767 steps, 1000 movements) with real nitrogen (tau 45 s), the
// envelope 10/40/60 °C and the pump sized, at most 10 classic runs; the
// example's sizing under 5 ms.

#include <benchmark/benchmark.h>

#include "engine/CircuitState.h"
#include "engine/Simulation.h"
#include "sizing/Search.h"

#include "LongestCycle.h"

namespace {

using namespace volvenza;
using bench::LoadLongestCycle;
using namespace volvenza::sizing;

void Report(benchmark::State& bs, const SizingAnswer& answer) {
    bs.counters["candidates"] = static_cast<double>(answer.Candidates.size());
    const Evaluation* rec = answer.Recommendation();
    bs.counters["recommended_V0"] = rec != nullptr ? rec->Proposed.V0.value() : 0.0;
    bs.counters["recommended_Qp"] = rec != nullptr ? rec->Proposed.Qp.value() : 0.0;
}

// Real nitrogen, tau 45 s, the envelope 10/40/60 °C, at p1.
Requirements NitrogenAt(double p1) {
    Requirements req;
    req.MinPressure = GaugeBar(p1);
    req.Gas.Law = GasLawKind::Nitrogen;
    req.Gas.Tau = 45;
    req.Gas.MinTemp = 10;
    req.Gas.MaxTemp = 60;
    return req;
}

// The search on the longest cycle, its last answer.
SizingAnswer SizeLongestCycle(benchmark::State& bs, const Requirements& req, float qp = 400) {
    CircuitState state;
    LoadLongestCycle(state);
    state.Data.Qp = qp;
    SizingAnswer last;
    for (auto _ : bs) {
        auto answer = SizeAccumulator(state, req);
        if (!answer) {
            bs.SkipWithError(ItalianText(answer.Error()).c_str());
            break;
        }
        last = std::move(*answer);
    }
    Report(bs, last);
    return last;
}

// Arguments: p1 in bar, and 1 to size the pump too.
void BM_SizeLongestCycleNitrogen(benchmark::State& bs) {
    Requirements req = NitrogenAt(static_cast<double>(bs.range(0)));
    req.SizePump = bs.range(1) != 0;
    SizeLongestCycle(bs, req);
}
BENCHMARK(BM_SizeLongestCycleNitrogen)
    ->Args({150, 0})
    ->Args({165, 0})
    ->Args({150, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// A search where the largest size on offer is too small: with a pump of
// 231 dm3/min and p1 at 166 bar, the catalogue cut at 0,5 dm3 leaves the
// arrangements to search, and none of them passes: on so little gas the
// pump would load many times a second (argument 0 bladder, 1 piston with
// bottles, which the gas of these sizes cannot fill).
void BM_SizeLongestCycleArrangements(benchmark::State& bs) {
    Requirements req = NitrogenAt(166);
    req.Type = bs.range(0) != 0 ? AccumulatorType::Piston : AccumulatorType::Bladder;
    req.Catalogue = DefaultCatalogue(req.Type);
    std::erase_if(req.Catalogue, [](const CatalogueSize& s) { return s.V0 > Dm3(0.5); });
    req.BottleSizes = {0.5, 1};
    const SizingAnswer last = SizeLongestCycle(bs, req, 231);
    const Evaluation* rec = last.Recommendation();
    bs.counters["count"] = rec != nullptr ? rec->Proposed.Count : 0;
    bs.counters["bottles"] = rec != nullptr ? rec->Proposed.Bottles : 0;
}
BENCHMARK(BM_SizeLongestCycleArrangements)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The classic law's run of the same cycle (the budgets' unit was this run
// with the original's flow loop, 42.6 ms).
void BM_LongestCycleClassicRun(benchmark::State& bs) {
    CircuitState state;
    LoadLongestCycle(state);
    for (auto _ : bs) {
        RunSimulation(state);
        benchmark::DoNotOptimize(state.PSeries.data());
    }
}
BENCHMARK(BM_LongestCycleClassicRun)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SizeExample(benchmark::State& bs) {
    CircuitState state;
    InitCircuitState(state);
    LoadExampleCircuit(state);
    Requirements req;
    req.MinPressure = GaugeBar(60);
    req.SizePump = bs.range(0) != 0;
    SizingAnswer last;
    for (auto _ : bs) last = *SizeAccumulator(state, req);
    Report(bs, last);
}
BENCHMARK(BM_SizeExample)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
