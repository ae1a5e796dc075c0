#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "gas/IdealLaw.h"
#include "gas/Nitrogen.h"
#include "gas/NitrogenLaw.h"

namespace {

using namespace volvenza::gas;

constexpr double kInf = std::numeric_limits<double>::infinity();

// Draws oil with the pump stopped until the pressure falls below p2 and
// returns the volume delivered between p1 and p2 (linear between steps).
template <class Law>
double DeliveredBetween(Law law, double p1, double p2, double step) {
    double v1 = NAN, prevV = law.Volume(), prevP = law.Pressure();
    while (true) {
        const double p = law.Step(law.Volume() + step);
        auto cross = [&](double level) {
            return prevV + (law.Volume() - prevV) * (prevP - level) / (prevP - p);
        };
        if (std::isnan(v1) && p <= p1) v1 = cross(p1);
        if (p <= p2) return cross(p2) - v1;
        prevV = law.Volume();
        prevP = p;
    }
}

TEST(IdealLawTest, DeliversWhatThePolytropeHoldsInAbsolutePressures) {
    // Precharged at 60 bar gauge and 20 °C, working at 45 °C, charged fast.
    IdealLawSettings s{10, 60, 20, 45, 80, 1.4, ChargeStart::Fast};
    auto law = IdealLaw::Create(s);
    ASSERT_TRUE(law) << law.Error();
    const double p0 = 61.01325 * 318.15 / 293.15;  // absolute, at the working temperature
    EXPECT_NEAR(law->PrechargeAtTemp(), p0 - 1.01325, 1e-12);
    EXPECT_NEAR(law->Volume(), 10 * std::pow(p0 / 81.01325, 1 / 1.4), 1e-12);

    const double p1 = 75, p2 = 68;  // gauge, from the higher to the lower
    const double want =
        10 * (std::pow(p0 / (p2 + 1.01325), 1 / 1.4) - std::pow(p0 / (p1 + 1.01325), 1 / 1.4));
    EXPECT_NEAR(DeliveredBetween(*law, p1, p2, 0.0005) / want, 1.0, 1e-3);

    IdealLaw drawn = *law;
    drawn.Step(9.99);
    EXPECT_FALSE(drawn.Empty());
    drawn.Step(10.0);
    EXPECT_TRUE(drawn.Empty());
    // The gas cools on the same polytrope, back to the working temperature at V0.
    EXPECT_NEAR(drawn.Temperature(), 45, 1e-9);
    EXPECT_NEAR(law->Temperature() + kKelvin, 318.15 * std::pow(81.01325 / p0, 0.4 / 1.4), 1e-9);
    EXPECT_EQ(drawn.Fill(), law->Volume());
    EXPECT_EQ(drawn.Temperature(), law->Temperature());
    EXPECT_EQ(drawn.Step(0), kInf);

    // Charged slowly: full at Pm and the working temperature, then the same
    // polytrope from there; empty only at V0, below the precharge.
    s.Start = ChargeStart::Slow;
    IdealLaw slow = *IdealLaw::Create(s);
    const double full = 10 * p0 / 81.01325;
    EXPECT_NEAR(slow.Volume(), full, 1e-12);
    EXPECT_EQ(std::pair(slow.Temperature(), slow.Pressure()), std::pair(45.0, 80.0));
    EXPECT_NEAR(slow.Step(9.0), 81.01325 * std::pow(full / 9, 1.4) - 1.01325, 1e-9);
    EXPECT_NEAR(slow.Temperature() + kKelvin, 318.15 * std::pow(full / 9, 0.4), 1e-9);
    EXPECT_FALSE(slow.Empty());
    EXPECT_LT(slow.Step(10.0), slow.PrechargeAtTemp());
    EXPECT_TRUE(slow.Empty());
    s.Start = ChargeStart::Fast;

    for (double n : {0.99, 1.0, 1.67, 1.68}) {
        s.Exponent = n;
        auto made = IdealLaw::Create(s);
        EXPECT_EQ(bool(made), n >= 1.0 && n <= 1.67) << n;
        if (!made) {
            EXPECT_NE(volvenza::ItalianText(made.Error()).find("politropica"), std::string::npos);
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
    return {10, 60, 20, 45, 80, tau, 0.01};
}

TEST(NitrogenLawTest, StartsFullWithTheChargedMass) {
    auto law = NitrogenLaw::Create(Example(kInf));
    ASSERT_TRUE(law) << law.Error();
    const double charged = *nitrogen::DensityAt(293.15, 61.01325e5) * 10e-3;
    EXPECT_DOUBLE_EQ(law->Mass(), charged);
    EXPECT_NEAR(law->Pressure(), 80, 1e-9);
    EXPECT_DOUBLE_EQ(law->Temperature(), 45);
    EXPECT_NEAR(law->PrechargeAtTemp(),
                nitrogen::PropertiesAt(318.15, charged / 10e-3).p / 1e5 - 1.01325, 1e-9);
    // Nitrogen at 60 to 80 bar is a little less compressible than the ideal gas.
    EXPECT_GT(law->Volume(), 10 * (66.0 / 81.0));

    // Any gas volume above zero holds a charge.
    EXPECT_TRUE(NitrogenLaw::Create({0.5, 60, 20, 45, 80, kInf, 0.01}));
    EXPECT_FALSE(NitrogenLaw::Create({0, 60, 20, 45, 80, kInf, 0.01}));
    auto tooHigh = NitrogenLaw::Create({10, 60, 20, 45, 30000, kInf, 0.01});
    ASSERT_FALSE(tooHigh);
    EXPECT_NE(ItalianText(tooHigh.Error()).find("Pressione massima"), std::string::npos)
        << tooHigh.Error();

    // Charged fast: on the isentrope through the precharge at 45 °C, so hotter
    // and larger; the isothermal gas starts at 45 °C all the same.
    NitrogenLawSettings fast = Example(kInf);
    fast.Start = ChargeStart::Fast;
    auto hot = NitrogenLaw::Create(fast);
    ASSERT_TRUE(hot) << hot.Error();
    EXPECT_NEAR(hot->Entropy() / nitrogen::PropertiesAt(318.15, charged / 10e-3).s, 1, 1e-12);
    EXPECT_NEAR(hot->Pressure(), 80, 1e-9);
    EXPECT_GT(hot->Temperature(), 60);
    EXPECT_GT(hot->Volume(), law->Volume() + 0.3);
    fast.Tau = 0;
    EXPECT_EQ(NitrogenLaw::Create(fast)->Volume(), NitrogenLaw::Create(Example(0))->Volume());
    EXPECT_EQ(hot->Domain(), GasDomain::Gas);

    // A gas that is liquid at its charge is refused; one liquid at Pm and
    // the working temperature is made, to end its run at once.
    auto liquid = NitrogenLaw::Create({10, 60, -190, 45, 80, kInf, 0.01});
    ASSERT_FALSE(liquid);
    EXPECT_NE(ItalianText(liquid.Error()).find("l'azoto condensa"), std::string::npos)
        << liquid.Error();
    EXPECT_EQ(NitrogenLaw::Create({10, 60, 20, -160, 80, kInf, 0.01})->Domain(),
              GasDomain::Condenses);
}

TEST(NitrogenLawTest, HeatExchangeLiesBetweenTheLimits) {
    NitrogenLaw laws[] = {*NitrogenLaw::Create(Example(0)), *NitrogenLaw::Create(Example(45)),
                          *NitrogenLaw::Create(Example(kInf)), *NitrogenLaw::Create(Example(1))};
    // Draw 1 dm3 in 2 s, then wait 5 s.
    for (NitrogenLaw& law : laws) {
        const double full = law.Volume();
        for (int j = 1; j <= 700; ++j) law.Step(full + std::min(j, 200) * 0.005);
    }
    EXPECT_LT(laws[2].Pressure(), laws[1].Pressure());
    EXPECT_LT(laws[1].Pressure(), laws[3].Pressure());  // a second's time constant is no zero
    EXPECT_LT(laws[3].Pressure(), laws[0].Pressure());
    EXPECT_LT(laws[2].Temperature(), laws[1].Temperature());
    EXPECT_LT(laws[1].Temperature(), 45.0);

    // Held at the maximum pressure: the gas without heat exchange goes back
    // along its isentrope to where it started, the warmed one ends larger,
    // the isothermal one at the working temperature.
    const double full = NitrogenLaw::Create(Example(0))->Volume();
    NitrogenLaw adiabatic = laws[2], warmed = laws[1], isothermal = laws[0];
    for (NitrogenLaw* law : {&adiabatic, &warmed, &isothermal}) {
        const double s = law->Entropy(), v = law->Fill();
        EXPECT_NEAR(nitrogen::PropertiesAt(law->TemperatureK(), law->Mass() / (v * 1e-3)).p,
                    81.01325e5, 1e-3);
        if (law == &isothermal) continue;
        EXPECT_NEAR(law->Entropy() / s, 1.0, 1e-9);
    }
    EXPECT_NEAR(adiabatic.Volume(), full, 1e-6);
    EXPECT_NEAR(adiabatic.Temperature(), 45, 1e-5);
    EXPECT_GT(warmed.Volume(), full + 0.02);
    EXPECT_NEAR(isothermal.Volume(), full, 1e-9);

    NitrogenLaw drawn = laws[1];
    EXPECT_FALSE(drawn.Empty());
    EXPECT_EQ(drawn.Step(-1), kInf);
    EXPECT_EQ(drawn.Volume(), laws[1].Volume());
    drawn.Step(10.0);
    EXPECT_TRUE(drawn.Empty());
}

}  // namespace
