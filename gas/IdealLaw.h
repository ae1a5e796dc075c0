#pragma once
// The ideal gas on a polytrope p V^n = const, with absolute pressures. n = 1
// is the isothermal law, 1.4 the adiabatic one for a diatomic gas. The
// precharge, set at the charging temperature, is carried to the working
// temperature at constant volume in kelvin. Charged slowly the cycle starts
// full at the working temperature, charged fast on the polytrope through
// the precharge; either way the accumulator is empty when the gas fills V0.
// The gas temperature follows the same polytrope, T V^(n-1) = const.
//
// Everything here is a closed form of the gas volume, so a cycle can go from
// one event to the next without steps.

#include <cmath>
#include <limits>

#include "gas/GasLaw.h"
#include "messages/Result.h"

namespace volvenza::gas {

struct IdealLawSettings {
    double V0 = 0;           // nominal gas volume, dm3
    double P0 = 0;           // precharge, bar gauge, at ChargeTemp
    double ChargeTemp = 20;  // °C
    double WorkTemp = 20;    // °C
    double Pm = 0;           // maximum pressure, bar gauge
    double Exponent = 1.4;   // n, from 1 to 1.67
    ChargeStart Start = ChargeStart::Slow;
};

class IdealLaw {
  public:
    static Result<IdealLaw> Create(const IdealLawSettings& settings);

    double EmptyVolume() const { return v0_; }
    // The gas volume at Pm on the polytrope [dm3].
    double FullVolume() const { return fullVolume_; }
    double Exponent() const { return exponent_; }
    // The precharge at the working temperature, bar gauge (the chart's line).
    double PrechargeAtTemp() const { return precharge_; }

    // Bar gauge at a gas volume; a volume at or below zero holds no gas.
    double PressureAt(double volume) const {
        if (!(volume > 0)) return std::numeric_limits<double>::infinity();
        return ToGauge(AbsoluteBar(pmAbs_ * std::pow(fullVolume_ / volume, exponent_))).value();
    }
    // The gas volume at a gauge pressure above an absolute vacuum.
    double VolumeAt(double pressure) const {
        return fullVolume_ *
               std::pow(pmAbs_ / ToAbsolute(GaugeBar(pressure)).value(), 1 / exponent_);
    }
    // °C
    double TemperatureAt(double volume) const {
        return fullTemp_ * std::pow(fullVolume_ / volume, exponent_ - 1) - kKelvin;
    }
    // The work the gas does growing from v1 to v2 on absolute pressures [J].
    double WorkBetween(double v1, double v2) const;
    // The internal energy of the diatomic gas at a volume, p V / (1.4 - 1) on
    // absolute pressures [J]: only its changes mean anything.
    double EnergyAt(double volume) const {
        return ToAbsolute(GaugeBar(PressureAt(volume))).value() * volume * 100 / 0.4;
    }

  private:
    IdealLaw() = default;
    double exponent_ = 1.4;
    double v0_ = 0;
    double pmAbs_ = 0;
    double fullVolume_ = 0;
    double fullTemp_ = 0;   // K
    double precharge_ = 0;  // gauge, at the working temperature
};

}  // namespace volvenza::gas
