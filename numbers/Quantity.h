#pragma once
// Quantities with their unit in the type, where a bare double once carried
// it in a comment: pressures gauge or absolute (a gauge pressure handed to
// a gas law, or a ratio taken on gauge pressures, was the fault behind more
// than one wrong answer), gas and oil volumes, flows. Each holds one double
// and does on it exactly what the bare double did, in the same order, so a
// result is the same to the bit; only the meaningful operations exist:
// adding and subtracting the same kind, comparing, scaling by a number.
// Nothing converts silently: a number becomes a quantity by naming it, and
// back by value(); gauge and absolute cross only through ToAbsolute and
// ToGauge, with the one atmosphere of the program.
//
// The rule of the house: gauge in the files and the windows (the user types
// gauge pressures), absolute in the gas laws and in the rules that take
// ratios of pressures.

#include <compare>

namespace volvenza {

// Added to a gauge pressure to make it absolute, in bar.
inline constexpr double kAtmosphere = 1.01325;

template <class Unit>
class Quantity {
  public:
    constexpr Quantity() = default;
    constexpr explicit Quantity(double value) : value_(value) {}

    constexpr double value() const { return value_; }

    constexpr Quantity operator-() const { return Quantity(-value_); }
    constexpr Quantity& operator+=(Quantity other) {
        value_ += other.value_;
        return *this;
    }
    constexpr Quantity& operator-=(Quantity other) {
        value_ -= other.value_;
        return *this;
    }
    friend constexpr Quantity operator+(Quantity a, Quantity b) {
        return Quantity(a.value_ + b.value_);
    }
    friend constexpr Quantity operator-(Quantity a, Quantity b) {
        return Quantity(a.value_ - b.value_);
    }
    friend constexpr Quantity operator*(Quantity a, double k) { return Quantity(a.value_ * k); }
    friend constexpr Quantity operator*(double k, Quantity a) { return Quantity(k * a.value_); }
    friend constexpr Quantity operator/(Quantity a, double k) { return Quantity(a.value_ / k); }
    // How many times one is the other: a plain number.
    friend constexpr double operator/(Quantity a, Quantity b) { return a.value_ / b.value_; }
    // Not a number compares unordered, as the double does.
    friend constexpr auto operator<=>(Quantity a, Quantity b) { return a.value_ <=> b.value_; }
    friend constexpr bool operator==(Quantity a, Quantity b) { return a.value_ == b.value_; }

  private:
    double value_ = 0;
};

struct GaugeBarUnit;
struct AbsoluteBarUnit;
struct Dm3Unit;
struct Dm3PerMinUnit;

// Bar above the atmosphere: what a gauge reads and the user types.
using GaugeBar = Quantity<GaugeBarUnit>;
// Bar above vacuum: what the gas laws and the ratios of pressures work on.
using AbsoluteBar = Quantity<AbsoluteBarUnit>;
// A volume of gas or oil [dm3].
using Dm3 = Quantity<Dm3Unit>;
// A flow of oil [dm3/min].
using Dm3PerMin = Quantity<Dm3PerMinUnit>;

constexpr AbsoluteBar ToAbsolute(GaugeBar p) {
    return AbsoluteBar(p.value() + kAtmosphere);
}
constexpr GaugeBar ToGauge(AbsoluteBar p) {
    return GaugeBar(p.value() - kAtmosphere);
}

}  // namespace volvenza
