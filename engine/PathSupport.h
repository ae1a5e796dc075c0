#pragma once
// What the gas paths share: taking the grid's points, a stretch of a gas
// whose pressure is its volume's, and the root of a function on a step.
// For the paths' own files only.

#include <algorithm>
#include <cmath>
#include <optional>

#include "engine/GasPath.h"

namespace volvenza::path {

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
        const double level = watch.level.value();
        const double tangent = point.pressure + point.slope * (endVolume - point.volume);
        const bool clear = rate > 0 ? tangent > level : tangent < level;
        if (!clear || rate < 0) {
            if (rate < 0 && !(tangent >= level) && endVolume > 0) {
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
                end->pressure = level;
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

inline Reached HoldBarotropic(GasPoint& point, double from, double to, PathLog& log) {
    // The pressure held is the volume held: nothing changes.
    TakeSamples(log, to, [&](double) { return point; });
    log.pressureTime += point.pressure * (to - from);
    return Reached{to};
}

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

}  // namespace volvenza::path
