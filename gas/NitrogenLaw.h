#pragma once
// Real nitrogen in the accumulator: the charge and the states the gas can
// be in, solved on the reference equation of state.
//
// The precharge fixes the gas mass: m = rho(p0, T0) * V0 at the charging
// temperature. Charged slowly, the cycle starts full at the maximum pressure
// and the working temperature; charged fast, on the isentrope through the
// precharge at the working temperature (the isothermal gas starts at the
// working temperature either way).
//
// The heat exchange with the wall is the thermal time constant's: at constant
// volume the temperature relaxes towards the wall's as exp(-t / tau), that
// is, the gas takes m cv (Tw - T) / tau from the wall. With the volume moving
// too, the entropy changes only by that heat, ds/dt = cv (Tw - T) / (T tau),
// and everything else follows from the entropy and the density; tau = infinity
// keeps the entropy (adiabatic), tau = 0 the temperature (isothermal). The
// cycle engine integrates that; this class answers the states.
//
// The equation holds for the fluid, the law for the gas: Domain says whether
// a state is the single-phase gas inside the equation's range.

#include <limits>
#include <optional>

#include "gas/GasLaw.h"
#include "gas/Nitrogen.h"
#include "messages/Result.h"

namespace volvenza::gas {

struct NitrogenLawSettings {
    double V0 = 0;                                         // nominal gas volume, dm3
    double P0 = 0;                                         // precharge, bar gauge, at ChargeTemp
    double ChargeTemp = 20;                                // °C
    double WorkTemp = 20;                                  // °C
    double Pm = 0;                                         // maximum pressure, bar gauge
    double Tau = std::numeric_limits<double>::infinity();  // thermal time constant, s
    ChargeStart Start = ChargeStart::Slow;
};

// One state of the gas with the derivatives the cycle needs; SI, mass basis.
struct NitrogenState {
    double rho = 0;     // kg/m3
    double T = 0;       // K
    double p = 0;       // Pa, absolute
    double s = 0;       // J/(kg K)
    double u = 0;       // J/kg
    double cv = 0;      // J/(kg K)
    double dpdT = 0;    // Pa/K at constant density
    double dpdrho = 0;  // Pa m3/kg at constant temperature
    GasDomain domain = GasDomain::Gas;

    double Gauge() const { return ToGauge(AbsoluteBar(p / 1e5)).value(); }  // bar
};

class NitrogenLaw {
  public:
    static Result<NitrogenLaw> Create(const NitrogenLawSettings& settings);

    double Mass() const { return mass_; }  // kg
    double EmptyVolume() const { return v0_; }
    double WallTemperature() const { return workTemp_; }  // K
    double Tau() const { return tau_; }
    // The precharge at the working temperature, bar gauge (the chart's line).
    double PrechargeAtTemp() const { return precharge_; }
    // Full at Pm, where the cycle starts.
    const NitrogenState& Full() const { return full_; }

    double Density(double volume) const { return mass_ / (volume * 1e-3); }  // dm3 -> kg/m3
    double Volume(double rho) const { return mass_ / rho * 1e3; }            // dm3

    // The state at a density and temperature.
    NitrogenState At(double rho, double T) const;
    NitrogenState At(const nitrogen::DensityTerms& terms, double T) const;
    // The state of entropy s at a density, starting the search from a state
    // near it. A state with no gas temperature in the equation's range comes
    // back at the edge of the range, marked outside the gas.
    NitrogenState WithEntropy(double rho, double s, const NitrogenState& near) const;
    NitrogenState WithEntropy(const nitrogen::DensityTerms& terms, double s,
                              const NitrogenState& near) const;
    // The state of entropy s at an absolute pressure [Pa]; nothing when none.
    std::optional<NitrogenState> AtPressureWithEntropy(double p, double s,
                                                       const NitrogenState& near) const;
    // The state at an absolute pressure and a temperature; nothing when none.
    std::optional<NitrogenState> AtPressureAndTemperature(double p, double T,
                                                          const NitrogenState& near) const;

  private:
    NitrogenLaw() = default;
    NitrogenState Settle(const nitrogen::Helmholtz& f, double rho, double T) const;
    NitrogenState Solve(const nitrogen::DensityTerms& terms, double s, const NitrogenState& near,
                        bool march) const;

    double mass_ = 0;
    double v0_ = 0;
    double workTemp_ = 0;  // K
    double tau_ = 0;
    double precharge_ = 0;  // bar gauge
    NitrogenState full_;
};

}  // namespace volvenza::gas
