#pragma once
// The one stepping loop of a run, with the gas law as a template parameter:
// pump switch, volume change from the previous step's balance, the law's
// pressure, the full accumulator held at Pm, the empty one ending the run,
// and the final recharge. Every law goes through the same lines; a step calls
// the law inline, with no virtual dispatch.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "engine/CircuitState.h"
#include "engine/CycleRun.h"
#include "gas/GasLaw.h"

namespace volvenza {

// Narrows to single precision the way the hardware does, with values beyond
// the float range becoming infinities (a plain cast would be undefined there).
inline float ToSingle(double x) {
    // FLT_MAX plus half an ulp, which itself rounds to infinity: strict or
    // not, the comparisons give the same.
    constexpr double kOverflow = 0x1.ffffffp127;
    if (x >= kOverflow) return std::numeric_limits<float>::infinity();
    if (x <= -kOverflow) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(x);
}

// Where a run writes, indexes 0..flows.Steps at least. qt receives the flows
// only where the final recharge repeats the saved state (the caller has
// copied the flows there when it wants the whole series); t may be null.
struct SeriesOut {
    double* qt = nullptr;
    double* qs = nullptr;
    double* p = nullptr;
    double* v = nullptr;
    double* dv = nullptr;
    double* t = nullptr;
};

// How a cycle ended: through, with the gas expanded to its precharge, or
// with the gas out of the states its law describes.
enum class RunEnd : int8_t { Normal, PrechargeTooHigh, OutsideGas };

// Every ending the loop returns sets all these fields, so their defaults are
// never seen. `step` is the last step the run computed: the warning's step,
// the last step whose gas was still in the law's domain, the step where a
// full accumulator with no demand left stopped the run (the points after it
// are not written), or the number of steps.
struct CycleEnding {
    RunEnd end = RunEnd::Normal;
    int step = 0;
    int16_t lastPoint = 0;
    bool pumping = false;                         // the pump still delivering at the end
    gas::GasDomain domain = gas::GasDomain::Gas;  // where the gas went, for OutsideGas
};

// Where a cycle starts: full at Pm with the pump unloaded, or, for a cycle
// that follows another, with the gas where the law was left and the pump as
// the last cycle left it.
struct CycleStart {
    bool resume = false;
    // Read only when resuming, and every resumed start sets it.
    bool pumping = false;
    // Run the whole cycle time even once the accumulator is full again with
    // no demand left, as a cycle followed by another must: the gas keeps
    // moving (the volume's creep, the heat exchange) until the next one.
    bool toEnd = false;
};

// The last time the accumulator was full again after the latest demand's
// end: the point, and what it held.
struct FinalRecharge {
    bool saved = false;
    int step = 0;
    // Read only once `saved` is set, which writes all three.
    double v = 0, qt = 0, qs = 0;
};

// The cycle ended normally at point `last` of `n`; after a final recharge
// the points up to n repeat the full accumulator.
inline CycleEnding FinishCycle(const CircuitData& d, const SeriesOut& out, int n, int last,
                               bool pumping, const FinalRecharge& f, int32_t capacity) {
    // Reaching Pm unloads the pump for the next cycle.
    const bool delivering = pumping && !f.saved && ToSingle(out.p[last]) != d.Pm;
    // After a final recharge the points up to n repeat the full accumulator;
    // otherwise a run stopped early leaves them unwritten.
    CycleEnding ending{RunEnd::Normal, f.saved ? n : last, static_cast<int16_t>(n), delivering};
    if (f.saved) {
        for (int m = f.step + 1; m <= n; ++m) {
            out.v[m] = f.v;
            if (out.qt != nullptr) out.qt[m] = f.qt;
            out.qs[m] = f.qs;
            out.p[m] = d.Pm;
            out.dv[m] = 0;  // the volume stays where the recharge left it
            if (out.t != nullptr) out.t[m] = out.t[f.step];
        }
        // The views show 2.5 % past the final recharge, but never past the
        // series nor past what the 16-bit LastPoint can hold.
        const int end = f.step + static_cast<int>(std::floor(f.step * 0.025));
        ending.lastPoint = static_cast<int16_t>(std::min({end, capacity, kMaxSteps}));
    }
    return ending;
}

// `capacity` bounds LastPoint after a late recharge, as the series do.
template <gas::GasLaw Law>
CycleEnding StepCycle(const CircuitData& d, const CycleFlows& flows, Law& law, const SeriesOut& out,
                      int32_t capacity, CycleStart start = {}) {
    const int n = flows.Steps;
    const float timeStep = flows.TimeStep;
    const double* demand = flows.Qt.data();
    double* qs = out.qs;
    double* p = out.p;
    double* v = out.v;
    double* dv = out.dv;
    double* temp = out.t;

    bool pumping = start.resume && start.pumping;
    p[0] = start.resume ? law.Pressure() : d.Pm;
    qs[0] = pumping ? demand[0] - d.Qp : demand[0];
    v[0] = law.Volume();
    dv[0] = 0;
    if (temp != nullptr) temp[0] = law.Temperature();
    // A gas that is no gas at the start (a liquid at Pm) runs no step. The
    // points up to the one before the gas left are the run; the rest are
    // not results.
    const auto outside = [&](int last) {
        return CycleEnding{RunEnd::OutsideGas, last, static_cast<int16_t>(last), pumping,
                           law.Domain()};
    };
    if (law.Domain() != gas::GasDomain::Gas) return outside(0);

    const float lowThreshold = d.Pm - d.Dp;
    FinalRecharge recharge;
    auto finishNormally = [&](int last) {
        return FinishCycle(d, out, n, last, pumping, recharge, capacity);
    };

    for (int j = 1; j <= n; ++j) {
        const float tj = static_cast<float>(j) * timeStep;
        // Pump switch: it stays unloaded until the pressure falls to Pm - Dp.
        if (!pumping && ToSingle(p[j - 1]) > lowThreshold) {
            qs[j] = demand[j];
        } else {
            pumping = true;
            qs[j] = demand[j] - d.Qp;
        }
        dv[j] = static_cast<double>(timeStep) * qs[j - 1] / 60;
        if (dv[j] == 0) dv[j] = 0.00001;
        v[j] = v[j - 1] + dv[j];

        // A volume the gas cannot take (at or below zero) comes back as an
        // infinite pressure, which counts as a full accumulator.
        p[j] = law.Step(v[j]);
        if (ToSingle(p[j]) <= lowThreshold) qs[j] = demand[j] - d.Qp;
        if (ToSingle(p[j]) >= d.Pm) {
            p[j] = d.Pm;
            v[j] = law.Fill();
            qs[j] = demand[j];
            if (static_cast<double>(tj) > flows.LatestEnd) {
                recharge = FinalRecharge{true, j, v[j], demand[j], qs[j]};
            }
        }
        if (law.Domain() != gas::GasDomain::Gas) return outside(j - 1);
        if (temp != nullptr) temp[j] = law.Temperature();
        if (law.Empty())
            return CycleEnding{RunEnd::PrechargeTooHigh, j, static_cast<int16_t>(j), pumping};
        if (ToSingle(p[j]) == d.Pm) {
            if (flows.LastDemand <= j && !start.toEnd) return finishNormally(j);
            pumping = false;
        }
    }
    return finishNormally(n);
}

}  // namespace volvenza
