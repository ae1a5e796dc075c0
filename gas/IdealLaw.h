#pragma once
// The ideal gas on a polytrope p V^n = const, with absolute pressures. n = 1
// is the isothermal law, 1.4 the adiabatic one for a diatomic gas. The
// precharge, set at the charging temperature, is carried to the working
// temperature at constant volume in kelvin. Charged slowly the run starts
// full at the working temperature, charged fast on the polytrope through
// the precharge; either way the accumulator is empty when the gas fills V0.
// The gas temperature follows the same polytrope, T V^(n-1) = const.

#include <cmath>
#include <limits>

#include "gas/GasLaw.h"
#include "gas/Result.h"

namespace volvenza::gas {

// Every caller sets the volume, pressures and working temperature, so
// their defaults are never read.
struct IdealLawSettings {
    double V0 = 0;           // nominal gas volume, dm3 (mutants: skip)
    double P0 = 0;           // precharge, bar gauge, at ChargeTemp (mutants: skip)
    double ChargeTemp = 20;  // °C
    double WorkTemp = 20;    // °C (mutants: skip)
    double Pm = 0;           // maximum pressure, bar gauge (mutants: skip)
    double Exponent = 1.4;   // n, from 1 to 1.67
    ChargeStart Start = ChargeStart::Slow;
};

class IdealLaw {
  public:
    static Result<IdealLaw> Create(const IdealLawSettings& settings);

    double Step(double volume) {
        if (!(volume > 0)) return std::numeric_limits<double>::infinity();
        volume_ = volume;
        const double ratio = fullVolume_ / volume;
        const double rise = std::pow(ratio, exponent_ - 1);  // (p / pm)^((n - 1) / n)
        pressure_ = pmAbs_ * rise * ratio - kAtmosphere;
        temperature_ = fullTemp_ * rise;
        return pressure_;
    }
    double Fill() {
        volume_ = fullVolume_;
        pressure_ = pm_;
        temperature_ = fullTemp_;
        return volume_;
    }
    bool Empty() const { return volume_ >= v0_; }
    double Volume() const { return volume_; }
    double Pressure() const { return pressure_; }
    double Temperature() const { return temperature_ - kKelvin; }
    double PrechargeAtTemp() const { return precharge_; }
    static constexpr GasDomain Domain() { return GasDomain::Gas; }

  private:
    IdealLaw() = default;
    // Create sets every member, so their defaults are never read.
    double exponent_ = 1.4;   // mutants: skip
    double v0_ = 0;           // mutants: skip
    double pm_ = 0;           // gauge (mutants: skip)
    double pmAbs_ = 0;        // mutants: skip
    double fullVolume_ = 0;   // mutants: skip
    double fullTemp_ = 0;     // K (mutants: skip)
    double precharge_ = 0;    // gauge, at the working temperature (mutants: skip)
    double volume_ = 0;       // mutants: skip
    double pressure_ = 0;     // mutants: skip
    double temperature_ = 0;  // K (mutants: skip)
};

static_assert(GasLaw<IdealLaw>);

}  // namespace volvenza::gas
