#pragma once
// The ideal gas on a polytrope: p V^n = const through the precharge, with
// absolute pressures. n = 1 is the isothermal law, 1.4 the adiabatic one for
// a diatomic gas. The precharge, set at the charging temperature, is carried
// to the working temperature at constant volume in kelvin.

#include <cmath>
#include <limits>

#include "gas/GasLaw.h"
#include "gas/Result.h"

namespace volvenza::gas {

struct IdealLawSettings {
    double V0 = 0;           // nominal gas volume, dm3
    double P0 = 0;           // precharge, bar gauge, at ChargeTemp
    double ChargeTemp = 20;  // °C
    double WorkTemp = 20;    // °C
    double Pm = 0;           // maximum pressure, bar gauge
    double Exponent = 1.4;   // n, from 1 to 1.67
};

class IdealLaw {
  public:
    static Result<IdealLaw> Create(const IdealLawSettings& settings);

    double Step(double volume) {
        if (!(volume > 0)) return std::numeric_limits<double>::infinity();
        volume_ = volume;
        pressure_ = constant_ / std::pow(volume, exponent_) - kAtmosphere;
        return pressure_;
    }
    double Fill() {
        volume_ = fullVolume_;
        pressure_ = pm_;
        return volume_;
    }
    bool Empty() const { return pressure_ <= precharge_; }
    double Volume() const { return volume_; }
    double Pressure() const { return pressure_; }
    double Temperature() const { return workTemp_; }
    double PrechargeAtTemp() const { return precharge_; }

  private:
    IdealLaw() = default;
    double exponent_ = 1.4;
    double constant_ = 0;  // p V^n, absolute bar times dm3^n
    double fullVolume_ = 0;
    double pm_ = 0;
    double precharge_ = 0;  // gauge, at the working temperature
    double workTemp_ = 0;
    double volume_ = 0;
    double pressure_ = 0;
};

static_assert(GasLaw<IdealLaw>);

}  // namespace volvenza::gas
