#include "sizing/Arrangements.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

namespace volvenza::sizing {

// Beyond one vessel: the arrangement of the smallest whole gas volume that
// passes, N identical accumulators in parallel of any type or one piston
// accumulator with gas bottles. Arrangements of a size that breaks a rule
// no arrangement changes (precharge, ratio, PS) are left out; so are those
// of no more gas than a single size that fell below p1, which hold the gas
// of a single vessel of their volume and so fall below it too. The
// candidates gain the arrangements tried, ending with the one that passes.
Status SearchArrangements(Evaluator& ev, SizingAnswer& answer, GaugeBar p0, Dm3PerMin qp,
                          const std::function<bool()>& stopped) {
    const Requirements& req = ev.Req();
    const Dm3 limit = answer.Recommended ? answer.Recommendation()->Proposed.GasVolume()
                                         : Dm3(std::numeric_limits<double>::infinity());
    std::vector<std::pair<Design, size_t>> tries;
    for (size_t i = 0; i < req.Catalogue.size(); ++i) {
        const Design one{req.Catalogue.at(i).V0, p0, qp};
        auto fixed = ev.CheckStatic(one, i);
        if (!fixed) return fixed.Error();
        // Skipping only saves runs: such an arrangement fails the same rule.
        if (!fixed->Rules[kPrechargeRule] || !fixed->Rules[kRatioRule] || !fixed->Rules[kRatedRule])
            continue;
        for (int n = 2; n <= kMaxParallel; ++n) tries.push_back({{one.V0, p0, qp, n}, i});
        if (req.Type != AccumulatorType::Piston) continue;
        for (double bottle : req.BottleSizes) {
            for (int k = 1; k <= kMaxBottles; ++k) {
                tries.push_back({{one.V0, p0, qp, 1, Dm3(bottle), k}, i});
            }
        }
    }
    std::erase_if(tries, [&](const auto& t) { return t.first.GasVolume() >= limit; });
    // Smallest gas first; of equal gas, the fewer vessels, then the fewer
    // accumulators (a bottle costs less than a piston accumulator), then
    // the catalogue's order: the smaller accumulator with the larger bottle.
    std::stable_sort(tries.begin(), tries.end(), [](const auto& a, const auto& b) {
        const Design& x = a.first;
        const Design& y = b.first;
        if (x.GasVolume() != y.GasVolume()) {
            return x.GasVolume() < y.GasVolume();
        }
        const int xVessels = x.Count + x.Bottles, yVessels = y.Count + y.Bottles;
        if (xVessels != yVessels) {
            return xVessels < yVessels;
        }
        return x.Count < y.Count;
    });
    // Bottles the gas cannot fill at Pm are no arrangement at all.
    std::erase_if(tries, [&](const auto& t) {
        if (ev.CanFill(t.first, t.second)) return false;
        if (!answer.UnfilledBottles) answer.UnfilledBottles = t.first;
        return true;
    });
    // In order of gas, each first on quick runs that stop below p1, then
    // whole: more gas does not always hold a higher pressure (with more, the
    // pump may not restart before the next draw), so the first that passes
    // is found by walking, not by halving. Runs of equal gas are made once.
    std::vector<size_t> failing;  // the arrangements that fell short, in order
    for (size_t i = 0; i < tries.size(); ++i) {
        if (stopped()) return Message(MessageId::SizingStopped);
        const auto& [design, size] = tries[i];
        ++answer.ArrangementsTried;
        auto quick = ev.PassesRuns(design, size);
        if (!quick) return quick.Error();
        if (!*quick) {
            failing.push_back(i);
            continue;
        }
        auto e = ev.Evaluate(design, size);
        if (!e) return e.Error();
        if (!e->Passes()) {
            failing.push_back(i);
            continue;
        }
        // The last two that fell short show why the one chosen is needed.
        const size_t shown = std::min<size_t>(failing.size(), 2);
        for (size_t k = failing.size() - shown; k < failing.size(); ++k) {
            auto f = ev.Evaluate(tries[failing[k]].first, tries[failing[k]].second);
            if (!f) return f.Error();
            answer.Candidates.push_back(*f);
        }
        answer.Candidates.push_back(*e);
        answer.Recommended = answer.Candidates.size() - 1;
        return Done{};
    }
    return Done{};
}

}  // namespace volvenza::sizing
