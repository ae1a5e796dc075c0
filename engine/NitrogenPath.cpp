#include "engine/NitrogenPath.h"

#include <algorithm>
#include <cmath>

#include "engine/PathSupport.h"

namespace volvenza::path {

namespace {

// An accepted step seen from within: its states by the fraction of it
// taken, and the volume at a time.
template <class StateIn, class VolumeOf>
struct Inside {
    double t, h, rate, resolution;
    StateIn stateIn;
    VolumeOf volumeAt;
};

}  // namespace

template <class VolumeOf>
double NitrogenPath::StepSize(double h, double t, double from, double to, double rate,
                              const gas::NitrogenState& st0, const Watch& watch,
                              VolumeOf volumeAt) const {
    // Steps that move the volume by a fifth at most keep the work's and the
    // pressure-time's quadrature as close as the entropy's.
    h = std::min(h, rate == 0 ? to - from : 0.2 * volumeAt(t) / std::abs(rate));
    if (watch.active) {
        // Not much past where the pressure, going as it goes now, would
        // reach the level: beyond it the step would only be thrown away.
        const double rise = PressureRate(st0, volumeAt(t), rate);
        const double gap = ToAbsolute(watch.level).value() * 1e5 - st0.p;
        if (gap * rise > 0) h = std::min(h, 1.5 * gap / rise);
    }
    // A last sliver is taken with the step before it.
    if (to - t < 1.1 * h) h = to - t;
    return h;
}

template <class In>
double NitrogenPath::TurnWithin(const In& in, const gas::NitrogenState& st0,
                                const gas::NitrogenState& st1, gas::NitrogenState& atTurn) const {
    const double dp0 = PressureRate(st0, in.volumeAt(in.t), in.rate);
    const double dp1 = PressureRate(st1, in.volumeAt(in.t + in.h), in.rate);
    if (!((dp0 < 0 && dp1 > 0) || (dp0 > 0 && dp1 < 0))) return -1;
    const double sign = dp0 < 0 ? 1 : -1;  // the rate rising through zero
    const double turn = Root(
        [&](double theta) {
            return sign *
                   PressureRate(in.stateIn(theta), in.volumeAt(in.t + theta * in.h), in.rate);
        },
        0, sign * dp0, 1, sign * dp1, in.resolution);
    atTurn = in.stateIn(turn);
    return turn;
}

template <class In>
std::optional<double> NitrogenPath::LevelWithin(const In& in, const Watch& watch,
                                                const gas::NitrogenState& st0,
                                                const gas::NitrogenState& st1, double turn,
                                                const gas::NitrogenState& atTurn) const {
    const double h = in.h, resolution = in.resolution;
    // The level lies in the first monotone piece whose end is past it.
    const double sign = watch.falling ? -1 : 1;  // rising through zero at the level
    const double level = watch.level.value();
    double startTheta = 0;
    double startValue = sign * (st0.Gauge() - level);
    for (int piece = 0; piece < 2; ++piece) {
        const bool first = piece == 0;
        if (first && turn < 0) continue;
        const double endTheta = first ? turn : 1;
        const double endValue = sign * ((first ? atTurn : st1).Gauge() - level);
        if (endValue >= 0) {
            // Newton on the pressure and its rate, kept in the bracket.
            double lo = startTheta, hi = endTheta;
            double theta = lo + (hi - lo) * startValue / (startValue - endValue);
            for (int i = 0; i < 60; ++i) {
                const gas::NitrogenState st = in.stateIn(theta);
                const double f = sign * (st.Gauge() - level);
                const double df =
                    sign * PressureRate(st, in.volumeAt(in.t + theta * h), in.rate) * h / 1e5;
                (f < 0 ? lo : hi) = theta;
                double next = theta - f / df;
                if (!(next > lo && next < hi)) next = (lo + hi) / 2;
                const bool close = std::abs(next - theta) <= resolution;
                theta = next;
                if (close || hi - lo <= resolution) break;
            }
            return std::clamp(theta, startTheta, endTheta);
        }
        startTheta = endTheta;
        startValue = endValue;
    }
    return std::nullopt;
}

template <class In>
double NitrogenPath::GasEndWithin(const In& in, double stop) const {
    double lo = 0, hi = stop;
    for (int i = 0; i < 80 && hi - lo > in.resolution; ++i) {
        const double mid = (lo + hi) / 2;
        (in.stateIn(mid).domain == gas::GasDomain::Gas ? lo : hi) = mid;
    }
    return lo;
}

// Where, within the step, the pressure reaches the level or the gas leaves
// its domain: the step ends at the first of them, or whole (1).
template <class In>
double NitrogenPath::StopWithin(const In& in, const Watch& watch, const gas::NitrogenState& st0,
                                const gas::NitrogenState& st1, double turn,
                                const gas::NitrogenState& atTurn, Reached& r) const {
    double stop = 1;
    if (watch.active) {
        if (const auto level = LevelWithin(in, watch, st0, st1, turn, atTurn)) {
            stop = *level;
            r = Reached{in.t + stop * in.h, true, false, gas::GasDomain::Gas};
        }
    }
    const gas::GasDomain beyond = stop == 1 ? st1.domain : in.stateIn(stop).domain;
    if (beyond != gas::GasDomain::Gas) {
        stop = GasEndWithin(in, stop);
        r = Reached{in.t + stop * in.h, false, true, beyond};
    }
    return stop;
}

Reached NitrogenPath::Exchange(GasPoint& point, double from, double to, double rate,
                               const Watch& watch, PathLog& log) {
    const GasPoint start = point;
    const double v0 = point.volume;
    const auto volumeAt = [&](double t) { return v0 + rate * (t - from); };
    const auto stateAt = [&](double t, double s) {
        // A step that ends on a level solves its end twice at one density:
        // its terms are kept from the one before.
        const double rho = law_.Density(volumeAt(t));
        if (rho != terms_.rho) terms_ = gas::nitrogen::PrepareDensity(rho);
        const gas::NitrogenState st = law_.WithEntropy(terms_, s, near_);
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
    double h = std::min(step_, to - from);
    Reached r{to, false, false, gas::GasDomain::Gas};
    while (t < to) {
        h = StepSize(h, t, from, to, rate, st0, watch, volumeAt);
        const Step step = Try(t, h, y, k0, rate, stateAt);
        const double error = std::abs(step.Error()) / tolerance_;
        if (error > 1) {
            h *= Growth(error);
            continue;
        }
        const gas::NitrogenState st1 = step.end;
        const double t1 = t + h, resolution = 1e-10 / h;
        const auto stateIn = [&](double theta) { return stateAt(t + theta * h, step.At(theta).s); };
        const Inside<decltype(stateIn), decltype(volumeAt)> in{t,          h,       rate,
                                                               resolution, stateIn, volumeAt};
        gas::NitrogenState atTurn;
        const double turn = TurnWithin(in, st0, st1, atTurn);
        const double stop = StopWithin(in, watch, st0, st1, turn, atTurn, r);
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
            if (r.level) end.pressure = watch.level.value();
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
    const double held = point.Absolute().value() * 1e5;
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

}  // namespace volvenza::path
