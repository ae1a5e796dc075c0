#pragma once
// What the engineer asks of an accumulator: the lowest working pressure, the
// kind of accumulator and the sizes on offer, the pressure limits, the gas
// law and temperatures, and which of pump and precharge may be chosen.

#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "engine/Duties.h"
#include "engine/GasSettings.h"
#include "numbers/Quantity.h"

namespace volvenza::sizing {

enum class AccumulatorType { Bladder, Piston, Diaphragm };

// One size of the maker's range, with the limits the maker gives for it.
struct CatalogueSize {
    Dm3 V0;  // nominal gas volume
    // The highest compression ratio Pm / p0 on absolute pressures; infinity
    // where the type has none (a piston).
    double MaxRatio = std::numeric_limits<double>::infinity();
    std::optional<GaugeBar> RatedPressure;  // PS of this size; else the requirements' PS
    std::optional<Dm3PerMin> MaxFlow;       // largest oil flow in or out
    std::optional<double> Tau;              // its own thermal time constant [s], real gas
    // The maker's fatigue rating: the largest pressure swing the size stands
    // for `RatedCycles` cycles; the cycles alone only tell the life.
    std::optional<BarDifference> RatedSwing;
    std::optional<double> RatedCycles;

    bool operator==(const CatalogueSize&) const = default;
};

// Sizes of a usual maker's range with the compression ratio general
// guidance gives: 4 for a bladder, 8, 6 or 4 for a diaphragm as the size
// grows, no limit for a piston.
std::vector<CatalogueSize> DefaultCatalogue(AccumulatorType type);
// A size of `v0` with the limits of the type's default size nearest to it.
CatalogueSize DefaultSize(AccumulatorType type, Dm3 v0);

// Gas bottles as commonly sold for nitrogen (water capacity [dm3]).
std::vector<double> DefaultBottleSizes();
// The most bottles on one accumulator.
inline constexpr int kMaxBottles = 8;

// The highest number of sizes a catalogue may hold.
inline constexpr size_t kMaxCatalogueSizes = 200;

struct Requirements {
    GaugeBar MinPressure;  // p1: the lowest pressure at which the machine works
    AccumulatorType Type = AccumulatorType::Bladder;
    std::vector<CatalogueSize> Catalogue = DefaultCatalogue(AccumulatorType::Bladder);
    std::optional<GaugeBar> RatedPressure;  // PS
    std::optional<GaugeBar> ReliefSetting;
    // Share of the precharge the gauge may be off by, or the gas may lose:
    // rule 2 must hold at the precharge plus it, rule 3 at the precharge less
    // it, the rules of the runs at the precharge and at both ends.
    double PrechargeTolerance = 0.02;
    // How long the machine runs without a stop [h]: a lowest pressure still
    // falling from cycle to cycle must stay above p1 for that long.
    double WorkingHours = 8;
    // The coldest gas the separating element stands [°C]; nothing for the
    // separators' usual figure (kSeparatorMinimumGasTemperature).
    std::optional<double> MinGasTemp;
    // For the energy balance and the fatigue figures: the pump's overall
    // efficiency and the hours the machine runs in a year.
    double PumpEfficiency = 0.9;
    double HoursPerYear = 2000;
    GasSettings Gas;
    bool SizePump = false;        // look for the smallest pump that still passes
    bool ChoosePrecharge = true;  // otherwise the precharge of the data is kept
    // Judge the first cycle alone, started full: only for a machine that
    // really runs one cycle and then stops long enough to recharge.
    bool SingleCycle = false;
    // Bottle sizes on offer, for a piston accumulator's gas side.
    std::vector<double> BottleSizes = DefaultBottleSizes();
    // Try arrangements (accumulators in parallel, bottles) even when one
    // size passes; otherwise only when none does.
    bool Arrangements = false;
    // The emergency stroke's start and the pressure held (rules 8 and 9);
    // the loads and the emergency marks are the movements' own.
    DutyPlan Duties;

    bool operator==(const Requirements&) const = default;
};

// The design a run is made of: the accumulator's size, its precharge (in the
// frame of the initial data: at 20 °C for the classic law, at the charging
// temperature for the others) and the pump's delivery.
//
// Beyond one vessel: `Count` identical accumulators of V0 in parallel, or
// (a piston accumulator) one with `Bottles` gas bottles of `BottleSize`.
struct Design {
    Dm3 V0{};
    GaugeBar P0{};
    Dm3PerMin Qp{};
    int Count = 1;
    Dm3 BottleSize{};
    int Bottles = 0;

    Dm3 BottleVolume() const { return BottleSize * Bottles; }
    Dm3 GasVolume() const { return Count * V0 + BottleVolume(); }
    bool Single() const { return Count == 1 && Bottles == 0; }
    bool operator==(const Design&) const = default;
};

// The coldest gas the requirements allow [°C].
double AllowedGasTemperature(const Requirements& req);

// The temperature the data's precharge is given at [°C].
inline double PrechargeTemperature(const GasSettings& gas) {
    return gas.Law == GasLawKind::Classic ? 20.0 : gas.ChargeTemp;
}

}  // namespace volvenza::sizing
