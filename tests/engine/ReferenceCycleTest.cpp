// The reference cycle the engine is compared with, checked where nothing
// else holds it: real nitrogen's isentrope, isotherm and wall lag. Its ideal
// gas and its pump are held by the engine's closed forms, which the two must
// agree with to 1e-9.
#include "tests/support/ReferenceCycle.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace volvenza::reference;
namespace n2 = volvenza::gas::nitrogen;
constexpr double kAtm = volvenza::gas::kAtmosphere;
constexpr double kK = volvenza::gas::kKelvin;

TEST(ReferenceCycle, NitrogenKeepsItsEntropyOrItsTemperature) {
    // 1 dm3 drawn at 250 bar, charged at 30 degrees C and worked at 10.
    const RefCircuit c{10, 150, 30, 250, 250, 1.5, {{0.5, 1.5, 60}}};
    const double wall = 10 + kK;
    const double mass = *n2::DensityAt(30 + kK, (150 + kAtm) * 1e5) * 10e-3;
    const double rhoFull = *n2::DensityAt(wall, (250 + kAtm) * 1e5);
    const double rhoEnd = mass / (mass / rhoFull + 1e-3);
    auto bar = [](double T, double rho) { return n2::PropertiesAt(T, rho).p / 1e5 - kAtm; };

    const RefCycle adiabatic = RunReference(c, {RefLaw::Nitrogen, 1.4, INFINITY, 30, 10})[0];
    const double cold = *n2::TemperatureAt(n2::PropertiesAt(wall, rhoFull).s, rhoEnd, wall);
    EXPECT_NEAR(adiabatic.endTemperature + kK, cold, 1e-6);
    EXPECT_NEAR(adiabatic.endPressure, bar(cold, rhoEnd), 1e-6);

    const RefCycle isothermal = RunReference(c, {RefLaw::Nitrogen, 1.4, 0, 30, 10})[0];
    EXPECT_NEAR(isothermal.endPressure, bar(wall, rhoEnd), 1e-9);

    // A fast wall keeps the gas just below its temperature, by the lag
    // tau (T/cv) (dp/dT) dv/dt of the quasi-steady exchange.
    const double tau = 0.02;
    const RefCycle fast = RunReference(c, {RefLaw::Nitrogen, 1.4, tau, 30, 10})[0];
    const n2::Properties end = n2::PropertiesAt(wall, rhoEnd);
    const double lag = tau * wall / end.cv * end.dpdT * 1e-3 / mass;
    EXPECT_NEAR(fast.endTemperature, 10 - lag, 0.01 * lag);

    // Over a long rest the wall warms the expanded gas back to its own temperature.
    RefCircuit rest = c;
    rest.cycleTime = 600;
    const RefCycle warmed = RunReference(rest, {RefLaw::Nitrogen, 1.4, 45, 30, 10})[0];
    EXPECT_NEAR(warmed.endTemperature, 10, 1e-3);
    EXPECT_NEAR(warmed.endPressure, bar(wall, rhoEnd), 1e-3);
}

}  // namespace
