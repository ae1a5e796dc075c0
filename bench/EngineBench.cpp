// Run:  build/bin/volvenza-bench
// Budgets: the example well under 1 ms; the longest cycle with 1000 movements,
// and saving or loading its file, each well under 100 ms; the same cycle with
// real nitrogen on the exact engine (tau 45 s), sampled on the grid for the
// windows, no slower than the classic run was before its flow pass stopped
// summing every movement at every step (42.6 ms; docs/performance.md).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>

#include "documents/SimulationFile.h"
#include "engine/CycleRun.h"
#include "engine/Simulation.h"

#include "LongestCycle.h"

namespace {

using namespace volvenza;
using bench::LoadLongestCycle;

std::string TempFile(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

void BM_ExampleRun(benchmark::State& bs) {
    CircuitState state;
    InitCircuitState(state);
    LoadExampleCircuit(state);
    for (auto _ : bs) {
        RunSimulation(state);
        benchmark::DoNotOptimize(state.PSeries.data());
    }
}
BENCHMARK(BM_ExampleRun)->Unit(benchmark::kMicrosecond);

void BM_LongestCycleRun(benchmark::State& bs) {
    CircuitState state;
    LoadLongestCycle(state);
    for (auto _ : bs) {
        RunSimulation(state);
        benchmark::DoNotOptimize(state.PSeries.data());
    }
    bs.counters["LastPoint"] = state.LastPoint;
}
BENCHMARK(BM_LongestCycleRun)->Unit(benchmark::kMillisecond);

// The same cycle with real nitrogen, on the exact engine. Argument: the
// thermal time constant in seconds, -1 for infinity (no heat exchange).
void BM_LongestCycleRunNitrogen(benchmark::State& bs) {
    CircuitState state;
    LoadLongestCycle(state);
    state.Gas.Law = GasLawKind::Nitrogen;
    if (bs.range(0) >= 0) state.Gas.Tau = static_cast<double>(bs.range(0));
    for (auto _ : bs) {
        if (RunSimulation(state).outcome == RunOutcome::Refused) bs.SkipWithError("refused");
        benchmark::DoNotOptimize(state.PSeries.data());
    }
    bs.counters["LastPoint"] = state.LastPoint;
}
BENCHMARK(BM_LongestCycleRunNitrogen)->Arg(-1)->Arg(45)->Unit(benchmark::kMillisecond);

// The flow pass alone over the longest cycle: its movements in time order
// (0), or in reverse order (1), where a fold in list order redoes the most.
void BM_LongestCycleFlows(benchmark::State& bs) {
    CircuitState state;
    LoadLongestCycle(state);
    if (bs.range(0) == 1) {
        std::reverse(state.Movements.begin() + 1, state.Movements.begin() + kMaxMovements + 1);
    }
    for (auto _ : bs) {
        const CycleFlows flows = ComputeCycleFlows(state);
        benchmark::DoNotOptimize(flows.Qt.data());
    }
}
BENCHMARK(BM_LongestCycleFlows)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_SaveLongestFile(benchmark::State& bs) {
    CircuitState state;
    LoadLongestCycle(state);
    RunSimulation(state);
    const std::string path = TempFile("volvenza-bench-save.vlz");
    for (auto _ : bs) {
        if (!SaveSimulationFile(state, path)) bs.SkipWithError("save failed");
    }
    bs.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::filesystem::remove(path);
}
BENCHMARK(BM_SaveLongestFile)->Unit(benchmark::kMillisecond);

void BM_LoadLongestFile(benchmark::State& bs) {
    CircuitState state;
    LoadLongestCycle(state);
    RunSimulation(state);
    const std::string path = TempFile("volvenza-bench-load.vlz");
    SaveSimulationFile(state, path);
    CircuitState loaded;
    InitCircuitState(loaded);
    for (auto _ : bs) {
        if (!LoadSimulationFile(loaded, path)) bs.SkipWithError("load failed");
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadLongestFile)->Unit(benchmark::kMillisecond);

}  // namespace
