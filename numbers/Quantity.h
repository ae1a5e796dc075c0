#pragma once
// Quantities with their unit in the type, where a bare double once carried
// it in a comment: pressures gauge or absolute (a gauge pressure handed to
// a gas law, or a ratio taken on gauge pressures, was the fault behind more
// than one wrong answer), gas and oil volumes, flows. Each holds one double
// and does on it exactly what the bare double did, in the same order, so a
// result is the same to the bit; only the meaningful operations exist:
// adding and subtracting the same kind, comparing, scaling by a number. A
// pressure is a level: level - level is a BarDifference, level +- difference
// a level; margins and drops are differences. Two gauge pressures have no
// ratio: how many times one is the other depends on where the atmosphere
// happens to stand, so the ratios of pressures are taken on absolute ones.
// Nothing converts silently: a number becomes a quantity by naming it, and
// back by value(); gauge and absolute cross only through ToAbsolute and
// ToGauge, with the one atmosphere of the program.
//
// The rule of the house: gauge in the files and the windows (the user types
// gauge pressures), absolute in the gas laws and in the rules that take
// ratios of pressures.

#include <compare>
#include <optional>
#include <type_traits>

namespace volvenza {

// Added to a gauge pressure to make it absolute, in bar.
inline constexpr double kAtmosphere = 1.01325;

struct GaugeBarUnit;
struct AbsoluteBarUnit;
struct BarDifferenceUnit;
struct Dm3Unit;
struct Dm3PerMinUnit;

// What taking one quantity from another of its kind gives. A pressure is a
// level: two levels apart by a difference, never a level themselves (gauge
// or absolute, the atmosphere cancels). A difference of volumes or of flows
// is a volume or a flow.
template <class Unit>
struct DifferenceUnitOf {
    using type = Unit;
};
template <>
struct DifferenceUnitOf<GaugeBarUnit> {
    using type = BarDifferenceUnit;
};
template <>
struct DifferenceUnitOf<AbsoluteBarUnit> {
    using type = BarDifferenceUnit;
};

template <class Unit>
class Quantity {
    using DifferenceUnit = typename DifferenceUnitOf<Unit>::type;
    static constexpr bool kLevel = !std::is_same_v<DifferenceUnit, Unit>;
    static constexpr bool kHasRatio = !std::is_same_v<Unit, GaugeBarUnit>;

  public:
    // Level minus level, level plus or minus this.
    using Difference = Quantity<DifferenceUnit>;

    constexpr Quantity() = default;
    constexpr explicit Quantity(double value) : value_(value) {}

    constexpr double value() const { return value_; }

    constexpr Quantity operator-() const requires(!kLevel) { return Quantity(-value_); }
    constexpr Quantity& operator+=(Difference d) {
        value_ += d.value();
        return *this;
    }
    constexpr Quantity& operator-=(Difference d) {
        value_ -= d.value();
        return *this;
    }
    friend constexpr Quantity operator+(Quantity a, Difference d) {
        return Quantity(a.value_ + d.value());
    }
    friend constexpr Quantity operator+(Difference d, Quantity a) requires kLevel {
        return Quantity(d.value() + a.value_);
    }
    friend constexpr Quantity operator-(Quantity a, Difference d) requires kLevel {
        return Quantity(a.value_ - d.value());
    }
    friend constexpr Difference operator-(Quantity a, Quantity b) {
        return Difference(a.value_ - b.value_);
    }
    friend constexpr Quantity operator*(Quantity a, double k) { return Quantity(a.value_ * k); }
    friend constexpr Quantity operator*(double k, Quantity a) { return Quantity(k * a.value_); }
    friend constexpr Quantity operator/(Quantity a, double k) { return Quantity(a.value_ / k); }
    // How many times one is the other: a plain number. Not for gauge
    // pressures, whose ratio means nothing; take it on ToAbsolute of each.
    friend constexpr double operator/(Quantity a, Quantity b) requires kHasRatio {
        return a.value_ / b.value_;
    }
    // Not a number compares unordered, as the double does.
    friend constexpr auto operator<=>(Quantity a, Quantity b) { return a.value_ <=> b.value_; }
    friend constexpr bool operator==(Quantity a, Quantity b) { return a.value_ == b.value_; }

  private:
    double value_ = 0;
};

// Bar above the atmosphere: what a gauge reads and the user types.
using GaugeBar = Quantity<GaugeBarUnit>;
// Bar above vacuum: what the gas laws and the ratios of pressures work on.
using AbsoluteBar = Quantity<AbsoluteBarUnit>;
// How far apart two pressures are, in bar: the same gauge or absolute.
using BarDifference = Quantity<BarDifferenceUnit>;
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

// A figure that may be missing (a limit not given), named and back.
template <class Q>
constexpr std::optional<Q> OptionalOf(const std::optional<double>& v) {
    return v ? std::optional<Q>(Q(*v)) : std::nullopt;
}
template <class Unit>
constexpr std::optional<double> OptionalValue(const std::optional<Quantity<Unit>>& q) {
    return q ? std::optional<double>(q->value()) : std::nullopt;
}

}  // namespace volvenza
