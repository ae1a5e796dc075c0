#pragma once
// Nitrogen as a real gas: the reference equation of state of Span, Lemmon,
// Jacobsen, Wagner and Yokozeki, "A Reference Equation of State for the
// Thermodynamic Properties of Nitrogen for Temperatures from 63.151 to 1000 K
// and Pressures to 2200 MPa", J. Phys. Chem. Ref. Data 29, 1361 (2000).
//
// The equation gives the Helmholtz energy as a function of the reduced density
// delta = rho / rho_c and the inverse reduced temperature tau = T_c / T, split
// into an ideal-gas part and a residual part; every other property follows
// from its derivatives. All quantities here are SI on a mass basis: K, kg/m3,
// Pa, J/kg, J/(kg K), m/s.
//
// Speed: the residual part is a sum of terms n * delta^d * tau^t * E(delta).
// Everything that depends on the density alone is gathered once per density
// into one coefficient per distinct exponent t (DensityTerms), so a change of
// temperature at fixed density (the inner loop of every solve here) costs
// only the powers of tau, three square roots and a handful of exponentials.

#include <array>
#include <optional>
#include <string>

#include "gas/GasLaw.h"
#include "messages/Result.h"

namespace volvenza::gas::nitrogen {

inline constexpr double kMolarMass = 0.02801348;                    // kg/mol
inline constexpr double kGasConstant = 8.31451 / kMolarMass;        // J/(kg K)
inline constexpr double kCriticalTemperature = 126.192;             // K
inline constexpr double kCriticalDensity = 11.1839e3 * kMolarMass;  // kg/m3
inline constexpr double kTripleTemperature = 63.151;                // K
inline constexpr double kMaxTemperature = 1000;                     // K
inline constexpr double kMaxPressure = 2200e6;                      // Pa

// The distinct temperature exponents of the residual power and exponential terms.
inline constexpr int kTauExponentCount = 20;

// The residual part's density-only factors at one density.
struct DensityTerms {
    double rho = 0;
    double delta = 0;
    double logDelta = 0;
    // Per distinct exponent t: the sum of n * delta^d * E(delta), and the same
    // sum differentiated once (times delta) and twice (times delta^2).
    std::array<double, kTauExponentCount> a{}, ad{}, add{};
    // The four Gaussian terms are left to Evaluate: their temperature factor
    // exp(-beta (tau - gamma)^2) is below 1e-35 above about 210 K, where they
    // are skipped altogether.
};

DensityTerms PrepareDensity(double rho);

// The reduced Helmholtz energy with its derivatives, each multiplied by the
// matching powers of delta and tau (ar_dt is delta * tau * d2(ar)/d(delta)d(tau)).
struct Helmholtz {
    double a0 = 0, a0_t = 0, a0_tt = 0;
    double ar = 0, ar_t = 0, ar_tt = 0;
    double ar_d = 0, ar_dd = 0, ar_dt = 0;
};

Helmholtz Evaluate(const DensityTerms& terms, double temperature);

struct Properties {
    double T = 0;     // K
    double rho = 0;   // kg/m3
    double p = 0;     // Pa
    double Z = 0;     // compressibility factor
    double s = 0;     // J/(kg K)
    double u = 0;     // J/kg
    double h = 0;     // J/kg
    double cv = 0;    // J/(kg K)
    double cp = 0;    // J/(kg K)
    double w = 0;     // speed of sound, m/s
    double dpdT = 0;  // (dp/dT) at constant density, Pa/K
};

Properties PropertiesFrom(const Helmholtz& f, double temperature, double rho);
// No range check: the caller knows the state is a fluid one.
Properties PropertiesAt(double temperature, double rho);

// The melting pressure, above which nitrogen is solid and the equation does not apply.
double MeltingPressure(double temperature);

// Done when (T, p) is a fluid state the equation covers, or a message naming
// what is outside its range.
Status CheckRange(double temperature, double pressure);

// Whether (T, rho) with its pressure p is the single-phase gas: the
// saturation ancillary of the publication decides between gas and
// condensing below the critical temperature, so the check costs a few
// comparisons above it.
GasDomain DomainOf(double temperature, double rho, double pressure);

// The density of the stable phase at (T, p): vapour below the saturation
// pressure, liquid above it, the single fluid above the critical temperature.
// A guess close to the answer (the density a moment ago) saves iterations;
// 0 lets the search start on its own.
Result<double> DensityAt(double temperature, double pressure, double guess = 0);

// The temperature at which the entropy at density rho equals s; guess is
// where the search starts (any temperature in range will do, a close one is
// faster), and the root is looked for between lo and hi.
Result<double> TemperatureAt(double entropy, double rho, double guess,
                             double lo = kTripleTemperature, double hi = kMaxTemperature);

}  // namespace volvenza::gas::nitrogen
