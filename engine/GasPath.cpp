#include "engine/GasPath.h"

#include <array>
#include <cmath>
#include <optional>

#include "engine/CycleDemand.h"
#include "gas/IdealLaw.h"
#include "gas/NitrogenLaw.h"

namespace volvenza {
namespace {

using gas::kAtmosphere;
using gas::kKelvin;

// J the gauge pressure does over a volume change: 1 bar dm3 is 100 J.
constexpr double kJoulePerBarDm3 = 100;

// Takes the grid points before `until` from a gas whose point at an instant
// is `at(t)`.
template <class PointAt>
void TakeSamples(PathLog& log, double until, PointAt at) {
    Sampler* s = log.sampler;
    if (s == nullptr) return;
    while (s->Next() <= s->Last() && s->Time(s->Next()) < until) s->Take(at(s->Time(s->Next())));
}

// The volume where a gas whose pressure falls ever less steeply as it grows
// reaches `level`, from the point a towards `towards`: Newton along the path,
// whose tangents lie below it, so that the steps close in from one side;
// nothing when the level lies beyond `towards`.
template <class Model>
std::optional<double> VolumeOnPath(const Model& m, double level, const GasPoint& a,
                                   double towards) {
    GasPoint at = a;
    double v = a.volume;
    const double lo = std::min(a.volume, towards), hi = std::max(a.volume, towards);
    for (int i = 0; i < 40; ++i) {
        if (!(at.slope < 0)) return std::nullopt;
        double next = v - (at.pressure - level) / at.slope;
        if (!(next > 0)) next = v / 2;  // a tangent to no volume: half way there
        const bool done = std::abs(next - v) <= 1e-14 * v;
        v = next;
        if (done) break;
        // Past the far end (the closing side is the small one) the level is not met.
        if (v > hi * (1 + 1e-12)) return std::nullopt;
        at = m.At(v);
        if (at.domain != gas::GasDomain::Gas) return std::nullopt;
    }
    if (v < lo * (1 - 1e-12) && towards > a.volume) return std::nullopt;
    return v;
}

// A gas whose pressure is a function of its volume alone. The model gives
// the point at a volume, the volume at a gauge pressure (nothing when the
// gas cannot reach it), and the work and heat of a change between two points.
template <class Model>
Reached AdvanceBarotropic(const Model& m, GasPoint& point, double from, double to, double rate,
                          const Watch& watch, PathLog& log) {
    Reached r{to};
    if (watch.Reached(point.pressure)) {
        r.time = from;
        r.level = true;
        return r;
    }
    if (rate == 0) {
        // No flow, no change.
        TakeSamples(log, to, [&](double) { return point; });
        log.pressureTime += point.pressure * (to - from);
        return r;
    }
    double endVolume = point.volume + rate * (to - from);
    // The pressure falls ever less steeply as the gas grows: the tangent at
    // the stretch's start lies below the path. Growing (towards a falling
    // level), a tangent that stays above the level at the end says the level
    // is not reached; shrinking (towards a rising one), a tangent that
    // reaches it says it is.
    std::optional<GasPoint> end;
    bool crossed = false;
    if (watch.active && watch.falling == (rate > 0)) {
        const double tangent = point.pressure + point.slope * (endVolume - point.volume);
        const bool clear = rate > 0 ? tangent > watch.level : tangent < watch.level;
        if (!clear || rate < 0) {
            if (rate < 0 && !(tangent >= watch.level) && endVolume > 0) {
                end = m.At(endVolume);
                crossed = watch.Reached(end->pressure);
            } else {
                crossed = true;
            }
        }
        if (crossed) {
            const std::optional<double> v = m.VolumeAt(watch.level, point, endVolume);
            const double t = v ? from + (*v - point.volume) / rate : to;
            if (t < to) {
                r.time = std::max(t, from);
                r.level = true;
                endVolume = *v;
                end = m.At(endVolume);
                end->pressure = watch.level;
            } else {
                end.reset();
            }
        }
    }
    if (!end || (!r.level && end->volume != endVolume)) end = m.At(endVolume);
    if (end->domain != gas::GasDomain::Gas) {
        // The last instant the gas is still one the law describes, and where
        // it goes just after.
        double inside = from, outside = r.time;
        gas::GasDomain beyond = end->domain;
        for (int i = 0; i < 200 && outside - inside > 1e-12 * std::max(1.0, outside); ++i) {
            const double mid = (inside + outside) / 2;
            const gas::GasDomain there = m.At(point.volume + rate * (mid - from)).domain;
            if (there == gas::GasDomain::Gas) {
                inside = mid;
            } else {
                outside = mid;
                beyond = there;
            }
        }
        r = Reached{inside, false, true, beyond};
        end = m.At(point.volume + rate * (inside - from));
    }
    TakeSamples(log, r.time, [&](double t) { return m.Sample(point.volume + rate * (t - from)); });
    const double work = m.Work(point, *end);
    log.workAbs += work;
    log.heatIn += m.Heat(point, *end, work);
    // The gauge pressure over time is its work over the volume's rate.
    const double gaugeWork = work / kJoulePerBarDm3 - kAtmosphere * (end->volume - point.volume);
    log.pressureTime += gaugeWork / rate;
    log.Note(r.time, *end);
    point = *end;
    return r;
}

Reached HoldBarotropic(GasPoint& point, double from, double to, PathLog& log) {
    // The pressure held is the volume held: nothing changes.
    TakeSamples(log, to, [&](double) { return point; });
    log.pressureTime += point.pressure * (to - from);
    return Reached{to};
}

class IdealPath final : public GasPath {
  public:
    IdealPath(const gas::IdealLaw& law, double pm) : law_(law), pm_(pm) {}
    GasPoint Full() const override {
        GasPoint full = At(law_.FullVolume());
        full.pressure = pm_;  // as typed, not the polytrope's last bit
        return full;
    }
    double EmptyVolume() const override { return law_.EmptyVolume(); }
    bool ExchangesHeat() const override { return false; }
    double PrechargeAtTemp() const override { return law_.PrechargeAtTemp(); }
    double Energy(const GasPoint& p) const override { return law_.EnergyAt(p.volume); }
    Reached Advance(GasPoint& point, double from, double to, double rate, const Watch& watch,
                    PathLog& log) override {
        return AdvanceBarotropic(*this, point, from, to, rate, watch, log);
    }
    Reached Hold(GasPoint& point, double from, double to, PathLog& log) override {
        return HoldBarotropic(point, from, to, log);
    }
    std::optional<GasPoint> AtPressure(double pressure, double, const GasPoint&) const override {
        if (!(pressure + kAtmosphere > 0)) return std::nullopt;
        GasPoint p = At(law_.VolumeAt(pressure));
        p.pressure = pressure;
        return p;
    }

