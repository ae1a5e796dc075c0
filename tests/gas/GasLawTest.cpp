#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "gas/IdealLaw.h"
#include "gas/Nitrogen.h"
#include "gas/NitrogenLaw.h"

namespace {

using namespace volvenza::gas;
using volvenza::ItalianText;

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(IdealLawTest, ThePolytropeOnAbsolutePressuresAndItsWork) {
    // Precharged at 60 bar gauge and 20 °C, working at 45 °C, charged fast.
    IdealLawSettings s{10, 60, 20, 45, 80, 1.4, ChargeStart::Fast};
    auto law = IdealLaw::Create(s);
    ASSERT_TRUE(law) << law.Error();
    const double p0 = 61.01325 * 318.15 / 293.15;  // absolute, at the working temperature
    EXPECT_NEAR(law->PrechargeAtTemp(), p0 - 1.01325, 1e-12);
    const double full = 10 * std::pow(p0 / 81.01325, 1 / 1.4);
    EXPECT_NEAR(law->FullVolume(), full, 1e-12);
    EXPECT_NEAR(law->PressureAt(full), 80, 1e-12);
    EXPECT_NEAR(law->PressureAt(10), p0 - 1.01325, 1e-12);
    EXPECT_NEAR(law->VolumeAt(68), 10 * std::pow(p0 / 69.01325, 1 / 1.4), 1e-12);
    EXPECT_EQ(law->PressureAt(0), kInf);
    // The gas cools on the same polytrope, back to the working temperature at V0.
    EXPECT_NEAR(law->TemperatureAt(10), 45, 1e-9);
    EXPECT_NEAR(law->TemperatureAt(full) + kKelvin, 318.15 * std::pow(81.01325 / p0, 0.4 / 1.4),
                1e-9);

    // The work of a draw against the integral of p dV by Simpson's rule, on
    // n = 1.4, near 1 (where the closed form turns into a logarithm) and at 1.
    for (double n : {1.4, 1.0 + 1e-9, 1.0}) {
        s.Exponent = n;
        const IdealLaw l = *IdealLaw::Create(s);
        const double a = l.FullVolume(), b = 9.5;
        double simpson = 0;
        const int k = 2000;
        for (int i = 0; i <= k; ++i) {
            const double w = i == 0 || i == k ? 1 : (i % 2 ? 4 : 2);
            simpson += w * (l.PressureAt(a + (b - a) * i / k) + kAtmosphere);
        }
        simpson *= (b - a) / k / 3 * 100;  // bar dm3 to J
        EXPECT_NEAR(l.WorkBetween(a, b) / simpson, 1, 1e-10) << n;
        // Adiabatic, the work is the energy the gas loses.
        if (n == 1.4) {
            EXPECT_NEAR(l.EnergyAt(a) - l.EnergyAt(b), l.WorkBetween(a, b), 1e-9);
        }
    }

    // Charged slowly: full at Pm and the working temperature.
    s.Exponent = 1.4;
    s.Start = ChargeStart::Slow;
    const IdealLaw slow = *IdealLaw::Create(s);
    EXPECT_NEAR(slow.FullVolume(), 10 * p0 / 81.01325, 1e-12);
    EXPECT_NEAR(slow.TemperatureAt(slow.FullVolume()), 45, 1e-12);
    EXPECT_LT(slow.PressureAt(10), slow.PrechargeAtTemp());  // cooled below it at V0

    for (double n : {0.99, 1.0, 1.67, 1.68}) {
        s.Exponent = n;
        auto made = IdealLaw::Create(s);
        EXPECT_EQ(bool(made), n >= 1.0 && n <= 1.67) << n;
        if (!made) {
            EXPECT_NE(ItalianText(made.Error()).find("politropica"), std::string::npos);
        }
    }
    // Absolute zero and an absolute vacuum are refused, a hair above them is not.
    const IdealLawSettings edges[] = {{10, 60, -kKelvin, 45, 80, 1.4},
                                      {10, 60, 20, -kKelvin, 80, 1.4},
                                      {10, -kAtmosphere, 20, 45, 80, 1.4},
                                      {10, 60, 20, 45, -kAtmosphere, 1.4}};
    for (const IdealLawSettings& e : edges) {
        EXPECT_FALSE(IdealLaw::Create(e)) << e.ChargeTemp << " " << e.WorkTemp;
        IdealLawSettings above = e;
        for (double* x : {&above.ChargeTemp, &above.WorkTemp, &above.P0, &above.Pm}) *x += 1e-6;
        EXPECT_TRUE(IdealLaw::Create(above)) << e.ChargeTemp << " " << e.WorkTemp;
    }
}

NitrogenLawSettings Example(double tau) {
    return {10, 60, 20, 45, 80, tau};
}

TEST(NitrogenLawTest, StartsFullWithTheChargedMass) {
    auto law = NitrogenLaw::Create(Example(kInf));
    ASSERT_TRUE(law) << law.Error();
    const double charged = *nitrogen::DensityAt(293.15, 61.01325e5) * 10e-3;
    EXPECT_DOUBLE_EQ(law->Mass(), charged);
    EXPECT_NEAR(law->Full().Gauge(), 80, 1e-9);
    EXPECT_DOUBLE_EQ(law->Full().T, 318.15);
    EXPECT_NEAR(law->PrechargeAtTemp(),
                nitrogen::PropertiesAt(318.15, charged / 10e-3).p / 1e5 - 1.01325, 1e-9);
    // Nitrogen at 60 to 80 bar is a little less compressible than the ideal gas.
    const double fullVolume = law->Volume(law->Full().rho);
    EXPECT_GT(fullVolume, 10 * (66.0 / 81.0));

    // Any gas volume above zero holds a charge.
    EXPECT_TRUE(NitrogenLaw::Create({0.5, 60, 20, 45, 80, kInf}));
    EXPECT_FALSE(NitrogenLaw::Create({0, 60, 20, 45, 80, kInf}));
    EXPECT_FALSE(NitrogenLaw::Create({10, 60, 20, 45, 80, -1}));
    auto tooHigh = NitrogenLaw::Create({10, 60, 20, 45, 30000, kInf});
    ASSERT_FALSE(tooHigh);
    EXPECT_NE(ItalianText(tooHigh.Error()).find("Pressione massima"), std::string::npos)
        << tooHigh.Error();

    // Charged fast: on the isentrope through the precharge at 45 °C, so hotter
    // and larger; the isothermal gas starts at 45 °C all the same.
    NitrogenLawSettings fast = Example(kInf);
    fast.Start = ChargeStart::Fast;
    auto hot = NitrogenLaw::Create(fast);
    ASSERT_TRUE(hot) << hot.Error();
    EXPECT_NEAR(hot->Full().s / nitrogen::PropertiesAt(318.15, charged / 10e-3).s, 1, 1e-12);
    EXPECT_NEAR(hot->Full().Gauge(), 80, 1e-9);
    EXPECT_GT(hot->Full().T, 60 + kKelvin);
    EXPECT_GT(hot->Volume(hot->Full().rho), fullVolume + 0.3);
    EXPECT_EQ(hot->Full().domain, GasDomain::Gas);
    fast.Tau = 0;
    EXPECT_EQ(NitrogenLaw::Create(fast)->Full().rho, NitrogenLaw::Create(Example(0))->Full().rho);

    // A gas that is liquid at its charge is refused; one liquid at Pm and
    // the working temperature is made, to end its run at once.
    auto liquid = NitrogenLaw::Create({10, 60, -190, 45, 80, kInf});
    ASSERT_FALSE(liquid);
    EXPECT_NE(ItalianText(liquid.Error()).find("l'azoto condensa"), std::string::npos)
        << liquid.Error();
    EXPECT_EQ(NitrogenLaw::Create({10, 60, 20, -160, 80, kInf})->Full().domain,
              GasDomain::Condenses);
}

// The states the cycle asks for, solved from a state elsewhere, against the
// equation evaluated directly.
TEST(NitrogenLawTest, StatesSolvedFromEntropyPressureAndTemperature) {
    const NitrogenLaw law = *NitrogenLaw::Create({20, 150, 20, 45, 250, kInf});
    const NitrogenState full = law.Full();
    for (double rho : {full.rho * 0.5, full.rho * 0.97, full.rho * 1.2}) {
        for (double T : {250.0, 318.15, 400.0}) {
            const NitrogenState direct = law.At(rho, T);
            const NitrogenState solved = law.WithEntropy(rho, direct.s, full);
            EXPECT_NEAR(solved.T, T, 1e-7 * T) << rho << " " << T;
            EXPECT_NEAR(solved.p / direct.p, 1, 1e-9) << rho << " " << T;
            EXPECT_NEAR(solved.u - direct.u, 0, 1e-4) << rho << " " << T;
            auto back = law.AtPressureWithEntropy(direct.p, direct.s, full);
            ASSERT_TRUE(back);
            EXPECT_NEAR(back->rho / rho, 1, 1e-10);
            EXPECT_NEAR(back->T / T, 1, 1e-10);
            auto isothermal = law.AtPressureAndTemperature(direct.p, T, full);
            ASSERT_TRUE(isothermal);
            EXPECT_NEAR(isothermal->rho / rho, 1, 1e-10);
        }
    }
    // Expanded far enough on its isentrope the gas passes the saturation
    // line; a thin gas cooled at its density passes the triple point first:
    // each path stops where it leaves the gas.
    EXPECT_EQ(law.WithEntropy(full.rho * 0.97, full.s, full).domain, GasDomain::Gas);
    EXPECT_EQ(law.WithEntropy(full.rho / 30, full.s, full).domain, GasDomain::Condenses);
    const NitrogenState thin = law.At(0.1, 300);
    EXPECT_EQ(law.WithEntropy(0.1, law.At(0.1, 64).s - 100, thin).domain, GasDomain::BelowTriple);

    // Near the critical point one far jump along the isentrope lands where
    // the gas, followed there in small steps, arrives.
    const NitrogenLaw cold = *NitrogenLaw::Create({10, 20, 20, -120, 80, kInf});
    NitrogenState step = cold.Full();
    for (int i = 1; i <= 50; ++i) {
        step = cold.WithEntropy(cold.Full().rho / (1 + 0.5 * i / 50), cold.Full().s, step);
    }
    const NitrogenState jump = cold.WithEntropy(cold.Full().rho / 1.5, cold.Full().s, cold.Full());
    EXPECT_EQ(jump.domain, step.domain);
    EXPECT_NEAR(jump.T, step.T, 1e-6 * step.T);
}

}  // namespace
