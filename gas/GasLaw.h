#pragma once
// What the classic stepping asks of the gas in the accumulator, and what
// every law shares: the atmosphere, the kelvin, where a gas stands against
// its equation, how a cycle finds it at its start.
//
// The stepping loop (engine/StepCycle.h) owns the volume arithmetic (flows,
// pump, endings); the law owns the gas. At each step the loop hands the new
// gas volume to Step and gets the pressure back; when that pressure reaches
// the maximum the loop calls Fill, which holds the pressure there and says
// how much gas volume is left; Empty tells whether the gas has expanded down
// to its precharge. The loop is a template over the law, so a step is an
// inline call; only the classic adiabatic law (ClassicLaw.h) runs on it
// now: the ideal gas and real nitrogen go from event to event on the exact
// engine (engine/ExactCycle.h), which asks them for closed forms instead.
// Volumes are in dm3, pressures in bar as the user types them, temperatures
// in degrees Celsius.

#include <concepts>
#include <cstdint>

#include "numbers/Quantity.h"

namespace volvenza::gas {

// Added to a gauge pressure to make it absolute, in bar (numbers/Quantity.h).
using volvenza::kAtmosphere;
// Celsius to kelvin.
inline constexpr double kKelvin = 273.15;

// Where the gas stands against the states the law's equation describes.
enum class GasDomain : int8_t {
    Gas,          // the single-phase gas the law follows
    Condenses,    // at or below the saturation temperature at its density
    BelowTriple,  // colder than the triple point
    OutOfRange,   // hotter, or at a pressure, beyond the equation's range, or solid
};

// How the run finds the gas at its start, full at the maximum pressure:
// charged slowly, it has cooled back to the working temperature; charged
// fast, it is still on the adiabat through the precharge, and hot.
enum class ChargeStart : int8_t { Slow, Fast };

template <class L>
concept GasLaw = requires(L law, const L& c, double volume) {
    // The new gas volume of this step; returns the pressure. A volume at or
    // below zero, or one the gas cannot be squeezed into, gives +infinity
    // (the loop then treats the accumulator as full) and leaves the gas as it was.
    { law.Step(volume) } -> std::same_as<double>;
    // Holds the gas at the maximum pressure; returns the gas volume that gives it.
    { law.Fill() } -> std::same_as<double>;
    { c.Empty() } -> std::same_as<bool>;
    { c.Volume() } -> std::same_as<double>;
    { c.Pressure() } -> std::same_as<double>;
    { c.Temperature() } -> std::same_as<double>;
    // The precharge at the working temperature, for the chart's precharge line.
    { c.PrechargeAtTemp() } -> std::same_as<double>;
    { c.Domain() } -> std::same_as<GasDomain>;
};

}  // namespace volvenza::gas