    GasPoint At(double volume) const {
        GasPoint p;
        p.volume = volume;
        p.pressure = law_.PressureAt(volume);
        p.temperature = law_.TemperatureAt(volume);
        p.slope = -law_.Exponent() * (p.pressure + kAtmosphere) / volume;
        return p;
    }
    GasPoint Sample(double volume) const { return At(volume); }
    std::optional<double> VolumeAt(double pressure, const GasPoint&, double) const {
        if (!(pressure + kAtmosphere > 0)) return std::nullopt;
        return law_.VolumeAt(pressure);
    }
    double Work(const GasPoint& a, const GasPoint& b) const {
        return law_.WorkBetween(a.volume, b.volume);
    }
    // The first law: what the diatomic gas gains and does, it took in.
    double Heat(const GasPoint& a, const GasPoint& b, double work) const {
        return law_.EnergyAt(b.volume) - law_.EnergyAt(a.volume) + work;
    }

  private:
    gas::IdealLaw law_;
    double pm_;
};

// What the integration carries: the entropy, and the work, pressure-time and
// heat since the stretch began.
struct Carried {
    double s = 0, work = 0, pressureTime = 0, heat = 0;
};
Carried operator+(Carried a, const Carried& b) {
    return {a.s + b.s, a.work + b.work, a.pressureTime + b.pressureTime, a.heat + b.heat};
}
Carried operator*(double k, const Carried& a) {
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

// Where a function of the step, increasing through zero on [lo, hi], is zero:
// regula falsi with Illinois's halving, to `resolution` of the step.
template <class F>
double Root(F f, double lo, double flo, double hi, double fhi, double resolution) {
    int side = 0;
    for (int i = 0; i < 100 && hi - lo > resolution; ++i) {
        double mid = (lo * fhi - hi * flo) / (fhi - flo);
        // A secant that lands on an end, or out of the bracket, is halved.
        if (!(mid > lo && mid < hi)) mid = (lo + hi) / 2;
        const double fm = f(mid);
        if (fm == 0) return mid;
        if (fm < 0) {
            lo = mid;
            flo = fm;
            if (side == -1) fhi /= 2;
            side = -1;
        } else {
            hi = mid;
            fhi = fm;
            if (side == 1) flo /= 2;
            side = 1;
        }
    }
    return hi;
}

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
    std::optional<GasPoint> AtPressure(double pressure, double entropy,
                                       const GasPoint& near) const override {
        const double p = (pressure + kAtmosphere) * 1e5;
        if (!(p > 0)) return std::nullopt;
        const gas::NitrogenState from = State(near);
        const auto st = regime_ == Regime::Isothermal
                            ? law_.AtPressureAndTemperature(p, law_.WallTemperature(), from)
                            : law_.AtPressureWithEntropy(p, entropy, from);
        if (!st || st->domain != gas::GasDomain::Gas) return std::nullopt;
        near_ = *st;
        GasPoint point = Point(*st);
        point.pressure = pressure;
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
    std::optional<double> VolumeAt(double pressure, const GasPoint& a, double towards) const {
        return VolumeOnPath(*this, pressure, a, towards);
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
};

Reached NitrogenPath::Exchange(GasPoint& point, double from, double to, double rate,
                               const Watch& watch, PathLog& log) {
    const GasPoint start = point;
    const double v0 = point.volume;
    const auto volumeAt = [&](double t) { return v0 + rate * (t - from); };
    const auto stateAt = [&](double t, double s) {
        const gas::NitrogenState st = law_.WithEntropy(law_.Density(volumeAt(t)), s, near_);
        // A state outside the gas is no place to start the next search from.
        if (st.domain == gas::GasDomain::Gas) near_ = st;
        return st;
    };
    Carried y{point.entropy};
    // The stretch starts where the last one ended, as a rule: its state is solved.
    const bool same = near_.s == point.entropy && law_.Volume(near_.rho) == point.volume;
    gas::NitrogenState st0 = same ? near_ : stateAt(from, y.s);
    if (watch.Reached(st0.Gauge())) return Reached{from, true, false, gas::GasDomain::Gas};
    Carried k0 = Rates(st0, rate);
    double t = from;
    // Steps that move the volume by a fifth at most keep the work's and the
    // pressure-time's quadrature as close as the entropy's.
    const auto volumeStep = [&](double at) {
        return rate == 0 ? to - from : 0.2 * volumeAt(at) / std::abs(rate);
    };
    double h = std::min(step_, to - from);
    Reached r{to, false, false, gas::GasDomain::Gas};
    while (t < to) {
        h = std::min(h, volumeStep(t));
        if (watch.active) {
            // Not much past where the pressure, going as it goes now, would
            // reach the level: beyond it the step would only be thrown away.
            const double rise = PressureRate(st0, volumeAt(t), rate);
            const double gap = (watch.level + kAtmosphere) * 1e5 - st0.p;
            if (gap * rise > 0) h = std::min(h, 1.5 * gap / rise);
        }
        // A last sliver is taken with the step before it.
        if (to - t < 1.1 * h) h = to - t;
        const Step step = Try(t, h, y, k0, rate, stateAt);
        const double error = std::abs(step.Error()) / tolerance_;
        if (error > 1) {
            h *= Growth(error);
            continue;
        }
        const gas::NitrogenState st1 = step.end;
        const double t1 = t + h, resolution = 1e-10 / h;
        const auto stateIn = [&](double theta) { return stateAt(t + theta * h, step.At(theta).s); };
        // Where, within the step, the pressure turns, reaches the level or
        // the gas leaves its domain: the step ends at the first of them.
        double stop = 1;
        const double dp0 = PressureRate(st0, volumeAt(t), rate);
        const double dp1 = PressureRate(st1, volumeAt(t1), rate);
        double turn = -1;
        gas::NitrogenState atTurn;
        if ((dp0 < 0 && dp1 > 0) || (dp0 > 0 && dp1 < 0)) {
            const double sign = dp0 < 0 ? 1 : -1;  // the rate rising through zero
            turn = Root(
                [&](double theta) {
                    return sign * PressureRate(stateIn(theta), volumeAt(t + theta * h), rate);
                },
                0, sign * dp0, 1, sign * dp1, resolution);
            atTurn = stateIn(turn);
        }
        if (watch.active) {
            // The level lies in the first monotone piece whose end is past it.
            const double sign = watch.falling ? -1 : 1;  // rising through zero at the level
            double startTheta = 0;
            double startValue = sign * (st0.Gauge() - watch.level);
            for (int piece = 0; piece < 2; ++piece) {
                const bool first = piece == 0;
                if (first && turn < 0) continue;
                const double endTheta = first ? turn : 1;
                const double endValue = sign * ((first ? atTurn : st1).Gauge() - watch.level);
                if (endValue >= 0) {
                    // Newton on the pressure and its rate, kept in the bracket.
                    double lo = startTheta, hi = endTheta;
                    double theta = lo + (hi - lo) * startValue / (startValue - endValue);
                    for (int i = 0; i < 60; ++i) {
                        const gas::NitrogenState st = stateIn(theta);
                        const double f = sign * (st.Gauge() - watch.level);
                        const double df =
                            sign * PressureRate(st, volumeAt(t + theta * h), rate) * h / 1e5;
                        (f < 0 ? lo : hi) = theta;
                        double next = theta - f / df;
                        if (!(next > lo && next < hi)) next = (lo + hi) / 2;
                        const bool close = std::abs(next - theta) <= resolution;
                        theta = next;
                        if (close || hi - lo <= resolution) break;
                    }
                    stop = std::clamp(theta, startTheta, endTheta);
                    r = Reached{t + stop * h, true, false, gas::GasDomain::Gas};
                    break;
                }
                startTheta = endTheta;
                startValue = endValue;
            }
        }
        const gas::GasDomain beyond = stop == 1 ? st1.domain : stateIn(stop).domain;
        if (beyond != gas::GasDomain::Gas) {
            double lo = 0, hi = stop;
            for (int i = 0; i < 80 && hi - lo > resolution; ++i) {
                const double mid = (lo + hi) / 2;
                (stateIn(mid).domain == gas::GasDomain::Gas ? lo : hi) = mid;
            }
            stop = lo;
            r = Reached{t + lo * h, false, true, beyond};
        }
        if (turn > 0 && turn < stop) log.Note(t + turn * h, Point(atTurn));
        const double until = t + stop * h;
        TakeSamples(log, until, [&](double ts) {
            sampled_ = law_.WithEntropy(
                law_.Density(volumeAt(ts)), step.At((ts - t) / h).s,
                sampled_.domain == gas::GasDomain::Gas && sampled_.T > 0 ? sampled_ : near_);
            return Point(sampled_);
        });
        if (stop < 1) {
            y = step.At(stop);
            GasPoint end = Point(stateAt(until, y.s));
            if (r.level) end.pressure = watch.level;
            log.Note(until, end);
            point = end;
            break;
        }
        y = step.y1;
        near_ = st1;
        st0 = st1;
        k0 = step.k4;
        t = t1;
        point = Point(st1);
        log.Note(t, point);
        h *= Growth(error);
        // What the next step may take, in this stretch or the next.
        step_ = h;
    }
    // The work from the first law: the heat, integrated with the entropy it
    // moves, less what the gas gained, exact from the equation at both ends.
    // A quadrature of p dV over the same steps would be off by far more.
    log.workAbs += y.heat - law_.Mass() * (point.energy - start.energy);
    log.pressureTime += y.pressureTime;
    log.heatIn += y.heat;
    return r;
}

Reached NitrogenPath::ExchangeHeld(GasPoint& point, double from, double to, PathLog& log) {
    // Held at its pressure, the gas exchanges heat at constant pressure and
    // its volume follows; the same integration of the entropy.
    const double held = (point.pressure + kAtmosphere) * 1e5;
    const auto stateAt = [&](double, double s) {
        if (auto st = law_.AtPressureWithEntropy(held, s, near_)) near_ = *st;
        return near_;
    };
    const GasPoint start = point;
    Carried y{point.entropy};
    Carried k0 = Rates(stateAt(from, y.s), 0);
    double t = from, h = std::min(step_, to - from);
    while (t < to) {
        if (to - t < 1.1 * h) h = to - t;
        const Step step = Try(t, h, y, k0, 0, stateAt);
        const double error = std::abs(step.Error()) / tolerance_;
        if (error > 1) {
            h *= Growth(error);
            continue;
        }
        TakeSamples(log, t + h, [&](double ts) {
            GasPoint p = Point(stateAt(ts, step.At((ts - t) / h).s));
            p.pressure = start.pressure;
            return p;
        });
        y = step.y1;
        k0 = step.k4;
        t += h;
        point = Point(stateAt(t, y.s));
        point.pressure = start.pressure;
        log.Note(t, point);
        h *= Growth(error);
        step_ = h;
    }
    // At constant pressure the work and the pressure-time are closed forms;
    // the heat is what the integration carried.
    log.workAbs += held * (point.volume - start.volume) * 1e-3;
    log.pressureTime += start.pressure * (to - from);
    log.heatIn += y.heat;
    return Reached{to};
}

}  // namespace

ExactData TypedData(const CircuitData& data, const Arrangement& vessels) {
    ExactData d{Typed(data.V0), Typed(data.P0), Typed(data.Tc),       Typed(data.Qp),
                Typed(data.Pm), Typed(data.Dp), Typed(data.CycleTime)};
    d.V0 = vessels.Count * d.V0 + vessels.BottleVolume;
    d.Qp *= vessels.VolumetricEfficiency;
    return d;
}

gas::Result<std::unique_ptr<GasPath>> MakeGasPath(const ExactData& d, const GasSettings& g,
                                                  double workTemp, double tolerance) {
    using R = gas::Result<std::unique_ptr<GasPath>>;
    std::unique_ptr<GasPath> path;
    if (g.Law == GasLawKind::Ideal) {
        auto law =
            gas::IdealLaw::Create({d.V0, d.P0, g.ChargeTemp, workTemp, d.Pm, g.Exponent, g.Start});
        if (!law) return R::Fail(law.Error());
        path = std::make_unique<IdealPath>(*law, d.Pm);
    } else {
        auto law =
            gas::NitrogenLaw::Create({d.V0, d.P0, g.ChargeTemp, workTemp, d.Pm, g.Tau, g.Start});
        if (!law) return R::Fail(law.Error());
        path = std::make_unique<NitrogenPath>(*law, d.Pm, tolerance);
    }
    // Full at Pm, the gas must still fill the bottles: with less, the oil
    // would fill the accumulators before the pressure reached Pm.
    const double bottles = g.Vessels.BottleVolume;
    const double full = path->Full().volume;
    if (bottles > 0 && full < bottles) {
        return R::Fail(
            Message(MessageId::BottlesTooLarge, {MsgRounded(bottles, 3), MsgRounded(full, 3)}));
    }
    return R(std::move(path));
}

}  // namespace volvenza
