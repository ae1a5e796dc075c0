#pragma once
// A second, deliberately plain model of the accumulator's working cycle, kept
// apart from the engine so that each can check the other. It follows the
// cycle as the physics has it, with no grid: the flows are constant between
// the instants a movement starts or ends, the ideal gas and the isothermal
// nitrogen are closed forms along them, and nitrogen exchanging heat is
// integrated with fourth-order Runge-Kutta on steps sized by how fast the gas
// changes. A pump switch inside a step is found by bisection, re-integrating
// from the step's start, to 1e-10 s.
//
// Units as typed: dm3, dm3/min, bar gauge, s, degrees Celsius. The laws work
// on absolute pressures (gauge + the atmosphere) and kelvin.
//
// Not covered: a zero pressure band (the pump would switch on and off at one
// pressure) is refused; nitrogen is assumed to stay a gas inside the range of
// its equation, which holds for ordinary accumulator states.

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <stdexcept>
#include <vector>

#include "gas/GasLaw.h"
#include "gas/Nitrogen.h"

namespace volvenza::reference {

struct RefMovement {
    double ti = 0, tf = 0;  // s; a movement with tf <= ti draws nothing
    double qm = 0;          // dm3/min
};

struct RefCircuit {
    double V0 = 0;         // dm3, the gas volume of the empty accumulator
    double P0 = 0;         // bar gauge, the precharge at the charging temperature
    double Qp = 0;         // dm3/min
    double Pm = 0;         // bar gauge, where the pump unloads
    double Dp = 0;         // bar, the pump loads again at Pm - Dp
    double cycleTime = 0;  // s
    std::vector<RefMovement> moves;
};

enum class RefLaw { Ideal, Nitrogen };

struct RefGas {
    RefLaw law = RefLaw::Nitrogen;
    double n = 1.4;                                        // the ideal gas's polytrope exponent
    double tau = std::numeric_limits<double>::infinity();  // s; infinite: adiabatic, 0: isothermal
    double chargeTemp = 20;                                // degrees C at which P0 is given
    double workTemp = 20;                                  // degrees C, the wall's
};

struct RefCycle {
    double lowest = 0, lowestTime = 0, highest = 0;  // bar gauge; s, its first instant
    bool emptied = false;
    double emptiedAt = 0;                 // s; the cycle stops there
    double oilOut = 0;                    // dm3 the accumulator gave in the cycle
    double oilIn = 0;                     // dm3 it took in
    std::vector<double> pumpOn, pumpOff;  // s from the cycle's start
    double endPressure = 0;               // bar gauge
    double endVolume = 0;                 // dm3 of gas
    double endTemperature = 0;            // degrees C
    bool endPumping = false;
    // With sampling asked for: the pressure at t = j/100 s, for every such t up
    // to the cycle's end (or to the instant the accumulator emptied).
    std::vector<double> samples;
};

namespace detail {

namespace n2 = gas::nitrogen;
using gas::kAtmosphere;
using gas::kKelvin;

inline constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct GasState {
    double V = 0;  // dm3
    double T = 0;  // K
};

// The gas in the accumulator: pressure from its state, and its state after a
// while at a constant flow.
class Gas {
  public:
    Gas(const RefCircuit& c, const RefGas& g)
        : law_(g.law), n_(g.n), tau_(g.tau), wall_(g.workTemp + kKelvin) {
        const double p0 = c.P0 + kAtmosphere, pm = c.Pm + kAtmosphere;
        const double charge = g.chargeTemp + kKelvin;
        if (law_ == RefLaw::Ideal) {
            // The precharge is carried to the working temperature at constant
            // volume, then the gas is squeezed slowly to Pm.
            full_ = {c.V0 * p0 * wall_ / charge / pm, wall_};
            polytrope_ = pm * std::pow(full_.V, n_);
        } else {
            mass_ = Density(charge, p0) * c.V0 * 1e-3;
            full_ = {VolumeOf(Density(wall_, pm)), wall_};
        }
    }

    GasState Full() const { return full_; }

    double Pressure(const GasState& s) const {
        if (law_ == RefLaw::Ideal) return polytrope_ / std::pow(s.V, n_) - kAtmosphere;
        return n2::PropertiesAt(s.T, DensityOf(s.V)).p / 1e5 - kAtmosphere;
    }

    // How long a step may last at q dm3/min leaving the accumulator: forever
    // where the state follows a closed form, else a small fraction of the
    // time the gas takes to change appreciably.
    double MaxStep(const GasState& s, double q) const {
        if (ClosedForm(q)) return kInfinity;
        const double rate = std::abs(q) / 60 / s.V + (std::isinf(tau_) ? 0 : 1 / tau_);
        return kStepFraction / rate;
    }

