#pragma once
// Real nitrogen on the exact engine: adiabatic and isothermal, its pressure
// is its volume's and every answer a solve of the equation of state; with a
// finite thermal time constant its entropy moves by the heat from the wall,
// integrated with an embedded Runge-Kutta pair (Bogacki-Shampine 3(2)).

#include <algorithm>
#include <cmath>
#include <optional>

#include "engine/GasPath.h"
#include "engine/PathSupport.h"
#include "gas/NitrogenLaw.h"

namespace volvenza::path {

// What the integration carries: the entropy, and the work, pressure-time and
// heat since the stretch began.
struct Carried {
    double s = 0, work = 0, pressureTime = 0, heat = 0;
};
inline Carried operator+(Carried a, const Carried& b) {
    return {a.s + b.s, a.work + b.work, a.pressureTime + b.pressureTime, a.heat + b.heat};
}
inline Carried operator*(double k, const Carried& a) {
    return {k * a.s, k * a.work, k * a.pressureTime, k * a.heat};
}

// One step of Bogacki and Shampine's pair: third order, with a second-order
// estimate of its error, three evaluations a step (the last is the next
// step's first), and the cubic through both ends and their slopes in between.
struct Step {
    double t = 0, h = 0;
    Carried y0, y1, k1, k2, k3, k4;
    gas::NitrogenState end;  // at t + h

    double Error() const {
        return h * (-5.0 / 72 * k1.s + 1.0 / 12 * k2.s + 1.0 / 9 * k3.s - 1.0 / 8 * k4.s);
    }
    Carried At(double theta) const {
        const double t2 = theta * theta, t3 = t2 * theta;
        return (2 * t3 - 3 * t2 + 1) * y0 + (h * (t3 - 2 * t2 + theta)) * k1 +
               (-2 * t3 + 3 * t2) * y1 + (h * (t3 - t2)) * k4;
    }
};

class NitrogenPath final : public GasPath {
  public:
    NitrogenPath(const gas::NitrogenLaw& law, double pm, double tolerance)
        : law_(law), near_(law.Full()), pm_(pm), tolerance_(tolerance) {
        regime_ = std::isinf(law.Tau()) ? Regime::Adiabatic
                  : law.Tau() == 0      ? Regime::Isothermal
                                        : Regime::Exchange;
    }
    GasPoint Full() const override {
        GasPoint full = Point(law_.Full());
        // As typed, not the equation's last bit; a gas that is no gas at
        // Pm keeps what the equation says.
        if (full.domain == gas::GasDomain::Gas) full.pressure = pm_;
        return full;
    }
    double EmptyVolume() const override { return law_.EmptyVolume(); }
    bool ExchangesHeat() const override { return regime_ == Regime::Exchange; }
    double Memory() const override {
        if (regime_ != Regime::Exchange) return 0;
        // The heat m cv (Tw - T) / tau warms a gas held at its pressure by
        // cp dT: its time constant is tau cp / cv.
        const gas::NitrogenState& f = law_.Full();
        const double cp = f.cv + f.T * f.dpdT * f.dpdT / (f.rho * f.rho * f.dpdrho);
        return std::log(1000.0) * law_.Tau() * cp / f.cv;
    }
    double PrechargeAtTemp() const override { return law_.PrechargeAtTemp(); }
    double Energy(const GasPoint& p) const override { return law_.Mass() * p.energy; }
    Reached Advance(GasPoint& point, double from, double to, double rate, const Watch& watch,
                    PathLog& log) override {
        if (regime_ == Regime::Exchange) return Exchange(point, from, to, rate, watch, log);
        entropy_ = point.entropy;
        return AdvanceBarotropic(*this, point, from, to, rate, watch, log);
    }
    Reached Hold(GasPoint& point, double from, double to, PathLog& log) override {
        if (regime_ == Regime::Exchange) return ExchangeHeld(point, from, to, log);
        return HoldBarotropic(point, from, to, log);
    }
    std::optional<GasPoint> AtPressure(GaugeBar pressure, double entropy,
                                       const GasPoint& near) const override {
        const double p = ToAbsolute(pressure).value() * 1e5;
        if (!(p > 0)) return std::nullopt;
        const gas::NitrogenState from = State(near);
        const auto st = regime_ == Regime::Isothermal
                            ? law_.AtPressureAndTemperature(p, law_.WallTemperature(), from)
                            : law_.AtPressureWithEntropy(p, entropy, from);
        if (!st || st->domain != gas::GasDomain::Gas) return std::nullopt;
        near_ = *st;
        GasPoint point = Point(*st);
        point.pressure = pressure.value();
        return point;
    }

    // The barotropic model: adiabatic at the entropy of the stretch, or
    // isothermal at the wall's temperature.
    GasPoint At(double volume) const {
        const double rho = law_.Density(volume);
        const gas::NitrogenState st = regime_ == Regime::Isothermal
                                          ? law_.At(rho, law_.WallTemperature())
                                          : law_.WithEntropy(rho, entropy_, near_);
        // A state outside the gas is no place to start the next search from.
        if (st.domain == gas::GasDomain::Gas) near_ = st;
        return Point(st);
    }
    // A point on the grid, solved apart so that the run is the same sampled or not.
    GasPoint Sample(double volume) const {
        const double rho = law_.Density(volume);
        if (regime_ == Regime::Isothermal) return Point(law_.At(rho, law_.WallTemperature()));
        sampled_ = law_.WithEntropy(
            rho, entropy_,
            sampled_.domain == gas::GasDomain::Gas && sampled_.T > 0 ? sampled_ : near_);
        return Point(sampled_);
    }
    // The volume where the pressure is `pressure`, from the point a towards `towards`.
    std::optional<double> VolumeAt(GaugeBar pressure, const GasPoint& a, double towards) const {
        return VolumeOnPath(*this, pressure.value(), a, towards);
    }
    // Adiabatic, the work is the energy lost; isothermal, the free energy lost.
    double Work(const GasPoint& a, const GasPoint& b) const {
        double w = a.energy - b.energy;
        if (regime_ == Regime::Isothermal) w -= law_.WallTemperature() * (a.entropy - b.entropy);
        return law_.Mass() * w;
    }
    double Heat(const GasPoint& a, const GasPoint& b, double) const {
        if (regime_ == Regime::Adiabatic) return 0;
        return law_.Mass() * law_.WallTemperature() * (b.entropy - a.entropy);
    }

