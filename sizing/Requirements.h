#pragma once
// What the engineer asks of an accumulator: the lowest working pressure, the
// kind of accumulator and the sizes on offer, the pressure limits, the gas
// law and temperatures, and which of pump and precharge may be chosen.

#include <optional>
#include <string>
#include <vector>

#include "engine/GasSettings.h"

namespace volvenza::sizing {

enum class AccumulatorType { Bladder, Piston, Diaphragm };

// Nominal gas volumes [dm3] of a usual maker's range.
inline std::vector<double> DefaultCatalogue() {
    return {0.16, 0.32, 0.5, 0.75, 1, 1.4, 2, 2.5, 4, 5, 6, 10, 13, 20, 24, 32, 35, 50};
}

struct Requirements {
    double MinPressure = 0;  // p1: the lowest pressure at which the machine works [bar]
    AccumulatorType Type = AccumulatorType::Bladder;
    std::vector<double> Catalogue = DefaultCatalogue();  // ascending [dm3]
    std::optional<double> RatedPressure;                 // PS [bar]
    std::optional<double> ReliefSetting;                 // [bar]
    GasSettings Gas;
    bool SizePump = false;        // look for the smallest pump that still passes
    bool ChoosePrecharge = true;  // otherwise the precharge of the data is kept
    bool RepeatCycles = false;    // judge the worst of the repeated cycles

    bool operator==(const Requirements&) const = default;
};

// The design a run is made of: the accumulator's size, its precharge (in the
// frame of the initial data: at 20 °C for the classic law, at the charging
// temperature for the others) and the pump's delivery.
struct Design {
    double V0 = 0;  // dm3
    double P0 = 0;  // bar
    double Qp = 0;  // dm3/min

    bool operator==(const Design&) const = default;
};

// Italian names of the accumulator types, as the answers print them.
std::string TypeName(AccumulatorType type);

}  // namespace volvenza::sizing
