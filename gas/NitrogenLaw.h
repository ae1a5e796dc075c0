#pragma once
// Real nitrogen in the accumulator, with heat exchange to the wall.
//
// The precharge fixes the gas mass: m = rho(p0, T0) * V0 at the charging
// temperature. Charged slowly, the run starts full at the maximum pressure
// and the working temperature; charged fast, on the isentrope through the
// precharge at the working temperature (the isothermal gas starts at the
// working temperature either way). Each step first changes the volume keeping the entropy (a
// reversible adiabatic change, solved for the temperature at the new
// density), then lets the temperature relax towards the working temperature
// by exp(-dt / tau). That is exact in both limits: tau = infinity is the
// adiabatic gas, tau = 0 the isothermal one. The full accumulator is held at
// the maximum pressure by taking the step's small overshoot back along the
// isentrope (at the working temperature for the isothermal gas).
//
// The equation holds for the fluid, the law for the gas: after every step and
// fill Domain says whether the gas is still a single-phase gas inside the
// equation's range, and the run ends where it is not.
//
// Speed: a step prepares the density-only part of the equation once, starts
// the temperature from a first-order estimate (dT = -(T / cv) (dp/dT)_rho dv
// with the previous step's cv and (dp/dT)_rho), and one Newton correction
// then lands within about 1e-14 of the answer, so the state there follows
// from the evaluated one to first order: one evaluation of the equation per
// step, two when heat exchange moves the temperature on.

#include <limits>

#include "gas/GasLaw.h"
#include "gas/Nitrogen.h"
#include "gas/Result.h"

namespace volvenza::gas {

struct NitrogenLawSettings {
    double V0 = 0;                                         // nominal gas volume, dm3
    double P0 = 0;                                         // precharge, bar gauge, at ChargeTemp
    double ChargeTemp = 20;                                // °C
    double WorkTemp = 20;                                  // °C
    double Pm = 0;                                         // maximum pressure, bar gauge
    double Tau = std::numeric_limits<double>::infinity();  // thermal time constant, s
    double TimeStep = 0.01;                                // s
    ChargeStart Start = ChargeStart::Slow;
};

class NitrogenLaw {
  public:
    static Result<NitrogenLaw> Create(const NitrogenLawSettings& settings);

    double Step(double volume);
    double Fill();
    bool Empty() const { return volume_ >= v0_; }
    double Volume() const { return volume_; }
    double Pressure() const { return pressure_; }
    double Temperature() const { return temperature_ - kKelvin; }
    double PrechargeAtTemp() const { return precharge_; }
    GasDomain Domain() const { return domain_; }

    double Mass() const { return mass_; }        // kg
    double Density() const { return rho_; }      // kg/m3
    double Entropy() const { return entropy_; }  // J/(kg K)
    double TemperatureK() const { return temperature_; }

  private:
    NitrogenLaw() = default;
    // Takes (T, rho) as the new state: pressure, entropy and the derivatives
    // the next step's estimate needs.
    void Settle(const nitrogen::DensityTerms& terms, double temperature);
    // Moves the gas to the terms' density keeping its entropy.
    void Isentropic(const nitrogen::DensityTerms& terms);
    void CheckDomain() {
        domain_ = nitrogen::DomainOf(temperature_, rho_, (pressure_ + kAtmosphere) * 1e5);
    }

    double mass_ = 0;
    double v0_ = 0;
    double pmAbs_ = 0;      // Pa
    double workTemp_ = 0;   // K
    double relax_ = 1;      // exp(-dt / tau)
    double precharge_ = 0;  // bar gauge
    double volume_ = 0;     // dm3
    double rho_ = 0;
    double temperature_ = 0;  // K
    double pressure_ = 0;     // bar gauge
    double entropy_ = 0;
    double cv_ = 0;
    double dpdT_ = 0;
    GasDomain domain_ = GasDomain::Gas;
};

static_assert(GasLaw<NitrogenLaw>);

}  // namespace volvenza::gas
