#include "engine/ExactCycle.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace volvenza {
namespace {

// 1 bar dm3 is 0,1 kJ.
constexpr double kKilojoulePerBarDm3 = 0.1;
// More events than this at one instant can only be a loop: the pump cannot
// switch twice where nothing changes.
constexpr int kMaxEventsAtOneInstant = 8;

}  // namespace

StretchLows::StretchLows(const DemandProfile& demand)
    : lowest(demand.Flows.size(), std::numeric_limits<double>::infinity()),
      time(demand.Flows.size(), 0) {}

CycleState FullStart(const GasPath& gas) {
    return CycleState{gas.Full(), false, false};
}

namespace {

// What a stretch adds to a cycle's sums, so that a run of identical pump
// periods can be added up without computing each.
struct Tally {
    double oilOut = 0, oilIn = 0, delivered = 0, returned = 0, pumpEnergy = 0, pumpTime = 0;
    // The integral of the pressure, read within one stretch only: what
    // skipped periods would add to it between stretches is never read.
    double heatIn = 0, workAbs = 0, pressureTime = 0;
    int pumpStarts = 0, returnsToPm = 0;
};

// One cycle, advanced one stretch of constant flow at a time.
class CycleRunner {
  public:
    CycleRunner(const ExactData& d, const DemandProfile& demand, GasPath& gas,
                const CycleState& start, const CycleOptions& options)
        : d_(d), demand_(demand), gas_(gas), s_(start), options_(options) {
        log_.sampler = options.sampler;
        log_.Note(0, s_.gas);
        // A gas that is no gas at the start (a liquid at Pm) runs nothing.
        if (s_.gas.domain != gas::GasDomain::Gas) {
            c_.end = CycleEnd::OutsideGas;
            c_.outside = s_.gas.domain;
            stopped_ = true;
        }
    }

    CycleSummary Run();

  private:
    enum class Step { Through, Loaded, Unloaded, Held, Stopped };
    // From t_ towards `end` at the demand `qt`: one stretch, up to the next event.
    Step Advance(double end, double qt);
    // What the pump delivers now [dm3/min]: Qp while loaded, else nothing.
    double Pumped() const { return s_.pumping ? d_.Qp.value() : 0; }
    // What the stretch from t_ at a volume rate of `rate` watches for.
    Watch WatchFor(double rate, bool band) const;
    // The pump loaded at the restart or unloaded (or held) at Pm, at t_.
    Step LevelReached(bool falling, double qt, bool band);
    Tally Now() const {
        return {c_.oilOut,         c_.oilIn,      c_.delivered,  c_.returned,
                c_.pumpEnergy,     c_.pumpTime,   log_.heatIn,   log_.workAbs,
                log_.pressureTime, c_.pumpStarts, c_.returnsToPm};
    }
    void Add(const Tally& a, const Tally& b, double times);
    // Whether the loadings so far keep within the options' limit; the run
    // stops where they do not.
    bool Watched();
    // Within a stretch that the pump outruns, the accumulator swings between
    // Pm - Dp and Pm again and again: identical periods (a gas whose pressure
    // is its volume's) are added up whole, slowly drifting ones (a gas
    // exchanging heat) carried over many at once from two computed exactly.
    void SkipPeriods(double end, double qt);

