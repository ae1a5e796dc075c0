#pragma once
// The searches of one figure the sizing makes: the precharge where a static
// rule changes, the smallest value of a figure that passes the runs, and
// the rounding of their answers to tenths.

#include <cmath>
#include <optional>

#include "messages/Result.h"
#include "sizing/Evaluator.h"

namespace volvenza::sizing {

// Halvings of the precharge bounds: far past double precision either way.
constexpr int kBisections = 60;
// Below a smallest passing value found by halving, the values tried in case
// what passes is not one interval, and the rounds of it.
constexpr int kLowerProbes = 8;
constexpr int kLowerRounds = 3;

// A tenth worked out a hair off its exact value still rounds to it: any
// allowance far above rounding and far below a tenth gives the same tenths.
constexpr double kTenthAllowance = 1e-9;

inline double FloorTenth(double x) {
    const double tenths = x * 10;
    // The allowance's sign matters only within 1e-10 below a tenth: the
    // precharge bounds rounded here carry the rules' slack (1e-9 bar) above
    // their limit, and a pump rounded here only starts a search below the
    // first that passes.
    const double lifted = tenths + kTenthAllowance;
    return std::floor(lifted) / 10;
}
// The bounds it rounds come from bisections, never exactly on a tenth.
inline double CeilTenth(double x) {
    return std::ceil(x * 10 - kTenthAllowance) / 10;
}

// The precharge (gauge, in the data's frame) where `holds` changes: the
// largest that holds when it fails above, the smallest when it fails below.
template <class Holds>
inline Result<double> PrechargeBound(double ceiling, bool failsAbove, Holds holds) {
    // Any start below the bound and any above it give the same bound.
    double lo = 0;
    double hi = ceiling;
    // Sixty halvings leave the bound far inside a tenth either way.
    for (int i = 0; i < kBisections; ++i) {
        const double mid = (lo + hi) / 2;
        auto ok = holds(mid);
        if (!ok) return Result<double>::Fail(ok.Error());
        // Keep lo on the side that holds when failing above, on the failing one otherwise.
        ((*ok == failsAbove) ? lo : hi) = mid;
    }
    return failsAbove ? lo : hi;
}

inline Result<double> RuleBound(const Evaluator& ev, size_t size, int rule, bool failsAbove) {
    // Any ceiling above where the rule changes gives the same bound.
    const double top = std::max(ev.Req().MinPressure.value(), static_cast<double>(ev.Base().Pm));
    const double ceiling = top * 2 + 10;
    return PrechargeBound(ceiling, failsAbove, [&](double p0) -> Result<bool> {
        auto e = ev.CheckStatic({Dm3(ev.Base().V0), GaugeBar(p0), Dm3PerMin(ev.Base().Qp)}, size);
        if (!e) return Result<bool>::Fail(e.Error());
        return e->Rules[rule];
    });
}

// The smallest value in hundredths or tenths (`unit`) between `from` and
// where `passes` first holds, when it holds at `from` times a few doublings.
// `expect` is told, before a value is tried, the value tried next should that
// one fail, where the search knows it (the doublings after the first, the
// values below): only the speed depends on it.
template <class Passes, class Expect>
inline Result<std::optional<double>> SmallestPassing(double from, double unit, double ceiling,
                                                     Passes passes, Expect expect) {
    using R = Result<std::optional<double>>;
    // Where the search starts below the first passing value changes only its runs.
    long lo = static_cast<long>(std::floor(from / unit));
    // The first guess only sets where the bracket starts.
    long hi = std::max(lo + 1, static_cast<long>(std::ceil(std::max(from, unit) * 2 / unit)));
    for (bool first = true;; first = false) {
        const double top = std::min(hi * unit, ceiling);
        if (!first && top < ceiling) expect(std::min(hi * 2 * unit, ceiling));
        auto ok = passes(top);
        if (!ok) return R::Fail(ok.Error());
        if (*ok) {
            hi = static_cast<long>(std::llround(top / unit));
            break;
        }
        if (top >= ceiling) return std::optional<double>();
        lo = hi;
        // Any growth finds the same smallest passing value, in more or fewer runs.
        hi *= 2;
    }
    const long first = static_cast<long>(std::floor(from / unit));
    for (int round = 0; round < kLowerRounds; ++round) {
        while (hi - lo > 1) {
            const long mid = lo + (hi - lo) / 2;
            auto ok = passes(mid * unit);
            if (!ok) return R::Fail(ok.Error());
            (*ok ? hi : lo) = mid;
        }
        // What passes need not be one interval (with more gas, say, the pump
        // may not restart before the next draw): a few values between the
        // start and the one found are tried, and one that passes takes the
        // search below it.
        bool lower = false;
        long below = first;
        const auto probeAt = [&](int k) { return first + (hi - first) * k / (kLowerProbes + 1); };
        for (int k = 1; k <= kLowerProbes && !lower; ++k) {
            const long probe = probeAt(k);
            if (probe <= below || probe >= hi) continue;
            for (int j = k + 1; j <= kLowerProbes; ++j) {
                if (probeAt(j) > probe && probeAt(j) < hi) {
                    expect(probeAt(j) * unit);
                    break;
                }
            }
            auto ok = passes(probe * unit);
            if (!ok) return R::Fail(ok.Error());
            if (*ok) {
                lo = below;
                hi = probe;
                lower = true;
            }
            below = probe;
        }
        if (!lower) break;
    }
    // Divided rather than multiplied, so that 194 tenths come out as 19.4.
    return std::optional<double>(hi / std::round(1 / unit));
}

template <class Passes>
inline Result<std::optional<double>> SmallestPassing(double from, double unit, double ceiling,
                                                     Passes passes) {
    return SmallestPassing(from, unit, ceiling, passes, [](double) {});
}

}  // namespace volvenza::sizing
