#pragma once
// Which gas law a run follows, with its settings and the temperature
// envelope, and what a run leaves besides the five classic series: the gas
// temperature and, per working temperature, the lowest pressure, its time,
// the ending and the warmest gas. None of this is written to simulation files.

#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "gas/GasLaw.h"
#include "numbers/Quantity.h"

namespace volvenza {

enum class GasLawKind : int16_t {
    Classic,   // p V^1.4 with the pressures as typed (the default)
    Ideal,     // p V^n on absolute pressures
    Nitrogen,  // real nitrogen with heat exchange to the wall
};

// The vessels on the gas side beyond the initial data's one accumulator of
// V0, and the share of Qp the pump really delivers: inputs of a run that the
// simulation file does not keep (the project does).
struct Arrangement {
    int Count = 1;                    // identical accumulators of V0 in parallel
    double BottleVolume = 0;          // dm3 of gas bottles on their gas side
    double VolumetricEfficiency = 1;  // of the pump

    bool operator==(const Arrangement&) const = default;
};

inline constexpr int kMaxParallel = 20;

struct GasSettings {
    GasLawKind Law = GasLawKind::Classic;
    double Exponent = 1.4;                                 // n of the ideal law
    double Tau = std::numeric_limits<double>::infinity();  // thermal time constant [s]
    double ChargeTemp = 20;                                // temperature of the precharge [°C]
    // The coldest and warmest working temperature [°C]; nothing stands for
    // the working temperature tc, and with both at tc the envelope is off.
    std::optional<double> MinTemp;
    std::optional<double> MaxTemp;
    // Where the ideal and real laws find the gas at the start (the classic
    // law always starts as it did).
    gas::ChargeStart Start = gas::ChargeStart::Slow;
    Arrangement Vessels{};

    bool operator==(const GasSettings&) const = default;
};

// The law every engineering answer uses: the settings' own, but real
// nitrogen where they ask for the classic law, which only reproduces the
// original program's results.
inline GasSettings EngineeringGas(GasSettings gas) {
    if (gas.Law == GasLawKind::Classic) gas.Law = GasLawKind::Nitrogen;
    return gas;
}

// One run of the cycle at one working temperature.
struct TemperatureRun {
    double WorkTemp = 0;  // °C
    // Pressures here are bar gauge under every law: the ideal and real laws
    // convert at their edges, and the classic law takes p V^1.4 on the
    // gauge figures as typed, so its pressures are read as gauge too.
    GaugeBar LowestPressure;
    double LowestTime = 0;  // s
    bool Warning = false;   // ended because the gas expanded to its precharge
    // Ended because the gas left the states its law describes, and where to.
    gas::GasDomain Outside = gas::GasDomain::Gas;
    double LowestGasTemp = 0;   // °C
    double HighestGasTemp = 0;  // °C
    double EndGasTemp = 0;      // °C, at End
    GaugeBar EndPressure;       // at End
    double EndTime = 0;         // s: the instant the run ended (its last inside the gas)
    // The last step computed: the cycle's end, the warning's step or the last
    // one inside the gas's domain.
    int End = 0;
    int16_t LastPoint = 0;  // the last point the views show, as for the main run
    // The pressures 0..End [bar gauge], kept for the runs at the envelope's
    // limits.
    std::vector<double> Pressures;
};

struct GasResults {
    GasLawKind Law = GasLawKind::Classic;  // the law of the last run
    // Gas temperature [°C] per point, like PSeries; empty for the classic law.
    std::vector<double> TSeries;
    // From the coldest to the warmest: only the working temperature without
    // the envelope, otherwise the lowest, tc and the highest.
    std::vector<TemperatureRun> Runs;
    int MainRun = 0;  // index of the run at tc, whose series are the state's
};

}  // namespace volvenza
