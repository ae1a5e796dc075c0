#pragma once
// The classic law: p V^1.4 = const with the pressures as typed, the
// precharge (given at 20 °C) carried to the working temperature at constant
// volume with 273.16 for the kelvin. Every value is computed exactly as the
// program always has, in the same order and widths, so that a run with this
// law gives the same bits as before the laws became interchangeable.

#include <cmath>
#include <limits>

#include "gas/GasLaw.h"

namespace volvenza::gas {

class ClassicLaw {
  public:
    ClassicLaw() = default;
    // The single-precision values of the initial data, and the working
    // temperature in °C.
    ClassicLaw(float v0, float p0, double workTemp, float pm)
        : workTemp_(workTemp),
          precharge_((workTemp + 273.16) * p0 / 293.16),
          constant_(std::pow(static_cast<double>(v0), 1.4) * precharge_),
          fullVolume_(std::pow(constant_ / (static_cast<double>(pm) + 1e-21), 1 / 1.4)),
          pm_(pm) {
        Fill();
    }

    // Only a volume at or below zero counts as over-full: a volume that is
    // not a number goes through the power and gives a pressure that is not
    // one either, as it always did.
    double Step(double volume) {
        if (volume <= 0) return std::numeric_limits<double>::infinity();
        volume_ = volume;
        pressure_ = constant_ / std::pow(volume, 1.4);
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
    static constexpr GasDomain Domain() { return GasDomain::Gas; }

  private:
    double workTemp_ = 0;
    double precharge_ = 0;
    double constant_ = 0;  // V0^1.4 times the corrected precharge
    double fullVolume_ = 0;
    double pm_ = 0;
    double volume_ = 0;
    double pressure_ = 0;
};

static_assert(GasLaw<ClassicLaw>);

}  // namespace volvenza::gas
