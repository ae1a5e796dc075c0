#include "sizing/DesignFigures.h"

#include "engine/CycleDemand.h"
#include "engine/EnergyBalance.h"

namespace volvenza::sizing {

DesignFigures FiguresOf(const Evaluation& e, const SizingAnswer& a, const Requirements& req,
                        const CircuitData& data) {
    DesignFigures f;
    // Every design is of a size of the catalogue.
    f.RatedPressure = e.Size < req.Catalogue.size()
                          ? ClassingPressure(req.Catalogue[e.Size], req, GaugeBar(data.Pm))
                          : req.RatedPressure.value_or(GaugeBar(data.Pm));
    // Each vessel on its own: an accumulator, a bottle.
    f.Category = VesselCategory(f.RatedPressure, e.Proposed.V0);
    f.BottleCategory = VesselCategory(f.RatedPressure, e.Proposed.BottleSize);
    f.InstalledPower = HydraulicPower(e.Proposed.Qp.value(), data.Pm, req.PumpEfficiency);
    f.PumpOnlyPower = HydraulicPower(a.PeakDemand, req.MinPressure.value(), req.PumpEfficiency);
    if (!e.Temps.empty()) f.Energy = e.Worst().Energy.Delivered;
    f.Swing = e.Swing();
    const double cycleTime = Typed(data.CycleTime);
    // The search refuses a cycle without a time before any design is judged.
    f.CyclesPerYear = 3600 / cycleTime * req.HoursPerYear;
    if (e.Size < req.Catalogue.size()) {
        if (const auto& rated = req.Catalogue[e.Size].RatedCycles) {
            f.LifeYears = *rated / f.CyclesPerYear;
        }
    }
    return f;
}

}  // namespace volvenza::sizing
