#include "numbers/Quantity.h"

#include <gtest/gtest.h>

#include <cmath>
#include <concepts>
#include <limits>
#include <type_traits>
#include <vector>

namespace volvenza {
namespace {

// A bare number is no pressure, and gauge is no absolute, without a name.
static_assert(!std::is_convertible_v<double, GaugeBar>);
static_assert(!std::is_convertible_v<GaugeBar, double>);
static_assert(!std::is_constructible_v<AbsoluteBar, GaugeBar>);
static_assert(!std::is_constructible_v<Dm3, Dm3PerMin>);
// Two pressure levels are apart by a difference, never added into a level.
template <class A, class B>
concept Addable = requires(A a, B b) {
    a + b;
};
static_assert(!Addable<GaugeBar, GaugeBar> && !Addable<AbsoluteBar, GaugeBar>);
static_assert(!Addable<AbsoluteBar, AbsoluteBar> && Addable<Dm3, Dm3>);
static_assert(std::is_same_v<decltype(AbsoluteBar() - AbsoluteBar()), BarDifference>);
static_assert(std::is_same_v<decltype(BarDifference() + GaugeBar()), GaugeBar>);
// Two gauge pressures have no ratio; absolute ones and differences do.
template <class A>
concept HasRatio = requires(A a) {
    { a / a } -> std::same_as<double>;
};
static_assert(!HasRatio<GaugeBar> && HasRatio<AbsoluteBar> && HasRatio<BarDifference>);
static_assert(sizeof(GaugeBar) == sizeof(double) && std::is_trivially_copyable_v<GaugeBar>);

TEST(Quantity, DoesWhatTheDoubleDid) {
    const GaugeBar a(80), b(13.125);
    const BarDifference d(13.125);
    EXPECT_EQ(
        (std::vector{(a - b).value(), (a + d).value(), (d + a).value(), (a - d).value(),
                     (Dm3(5) - Dm3(2) + Dm3(0.5)).value(), (-d).value(), (a * 0.3).value(),
                     (0.3 * a).value(), (a / 3).value(), ToAbsolute(a) / ToAbsolute(b)}),
        (std::vector{80 - 13.125, 80 + 13.125, 13.125 + 80, 80 - 13.125, 5 - 2 + 0.5, -13.125,
                     80 * 0.3, 0.3 * 80, 80.0 / 3, (80 + kAtmosphere) / (13.125 + kAtmosphere)}));
    GaugeBar c = a;
    c -= d;
    EXPECT_EQ(c.value(), 80 - 13.125);
    c += d;
    EXPECT_EQ(c, a);
    EXPECT_TRUE(b < a && b <= a && a > b && a >= b && a != b && !(a < a) && a <= a);
    // Not a number stands outside every order, as the double does.
    const GaugeBar nan(std::numeric_limits<double>::quiet_NaN());
    EXPECT_FALSE(nan < a || nan > a || nan == nan || nan <= a || nan >= a);
    EXPECT_EQ(Dm3().value(), 0);
}

TEST(Quantity, CrossesGaugeAndAbsoluteWithTheOneAtmosphere) {
    EXPECT_EQ(ToAbsolute(GaugeBar(60)).value(), 60 + 1.01325);
    EXPECT_EQ(ToGauge(AbsoluteBar(61)).value(), 61 - 1.01325);
    EXPECT_EQ(ToGauge(AbsoluteBar(0)).value(), -1.01325);  // vacuum
}

}  // namespace
}  // namespace volvenza
