#include "engine/PressureWatch.h"

#include <algorithm>

namespace volvenza {

std::vector<PressureStretch> StretchesBelow(const CircuitState& state, double pressure) {
    std::vector<PressureStretch> below;
    const int last = std::min<int>(state.LastPoint, static_cast<int>(state.PSeries.size()) - 1);
    const double step = state.TimeStep;
    bool inside = false;
    for (int k = 0; k <= last; ++k) {
        const double p = state.PSeries[k];
        if (!(p < pressure)) {
            inside = false;
            continue;
        }
        if (!inside) below.push_back({k * step, k * step, p});
        inside = true;
        below.back().to = k * step;
        below.back().lowest = std::min(below.back().lowest, p);
    }
    const GasResults& run = state.GasRun;
    const auto main = static_cast<size_t>(run.MainRun);
    if (below.empty() && main < run.Runs.size() && last > 0 &&
        run.Runs[main].LowestPressure < GaugeBar(pressure)) {
        const TemperatureRun& lowest = run.Runs[main];
        below.push_back({lowest.LowestTime, lowest.LowestTime, lowest.LowestPressure.value()});
    }
    return below;
}

}  // namespace volvenza