    GasState Advance(GasState s, double q, double dt) const {
        if (law_ == RefLaw::Ideal || tau_ == 0) {
            s.V += q * dt / 60;
            return s;
        }
        // At a fixed volume the gas only relaxes towards the wall.
        if (q == 0) {
            if (!std::isinf(tau_)) s.T = wall_ + (s.T - wall_) * std::exp(-dt / tau_);
            return s;
        }
        return RungeKutta(s, q, dt);  // dt within MaxStep
    }

    // When the pressure, monotonic along the closed forms, reaches p: the
    // time from s at q, or nothing where no closed form applies.
    std::optional<double> TimeTo(const GasState& s, double q, double p) const {
        if (q == 0 || !ClosedForm(q)) return std::nullopt;
        const double pa = p + kAtmosphere;
        const double V = law_ == RefLaw::Ideal ? std::pow(polytrope_ / pa, 1 / n_)
                                               : VolumeOf(Density(wall_, pa));
        return (V - s.V) * 60 / q;
    }

  private:
    static constexpr double kStepFraction = 0.01;

    bool ClosedForm(double q) const {
        return law_ == RefLaw::Ideal || tau_ == 0 || (q == 0 && tau_ > 0);
    }
    static double Density(double T, double pBarAbs) {
        const auto rho = n2::DensityAt(T, pBarAbs * 1e5);
        if (!rho) throw std::runtime_error("reference: no nitrogen density");
        return *rho;
    }
    double DensityOf(double V) const { return mass_ / (V * 1e-3); }
    double VolumeOf(double rho) const { return mass_ / rho * 1e3; }

    // dT/dt: heat from the wall, and the work of the gas on the oil,
    // cv dT = -T (dp/dT)_rho dv for a real gas.
    double Slope(double T, double V, double q) const {
        const n2::Properties st = n2::PropertiesAt(T, DensityOf(V));
        const double dvdt = q / 60 * 1e-3 / mass_;
        const double heat = std::isinf(tau_) ? 0 : (wall_ - T) / tau_;
        return heat - T / st.cv * st.dpdT * dvdt;
    }
    GasState RungeKutta(const GasState& s, double q, double h) const {
        const double dV = q * h / 60;
        const double k1 = Slope(s.T, s.V, q);
        const double k2 = Slope(s.T + h / 2 * k1, s.V + dV / 2, q);
        const double k3 = Slope(s.T + h / 2 * k2, s.V + dV / 2, q);
        const double k4 = Slope(s.T + h * k3, s.V + dV, q);
        return {s.V + dV, s.T + h / 6 * (k1 + 2 * k2 + 2 * k3 + k4)};
    }

    RefLaw law_;
    double n_, tau_, wall_;
    double polytrope_ = 0;  // p V^n, bar abs dm3^n
    double mass_ = 0;       // kg
    GasState full_;
};

// One cycle after another, the gas and the pump carried from each to the next.
class Run {
  public:
    Run(const RefCircuit& c, const RefGas& g, bool sampled)
        : c_(c), gas_(c, g), s_(gas_.Full()), sampled_(sampled) {
        if (!(c.Dp > 0)) throw std::invalid_argument("reference: the pressure band must be > 0");
        // Where the demand may change, and where only a sample is taken.
        stops_ = {{0, true}, {c.cycleTime, true}};
        for (const RefMovement& m : c.moves) {
            for (double t : {m.ti, m.tf})
                if (t > 0 && t < c.cycleTime) stops_.push_back({t, true});
        }
        if (sampled_) {
            for (int j = 1; j / 100.0 < c.cycleTime; ++j) stops_.push_back({j / 100.0, false});
        }
        std::sort(stops_.begin(), stops_.end(), [](Stop a, Stop b) { return a.t < b.t; });
        std::vector<Stop> merged;
        for (const Stop& s : stops_) {
            if (!merged.empty() && merged.back().t == s.t)
                merged.back().change |= s.change;
            else
                merged.push_back(s);
        }
        stops_ = std::move(merged);
    }

    RefCycle Cycle() {
        r_ = {};
        r_.lowest = r_.highest = gas_.Pressure(s_);
        if (sampled_) r_.samples.push_back(r_.lowest);
        double demand = 0;
        for (size_t k = 0; k + 1 < stops_.size() && !r_.emptied; ++k) {
            if (stops_[k].change) demand = Demand(stops_[k].t);
            Span(stops_[k].t, stops_[k + 1].t, demand);
            if (sampled_ && !r_.emptied && IsSample(stops_[k + 1].t))
                r_.samples.push_back(gas_.Pressure(s_));
        }
        r_.endPressure = gas_.Pressure(s_);
        r_.endVolume = s_.V;
        r_.endTemperature = s_.T - kKelvin;
        r_.endPumping = on_;
        return r_;
    }

