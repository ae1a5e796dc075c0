#pragma once
// The gas of the exact engine over one stretch of constant flow: how the
// pressure, temperature and volume move while the gas volume grows at a
// constant rate (or stands still), where the pressure reaches a level, and
// the work, heat and pressure-time the stretch adds up.
//
// The ideal gas and real nitrogen without heat exchange (adiabatic) or with
// a wall that holds the gas at its temperature (isothermal) have the pressure
// as a function of the volume alone: every answer is a closed form or one
// solve of the equation of state. Real nitrogen with a finite thermal time
// constant also moves by the heat it exchanges: its entropy is integrated
// with an embedded Runge-Kutta pair (Bogacki-Shampine 3(2)) whose local
// error stays below kEntropyTolerance per step; levels are found to 1e-10 s
// on its dense output.

#include <limits>
#include <memory>
#include <optional>

#include "engine/CircuitData.h"
#include "engine/GasSettings.h"
#include "gas/GasLaw.h"
#include "messages/Result.h"
#include "numbers/Quantity.h"

namespace volvenza {

// The largest local error of the real gas's entropy per integration step
// [J/(kg K)]: at accumulator pressures it moves the pressure by about 3e-5 bar.
inline constexpr double kEntropyTolerance = 1e-4;

// The gas at one instant.
struct GasPoint {
    double volume = 0;       // dm3
    double pressure = 0;     // bar gauge
    double temperature = 0;  // °C
    double entropy = 0;      // J/(kg K), real nitrogen only
    double energy = 0;       // J/kg, internal, real nitrogen only
    // dp/dV along the law's own path (the polytrope, isentrope or isotherm)
    // [bar/dm3]: negative, and rising towards zero as the gas grows.
    double slope = 0;
    gas::GasDomain domain = gas::GasDomain::Gas;

    // The pressure above vacuum, for the laws and the slopes.
    AbsoluteBar Absolute() const { return ToAbsolute(GaugeBar(pressure)); }
};

// A pressure the stretch stops at: reached falling (the pump's restart) or
// rising (the maximum).
struct Watch {
    bool active = false;
    bool falling = true;
    GaugeBar level;

    bool Reached(double pressure) const {
        return active && (falling ? GaugeBar(pressure) <= level : GaugeBar(pressure) >= level);
    }
};

// Points on the 0,01 s grid, taken as the stretches pass them.
class Sampler {
  public:
    virtual ~Sampler() = default;
    // The instant of grid point j.
    double Time(int j) const { return j / perSecond_; }
    int Next() const { return next_; }
    int Last() const { return last_; }
    // Point j at its instant, with the demand and the accumulator's flow there.
    void Take(const GasPoint& point) {
        Record(next_, point);
        ++next_;
    }
    double qt = 0, qs = 0;  // the flows of the stretch being passed [dm3/min]

  protected:
    Sampler(double perSecond, int last) : perSecond_(perSecond), last_(last) {}
    virtual void Record(int j, const GasPoint& point) = 0;

  private:
    double perSecond_;
    int next_ = 0;
    int last_;
};

// What the stretches of a cycle add up, and its extremes.
struct PathLog {
    double workAbs = 0;       // J the gas does, on absolute pressures
    double pressureTime = 0;  // bar s: the integral of the gauge pressure over time
    double heatIn = 0;        // J the gas takes from the wall
    double lowest = std::numeric_limits<double>::infinity(), lowestTime = 0;     // bar, s
    double lowestVolume = 0;                                                     // dm3
    double highest = -std::numeric_limits<double>::infinity(), highestTime = 0;  // bar, s
    double coldest = std::numeric_limits<double>::infinity();                    // °C
    double warmest = -std::numeric_limits<double>::infinity();                   // °C
    Sampler* sampler = nullptr;

    void Note(double time, const GasPoint& p) {
        if (p.pressure < lowest) {
            lowest = p.pressure;
            lowestTime = time;
            lowestVolume = p.volume;
        }
        if (p.pressure > highest) {
            highest = p.pressure;
            highestTime = time;
        }
        coldest = std::min(coldest, p.temperature);
        warmest = std::max(warmest, p.temperature);
    }
};

// How a stretch ended.
struct Reached {
    double time = 0;       // s
    bool level = false;    // at the watched pressure
    bool outside = false;  // the gas left its domain: `time` is the last instant inside
    gas::GasDomain domain = gas::GasDomain::Gas;  // where it went
};

class GasPath {
  public:
    virtual ~GasPath() = default;
    // Full at Pm, where a cycle from the start begins.
    virtual GasPoint Full() const = 0;
    virtual double EmptyVolume() const = 0;
    // Whether the gas exchanges heat with the wall, so that the same volume
    // need not bring back the same pressure.
    virtual bool ExchangesHeat() const = 0;
    // How long the gas remembers where it started [s]: the time the wall
    // takes to bring a temperature difference down to a thousandth, at
    // constant pressure, the slower way; 0 for a gas that exchanges no heat.
    virtual double Memory() const { return 0; }
    // The precharge at the working temperature [bar gauge], the chart's line.
    virtual double PrechargeAtTemp() const = 0;
    // The gas's internal energy [J] at a point; only its changes mean anything.
    virtual double Energy(const GasPoint& point) const = 0;
    // Moves `point` from `from` to `to` with the gas volume growing at `rate`
    // [dm3/s]; stops early where the watched level is reached or the gas
    // leaves its domain. Notes the extremes and takes the grid points passed.
    virtual Reached Advance(GasPoint& point, double from, double to, double rate,
                            const Watch& watch, PathLog& log) = 0;
    // The point at a pressure with the entropy `entropy` (real nitrogen; the
    // ideal gas's pressure is its volume's), solved from a point near it;
    // nothing when there is none.
    virtual std::optional<GasPoint> AtPressure(GaugeBar pressure, double entropy,
                                               const GasPoint& near) const = 0;
    // Holds the pressure where it is from `from` to `to`, the pump making up
    // what the gas would change.
    virtual Reached Hold(GasPoint& point, double from, double to, PathLog& log) = 0;
};

// The initial values as the exact engine takes them: the decimals typed, in
// double precision, with the vessels in parallel and the bottles as one gas
// volume and the pump's delivery less its volumetric losses.
struct ExactData {
    Dm3 V0;
    GaugeBar P0;    // at the charging temperature
    double Tc = 0;  // °C
    Dm3PerMin Qp;
    GaugeBar Pm;
    BarDifference Dp;      // the band below Pm where the pump restarts
    double CycleTime = 0;  // s
};
ExactData TypedData(const CircuitData& data, const Arrangement& vessels = {});

// The path of the gas law of `gas` (ideal or real) for the data at the
// working temperature `workTemp`, with the same charge at every temperature;
// the message when the law cannot hold the data. The tolerance is the real
// gas's entropy per integration step.
Result<std::unique_ptr<GasPath>> MakeGasPath(const ExactData& data, const GasSettings& gas,
                                             double workTemp, double tolerance = kEntropyTolerance);

}  // namespace volvenza
