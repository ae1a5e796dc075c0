#pragma once
// What an engineer adds by hand to a sizing answer, per design: the vessel's
// pressure-equipment category, the energy of a steady cycle, the pump power
// installed against a pump that alone would meet the cycle's peak flow at
// p1, and the pressure swing with the cycles a year.

#include <optional>

#include "engine/CircuitData.h"
#include "sizing/PressureCategory.h"
#include "sizing/Search.h"

namespace volvenza::sizing {

struct DesignFigures {
    GaugeBar RatedPressure;                                       // PS that classes it
    PressureCategory Category = PressureCategory::Outside;        // of each accumulator
    PressureCategory BottleCategory = PressureCategory::Outside;  // of each bottle
    double Energy = 0;          // kJ the accumulator gives in a steady cycle
    double InstalledPower = 0;  // kW
    double PumpOnlyPower = 0;   // kW
    double Swing = 0;           // bar, the largest of a steady cycle
    double CyclesPerYear = 0;
    // Years until the size's rated cycles, when the maker gives them.
    std::optional<double> LifeYears;
};

DesignFigures FiguresOf(const Evaluation& e, const SizingAnswer& a, const Requirements& req,
                        const CircuitData& data);

}  // namespace volvenza::sizing