  private:
    enum class Regime { Adiabatic, Isothermal, Exchange };

    GasPoint Point(const gas::NitrogenState& st) const {
        GasPoint p;
        p.volume = law_.Volume(st.rho);
        p.pressure = st.Gauge();
        p.temperature = st.T - kKelvin;
        p.entropy = st.s;
        p.energy = st.u;
        p.domain = st.domain;
        // dp/drho along the isotherm, or the isentrope (the speed of sound
        // squared), and drho/dV = -rho / V; Pa to bar.
        const double along = regime_ == Regime::Isothermal
                                 ? st.dpdrho
                                 : st.dpdrho + st.T * st.dpdT * st.dpdT / (st.rho * st.rho * st.cv);
        p.slope = -along * st.rho / p.volume / 1e5;
        return p;
    }

    gas::NitrogenState State(const GasPoint& p) const {
        return law_.At(law_.Density(p.volume), p.temperature + kKelvin);
    }
    // How fast the entropy grows by the heat from the wall.
    double EntropyRate(const gas::NitrogenState& st) const {
        return st.cv * (law_.WallTemperature() - st.T) / (st.T * law_.Tau());
    }
    // What the carried quantities grow by at a state of the stretch.
    Carried Rates(const gas::NitrogenState& st, double rate) const {
        const double ds = EntropyRate(st);
        return {ds, st.p * rate * 1e-3, st.Gauge(), law_.Mass() * st.T * ds};
    }
    // dp/dt [Pa/s] at a state whose volume grows at `rate`.
    double PressureRate(const gas::NitrogenState& st, double volume, double rate) const {
        const double drho = -st.rho * rate / volume;
        const double dT = st.T / st.cv * (EntropyRate(st) + st.dpdT * drho / (st.rho * st.rho));
        return st.dpdrho * drho + st.dpdT * dT;
    }

    // One step of the entropy's integration from (t, y) with its first slope
    // k1, the states at its stages solved by `stateAt(t, s)`; the state at
    // its end is left in near_.
    template <class StateAt>
    Step Try(double t, double h, const Carried& y, const Carried& k1, double rate,
             StateAt stateAt) {
        Step st{t, h, y, {}, k1, {}, {}, {}, {}};
        st.k2 = Rates(stateAt(t + h / 2, (y + (h / 2) * k1).s), rate);
        st.k3 = Rates(stateAt(t + 3 * h / 4, (y + (3 * h / 4) * st.k2).s), rate);
        st.y1 = y + (h * 2 / 9) * k1 + (h / 3) * st.k2 + (h * 4 / 9) * st.k3;
        st.end = stateAt(t + h, st.y1.s);
        st.k4 = Rates(st.end, rate);
        return st;
    }
    // The factor the next step grows by after an error of `error` tolerances.
    static double Growth(double error) {
        return error == 0 ? 4 : std::clamp(0.9 * std::cbrt(1 / error), 0.2, 4.0);
    }

    // The parts of a step of the exchanging stretch: the step to try from t,
    // and, within a step taken (`In`: its states and volumes), where the
    // pressure turns (-1: nowhere, its state left in atTurn), where it
    // reaches the watched level, the last fraction of it the gas holds, and
    // where of these it ends (noting what it reached in r).
    template <class VolumeOf>
    double StepSize(double h, double t, double from, double to, double rate,
                    const gas::NitrogenState& st0, const Watch& watch, VolumeOf volumeAt) const;
    template <class In>
    double TurnWithin(const In& in, const gas::NitrogenState& st0, const gas::NitrogenState& st1,
                      gas::NitrogenState& atTurn) const;
    template <class In>
    std::optional<double> LevelWithin(const In& in, const Watch& watch,
                                      const gas::NitrogenState& st0, const gas::NitrogenState& st1,
                                      double turn, const gas::NitrogenState& atTurn) const;
    template <class In>
    double GasEndWithin(const In& in, double stop) const;
    template <class In>
    double StopWithin(const In& in, const Watch& watch, const gas::NitrogenState& st0,
                      const gas::NitrogenState& st1, double turn, const gas::NitrogenState& atTurn,
                      Reached& r) const;
    Reached Exchange(GasPoint& point, double from, double to, double rate, const Watch& watch,
                     PathLog& log);
    Reached ExchangeHeld(GasPoint& point, double from, double to, PathLog& log);

    gas::NitrogenLaw law_;
    Regime regime_;
    double entropy_ = 0;                  // of the barotropic stretch under way
    mutable gas::NitrogenState near_;     // the last state solved: where the next search starts
    mutable gas::NitrogenState sampled_;  // the last point sampled: where the next one starts
    double pm_;                           // bar gauge
    double tolerance_;                    // of the entropy per step [J/(kg K)]
    double step_ = 0.1;                   // what the next step may take [s]
    gas::nitrogen::DensityTerms terms_;   // of the density solved last with heat exchange
};

}  // namespace volvenza::path