  private:
    double Demand(double t) const {
        double q = 0;
        for (const RefMovement& m : c_.moves)
            if (m.ti <= t && t < m.tf) q += m.qm;
        return q;
    }
    static bool IsSample(double t) { return std::round(t * 100) / 100 == t; }

    void Note(double t, double p) {
        if (p < r_.lowest) r_.lowest = p, r_.lowestTime = t;
        r_.highest = std::max(r_.highest, p);
    }
    void Flow(double q, double dt) { (q > 0 ? r_.oilOut : r_.oilIn) += std::abs(q) * dt / 60; }

    // From a to b at a constant demand.
    void Span(double a, double b, double demand) {
        for (double t = a; t < b;) {
            const double q = demand - (on_ ? c_.Qp : 0);
            if (q > 0 && s_.V >= c_.V0) return Empty(t);
            const double emptyAt = q > 0 ? t + (c_.V0 - s_.V) * 60 / q : kInfinity;
            const double end = std::min(b, emptyAt);
            const double h = std::min(end - t, gas_.MaxStep(s_, q));
            const bool last = h >= end - t;
            const double threshold = on_ ? c_.Pm : c_.Pm - c_.Dp;
            // Along a closed form the crossing is known before the step: a
            // step past it could squeeze the gas to no volume at all.
            const std::optional<double> closed = gas_.TimeTo(s_, q, threshold);
            const GasState next = gas_.Advance(s_, q, h);
            const double p = gas_.Pressure(next);
            if (closed ? *closed >= 0 && *closed < h : on_ ? p >= threshold : p <= threshold) {
                const double dt = Crossing(q, h, threshold);
                s_ = gas_.Advance(s_, q, dt);
                Flow(q, dt);
                t = std::min(t + dt, end);
                Note(t, gas_.Pressure(s_));
                on_ = !on_;
                (on_ ? r_.pumpOn : r_.pumpOff).push_back(t);
                continue;
            }
            s_ = next;
            Flow(q, h);
            t = last ? end : t + h;
            if (last && end == emptyAt) {
                s_.V = c_.V0;
                return Empty(t);
            }
            Note(t, p);
        }
    }

    // The time after the step's start at which the pressure reaches the
    // threshold, known to lie within the step's h.
    double Crossing(double q, double h, double threshold) const {
        if (const auto t = gas_.TimeTo(s_, q, threshold)) return std::clamp(*t, 0.0, h);
        double lo = 0, hi = h;
        while (hi - lo > 1e-10) {
            const double mid = (lo + hi) / 2;
            const double p = gas_.Pressure(gas_.Advance(s_, q, mid));
            ((on_ ? p >= threshold : p <= threshold) ? hi : lo) = mid;
        }
        return hi;
    }

    void Empty(double t) {
        r_.emptied = true;
        r_.emptiedAt = t;
        Note(t, gas_.Pressure(s_));
    }

    const RefCircuit& c_;
    Gas gas_;
    GasState s_;
    bool on_ = false;
    bool sampled_;
    struct Stop {
        double t;
        bool change;
    };
    std::vector<Stop> stops_;
    RefCycle r_;
};

}  // namespace detail

// Runs `cycles` cycles back to back, each starting where the last left the gas
// and the pump; the first starts full at Pm, the gas at the working
// temperature, the pump unloaded. Ends early at a cycle that emptied the
// accumulator. Throws std::invalid_argument for Dp <= 0.
inline std::vector<RefCycle> RunReference(const RefCircuit& circuit, const RefGas& gas,
                                          int cycles = 1, bool sampled = false) {
    detail::Run run(circuit, gas, sampled);
    std::vector<RefCycle> out;
    while (static_cast<int>(out.size()) < cycles && (out.empty() || !out.back().emptied))
        out.push_back(run.Cycle());
    return out;
}

// The same, but ends as soon as a cycle leaves the gas and the pump where one
// of the twenty before it did: from there on the cycles only repeat.
inline std::vector<RefCycle> RunUntilRepeating(const RefCircuit& circuit, const RefGas& gas,
                                               int cycles) {
    detail::Run run(circuit, gas, false);
    std::vector<RefCycle> out;
    while (static_cast<int>(out.size()) < cycles && (out.empty() || !out.back().emptied)) {
        out.push_back(run.Cycle());
        const RefCycle& last = out.back();
        const size_t n = out.size();
        for (size_t i = n >= 21 ? n - 21 : 0; i + 1 < n; ++i) {
            if (std::abs(out[i].endVolume - last.endVolume) <= 1e-10 * last.endVolume &&
                std::abs(out[i].endTemperature - last.endTemperature) <= 1e-7 &&
                out[i].endPumping == last.endPumping)
                return out;
        }
    }
    return out;
}

}  // namespace volvenza::reference