    const ExactData& d_;
    const DemandProfile& demand_;
    GasPath& gas_;
    CycleState s_;
    const CycleOptions& options_;
    CycleSummary c_;
    PathLog log_;
    double t_ = 0;
    int sameInstant_ = 0;
    double lastEvent_ = -1;
    bool stopped_ = false;
};

void CycleRunner::Add(const Tally& a, const Tally& b, double times) {
    c_.oilOut += times * (b.oilOut - a.oilOut);
    c_.oilIn += times * (b.oilIn - a.oilIn);
    c_.delivered += times * (b.delivered - a.delivered);
    c_.returned += times * (b.returned - a.returned);
    c_.pumpEnergy += times * (b.pumpEnergy - a.pumpEnergy);
    c_.pumpTime += times * (b.pumpTime - a.pumpTime);
    log_.heatIn += times * (b.heatIn - a.heatIn);
    c_.pumpStarts += static_cast<int>(std::lround(times * (b.pumpStarts - a.pumpStarts)));
    c_.returnsToPm += static_cast<int>(std::lround(times * (b.returnsToPm - a.returnsToPm)));
}

bool CycleRunner::Watched() {
    if (!options_.maxLoads || c_.pumpStarts <= *options_.maxLoads) return true;
    c_.chattered = stopped_ = true;
    c_.chatterAt = t_;
    return false;
}

Watch CycleRunner::WatchFor(double rate, bool band) const {
    // The pump delivering, or oil coming back from the movements, fills up
    // to Pm; otherwise the pressure falls to the restart.
    Watch watch;
    watch.active = true;
    watch.falling = !s_.pumping && rate >= 0;
    watch.level = watch.falling ? d_.Pm - d_.Dp : d_.Pm;
    // With no band the pump stays on at Pm: a demand above it takes the
    // pressure down from there, with nothing to watch for. A pump that
    // delivers nothing has nothing to start.
    if (!band && s_.pumping && rate > 0) watch.active = false;
    if (watch.falling && !(d_.Qp > Dm3PerMin(0))) watch.active = false;
    return watch;
}

CycleRunner::Step CycleRunner::LevelReached(bool falling, double qt, bool band) {
    sameInstant_ = t_ == lastEvent_ ? sameInstant_ + 1 : 0;
    lastEvent_ = t_;
    if (falling) {
        s_.pumping = true;
        ++c_.pumpStarts;
        return Watched() ? Step::Loaded : Step::Stopped;
    }
    c_.reachedPm = true;
    ++c_.returnsToPm;
    if (t_ >= demand_.LatestEnd && c_.fullAgain < 0) c_.fullAgain = t_;
    // The pump unloads at Pm; with no band it cannot.
    if (band) s_.pumping = false;
    s_.held = qt - Pumped() <= 0 && (s_.pumping || qt < 0 || sameInstant_ > kMaxEventsAtOneInstant);
    return s_.held ? Step::Held : Step::Unloaded;
}

CycleRunner::Step CycleRunner::Advance(double end, double qt) {
    const bool band = d_.Dp > BarDifference(0);
    // Held at Pm while more oil comes in than goes out; the excess goes back
    // to the tank.
    if (s_.held && qt - Pumped() > 0) s_.held = false;
    if (s_.held && !s_.pumping && qt == 0) s_.held = false;  // shut in, not held
    const Tally before = Now();
    const double volumeBefore = s_.gas.volume, from = t_;
    const auto book = [&](const Tally& start) {
        const double moved = s_.gas.volume - volumeBefore;
        const double gaugeWork =
            (log_.workAbs - start.workAbs) / 100 - gas::kAtmosphere * moved;  // bar dm3
        (moved > 0 ? c_.oilOut : c_.oilIn) += std::abs(moved);
        (moved > 0 ? c_.delivered : c_.returned) += std::abs(gaugeWork) * kKilojoulePerBarDm3;
        if (s_.pumping) {
            c_.pumpTime += t_ - from;
            c_.pumpEnergy +=
                d_.Qp.value() / 60 * (log_.pressureTime - start.pressureTime) * kKilojoulePerBarDm3;
        }
    };
    if (s_.held) {
        if (log_.sampler != nullptr) {
            log_.sampler->qt = qt;
            log_.sampler->qs = 0;
        }
        gas_.Hold(s_.gas, t_, end, log_);
        t_ = end;
        book(before);
        return Step::Through;
    }
    const double q = qt - Pumped();  // dm3/min out of the accumulator
    const double rate = q / 60;
    if (log_.sampler != nullptr) {
        log_.sampler->qt = qt;
        log_.sampler->qs = q;
    }
    const Watch watch = WatchFor(rate, band);
    const double empty = rate > 0 ? t_ + (gas_.EmptyVolume() - s_.gas.volume) / rate
                                  : std::numeric_limits<double>::infinity();
    const Reached r = gas_.Advance(s_.gas, t_, std::min(end, empty), rate, watch, log_);
    t_ = r.time;
    book(before);
    if (t_ > from) c_.peakFlow = std::max(c_.peakFlow, std::abs(q));
    if (r.outside) {
        c_.end = CycleEnd::OutsideGas;
        c_.outside = r.domain;
        stopped_ = true;
        return Step::Stopped;
    }
    if (r.level) return LevelReached(watch.falling, qt, band);
    if (t_ >= empty) {
        c_.end = CycleEnd::Emptied;
        stopped_ = true;
        return Step::Stopped;
    }
    if (options_.stopBelow && GaugeBar(log_.lowest) < *options_.stopBelow) {
        stopped_ = true;
        return Step::Stopped;
    }
    return Step::Through;
}

void CycleRunner::SkipPeriods(double end, double qt) {
    // One period from an unloading at Pm: down to the restart, up to Pm.
    const auto period = [&]() {
        if (Advance(end, qt) != Step::Loaded) return false;
        return Advance(end, qt) == Step::Unloaded;
    };
    const bool drifts = gas_.ExchangesHeat();
    // Periods carried over stop short of a watched limit on the loadings,
    // so that the loading that breaks it is computed where it happens.
    const auto allowed = [&](double m) {
        return options_.maxLoads ? std::min(m, double(*options_.maxLoads - c_.pumpStarts)) : m;
    };
    while (!stopped_) {
        const double t0 = t_, s0 = s_.gas.entropy;
        const Tally a = Now();
        if (!period()) return;
        const double t1 = t_, s1 = s_.gas.entropy;
        const Tally b = Now();
        if (!drifts) {
            // The gas comes back exactly where it was: whole periods repeat,
            // all but the last that fits, which is computed.
            const double last = t1 - t0;
            const double m = allowed(std::floor((end - t1) / last - 1));
            if (!(m >= 1)) return;
            Add(a, b, m);
            t_ += m * last;
            return;
        }
        if (!period()) return;
        const double t2 = t_, s2 = s_.gas.entropy;
        const Tally c = Now();
        const double last = t2 - t1, first = t1 - t0;
        // Periods that fit before the stretch's end, leaving one to compute.
        const double room = (end - t2) / last - 1;
        if (!(room >= 1)) return;
        // The periods drift: carried over m of them with the drift growing as
        // it grew, as long as what that leaves out stays within the entropy's
        // tolerance.
        const double drift = s2 - s1, bend = drift - (s1 - s0);
        const double bound = bend == 0 ? room : std::sqrt(2 * kEntropyTolerance / std::abs(bend));
        const double m = allowed(std::floor(std::min(room, bound)));
        if (m < 2) return;
        const double grown = m * (m + 1) / 2;
        const double entropy = s2 + m * drift + grown * bend;
        const double span = m * last + grown * (last - first);
        if (!(t_ + span < end)) return;
        const std::optional<GasPoint> at = gas_.AtPressure(d_.Pm, entropy, s_.gas);
        if (!at) return;
        // The sums of m periods, each like the last with its growth.
        Add(b, c, m);
        const auto grow = [&](double Tally::*field) {
            return grown * ((c.*field - b.*field) - (b.*field - a.*field));
        };
        c_.oilOut += grow(&Tally::oilOut);
        c_.oilIn += grow(&Tally::oilIn);
        c_.delivered += grow(&Tally::delivered);
        c_.returned += grow(&Tally::returned);
        c_.pumpEnergy += grow(&Tally::pumpEnergy);
        c_.pumpTime += grow(&Tally::pumpTime);
        log_.heatIn += grow(&Tally::heatIn);
        s_.gas = *at;
        t_ += span;
        // Carried to the end but for the last period: that is computed.
        if (m == std::floor(room)) return;
    }
}

CycleSummary CycleRunner::Run() {
    StretchLows* lows = options_.stretches;
    for (size_t k = 0; k + 1 < demand_.Times.size() && !stopped_; ++k) {
        if (options_.abandon != nullptr && options_.abandon->load(std::memory_order_relaxed)) {
            c_.abandoned = stopped_ = true;
            break;
        }
        const double end = demand_.Times[k + 1];
        const double qt = demand_.Flows[k];
        // The stretch's own lowest: the log's is started afresh from where
        // the stretch starts, and the cycle's put back after it.
        const double lowest = log_.lowest, lowestTime = log_.lowestTime;
        const double lowestVolume = log_.lowestVolume;
        if (lows != nullptr) {
            log_.lowest = std::numeric_limits<double>::infinity();
            log_.Note(t_, s_.gas);
        }
        while (t_ < end && !stopped_) {
            const Step step = Advance(end, qt);
            // Only a run nobody samples: the points between would need each period.
            if (step == Step::Unloaded && log_.sampler == nullptr && qt > 0 && qt < d_.Qp.value() &&
                d_.Dp > BarDifference(0)) {
                SkipPeriods(end, qt);
            }
        }
        if (lows != nullptr) {
            if (log_.lowest < lows->lowest[k]) {
                lows->lowest[k] = log_.lowest;
                lows->time[k] = log_.lowestTime;
            }
            if (lowest <= log_.lowest) {
                log_.lowest = lowest;
                log_.lowestTime = lowestTime;
                log_.lowestVolume = lowestVolume;
            }
        }
    }
    if (!stopped_ && log_.sampler != nullptr) {
        // The cycle's last instant, when the grid reaches it.
        Sampler& sampler = *log_.sampler;
        sampler.qt = demand_.Flows.empty() ? 0 : demand_.Flows.back();
        sampler.qs = s_.held ? 0 : sampler.qt - Pumped();
        while (sampler.Next() <= sampler.Last() && sampler.Time(sampler.Next()) <= t_) {
            sampler.Take(s_.gas);
        }
    }
    if (lows != nullptr && stopped_ && t_ < demand_.CycleTime) {
        lows->stoppedAt = std::min(lows->stoppedAt.value_or(t_), t_);
    }
    c_.endTime = t_;
    c_.final = s_;
    c_.lowest = log_.lowest;
    c_.lowestTime = log_.lowestTime;
    c_.lowestVolume = log_.lowestVolume;
    c_.highest = log_.highest;
    c_.highestTime = log_.highestTime;
    c_.coldest = log_.coldest;
    c_.warmest = log_.warmest;
    c_.heatIn = log_.heatIn / 1000;
    return c_;
}

}  // namespace

CycleSummary RunExactCycle(const ExactData& d, const DemandProfile& demand, GasPath& gas,
                           const CycleState& start, const CycleOptions& options) {
    return CycleRunner(d, demand, gas, start, options).Run();
}
}  // namespace volvenza
