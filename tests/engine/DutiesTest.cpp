// The duties against hand formulas and closed forms: each kind's required
// pressure from its sizes, a clamp that a cycle passing p1 still starves at
// its worst instant, the emergency stroke as a polytropic expansion from
// Pm - Dp at the coldest temperature, the hold time of an isothermal gas
// leaking and cooling.

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

#include "engine/Duties.h"
#include "gas/Nitrogen.h"
#include "tests/support/Failure.h"
#include "tests/support/TypedCircuit.h"

namespace volvenza {
namespace {

constexpr double kAtm = 1.01325, kK = 273.15, kPi = 3.14159265358979;

TEST(Duties, RequiredPressureFollowsEachKindsSizes) {
    // Force over area in SI, torque over displacement per radian.
    const auto bar = [](double newton, double squareMetres) { return newton / squareMetres / 1e5; };
    const double bore = kPi / 4 * 0.1 * 0.1, annulus = bore - kPi / 4 * 0.05 * 0.05;
    struct Case {
        Movement m;
        double expected;
    };
    const Case cases[] = {
        {{.BoreDiameter = 100, .RodDiameter = 50, .Kind = MovementKind::CylinderExtending},
         bar(1e5, bore)},
        {{.BoreDiameter = 100, .RodDiameter = 50, .Kind = MovementKind::CylinderRetracting},
         bar(1e5, annulus)},
        {{.BoreDiameter = 100, .RodDiameter = 50, .Kind = MovementKind::DoubleRodCylinder},
         bar(1e5, annulus)},
        {{.RodDiameter = 100, .Kind = MovementKind::SingleActingCylinder}, bar(1e5, bore)},
        {{.Displacement = 100, .Kind = MovementKind::Motor}, bar(100, 100e-6 / (2 * kPi))},
        {{.UnitDisplacement = 0.5f, .Kind = MovementKind::VaneActuator},
         bar(100, 0.5e-6 * 180 / kPi)},
    };
    for (Case c : cases) {
        c.m.Duty.Load = 100;  // kN or N m
        EXPECT_NEAR(*LoadPressure(c.m), c.expected / 0.95, 1e-9) << c.m.Kind;
        c.m.Duty.Efficiency = 0.8;
        c.m.Duty.Loss = 7;
        EXPECT_NEAR(RequiredPressure(c.m, GaugeBar(50)).value(), c.expected / 0.8 + 7, 1e-9)
            << c.m.Kind;
        c.m.Duty.Required = 123;  // typed: stands for the load's
        EXPECT_EQ(RequiredPressure(c.m, GaugeBar(50)), GaugeBar(123));
    }
    Movement none{.BoreDiameter = 100, .Kind = MovementKind::CylinderExtending};
    EXPECT_EQ(RequiredPressure(none, GaugeBar(50)), GaugeBar(50));
    none.BoreDiameter = 0;  // a typed flow, no sizes: missing only for a load
    EXPECT_EQ(CheckDuty(none), DutyFault::None);
    none.Duty.Load = 10;
    EXPECT_EQ(CheckDuty(none), DutyFault::NoSizes);
    none.Duty.Efficiency = 1.2;
    EXPECT_EQ(CheckDuty(none), DutyFault::Efficiency);
    none.Duty.Efficiency = 0.9;
    none.Duty.Loss = -1;
    EXPECT_EQ(CheckDuty(none), DutyFault::Loss);
    none.Duty.Loss = 0;
    none.Duty.Required = 0;  // a pressure required is above 0
    EXPECT_EQ(CheckDuty(none), DutyFault::Required);
    // Half a cm3 a turn is a motor's size still.
    Movement small{.Kind = MovementKind::Motor};
    small.Displacement = 0.5f;
    small.Duty.Load = 10;
    EXPECT_EQ(CheckDuty(small), DutyFault::None);
    // Half a kN is a load too; the first movement is counted with the rest.
    MovementTable table{};
    table[1] = {.BoreDiameter = 100, .Kind = MovementKind::CylinderExtending};
    table[1].Duty.Load = 0.5;
    table[1].Duty.Emergency = true;
    EXPECT_TRUE(HasLoads(table, 1));
    table[1].Duty.Load = 0;
    EXPECT_FALSE(HasLoads(table, 1));
    EXPECT_EQ(EmergencyMovements(table, 1), std::vector<int>{1});
    // Only a movement of a kind that runs for a while needs a pressure.
    table[1].Tf = 1;
    table[2] = {.Ti = 0.5f, .Tf = 0.5f, .Kind = MovementKind::Motor};
    table[3] = {.Tf = 1, .Kind = MovementKind::Empty};
    const auto needs = MovementNeeds(table, 3, GaugeBar(50), 2);
    ASSERT_TRUE(needs.size() == 1 && needs[0].Movement == 1);
    // A movement ending just as the run stopped drew all its oil and is judged
    // on the lowest it saw; one running on past the stop lost its pressure.
    const DemandProfile demand{.CycleTime = 2, .Times = {0, 1, 2}, .Flows = {10, 0}};
    StretchLows lows(demand);
    lows.lowest[0] = 60;
    lows.stoppedAt = 1;
    const auto judged = JudgeNeeds({needs[0], {2, GaugeBar(50), 0, 1.5}}, demand, lows, 20);
    EXPECT_EQ(std::tuple(judged[0].Completed, judged[0].Lowest.value(), judged[1].Completed,
                         judged[1].Lowest.value()),
              std::tuple(true, 60.0, false, 0.0));
}

// An ideal gas charged to 100 bar at 20 °C in 10 dm3, full at 200 bar, no
// pump: one big draw of 2 dm3 over the first second.
class DutyCycle : public ::testing::Test {
  protected:
    DutyCycle() {
        test::TypeCircuit(state, {10, 100, 20, 0, 200, 20, 2}, {{0, 1, 120}});
        state.Gas.Law = GasLawKind::Ideal;
    }
    // The polytrope of exponent n through the gas at `abs` bar filling `v`,
    // when `drawn` dm3 more has gone.
    static double Polytrope(double abs, double v, double drawn, double n) {
        return abs * std::pow(v / (v + drawn), n) - kAtm;
    }
    void Add(Movement m) {
        state.Movements[++state.MovementCount] = m;
        state.SimMovementCount = state.MovementCount;
    }
    CircuitState state;
    const double full = 10 * (100 + kAtm) / (200 + kAtm);  // dm3 of gas at Pm
};

TEST_F(DutyCycle, ClampStarvedAtTheDrawsEndThoughTheCyclePassesP1) {
    // Two clamps needing 150 bar, holding still: the first over the draw's
    // first 0,05 s, the second from 0,08 s up to its end.
    Add({.Ti = 0, .Tf = 0.05f, .Kind = MovementKind::CylinderExtending});
    Add({.Ti = 0.08f, .Tf = 1, .Kind = MovementKind::CylinderExtending});
    state.Movements[2].Duty.Required = state.Movements[3].Duty.Required = 150;
    const auto judged = JudgeRunMovements(state, GaugeBar(100));
    ASSERT_TRUE(judged) << judged.Error();
    ASSERT_EQ(judged->size(), 3u);
    const double lowest = Polytrope(200 + kAtm, full, 2, 1.4);
    const MovementPressure& draw = (*judged)[0];
    EXPECT_TRUE(draw.Passes());  // p1 = 100 bar
    EXPECT_NEAR(draw.Lowest.value(), lowest, 1e-9);
    const MovementPressure &early = (*judged)[1], &late = (*judged)[2];
    EXPECT_NEAR(early.Lowest.value(), Polytrope(200 + kAtm, full, 0.1, 1.4), 1e-9);
    EXPECT_TRUE(early.Passes());
    EXPECT_NEAR(late.Lowest.value(), lowest, 1e-9);
    EXPECT_NEAR(late.Time, 1, 1e-12);
    EXPECT_FALSE(late.Passes());
    // Given no p1 (a run's) the draw, with no load, has no verdict; half a bar is a p1.
    const auto unset = JudgeRunMovements(state, GaugeBar(0));
    ASSERT_EQ(unset->size(), 2u);
    EXPECT_EQ(unset->front().Movement, 2);
    EXPECT_EQ(JudgeRunMovements(state, GaugeBar(0.5))->size(), 3u);
    state.Gas.Law = GasLawKind::Classic;  // judges p1 only, as it always did
    EXPECT_TRUE(JudgeRunMovements(state, GaugeBar(100))->empty());
    // Of two runs each movement keeps its worse: a failure, a lower margin, else the first.
    const auto fared = [](int k, double required, double lowest, double temp = 0,
                          bool completed = true) {
        return MovementPressure{k, GaugeBar(required), GaugeBar(lowest), 0, temp, completed};
    };
    std::vector<MovementPressure> worst{fared(1, 100, 105), fared(2, 100, 105), fared(3, 100, 105),
                                        fared(4, 1, 5)};
    KeepWorst(worst, {fared(1, 100, 101), fared(2, 100, 109), fared(3, 100, 120, 0, false),
                      fared(4, 1, 5, 9)});
    EXPECT_EQ(std::tuple(worst[0].Lowest, worst[1].Lowest, worst[2].Passes(), worst[3].WorkTemp),
              std::tuple(GaugeBar(101), GaugeBar(105), false, 0.0));
}

TEST_F(DutyCycle, EmergencyStrokeExpandsFromTheRestartAtTheColdestTemperature) {
    // Movements 2 and 3 marked, with a gap between them; 1 is not.
    Add({.Ti = 1.2f, .Tf = 1.5f, .Qm = 60, .Kind = MovementKind::CylinderRetracting});
    Add({.Ti = 1.7f, .Tf = 1.9f, .Qm = 600, .Kind = MovementKind::CylinderExtending});
    state.Movements[2].Duty.Emergency = state.Movements[3].Duty.Emergency = true;
    state.Movements[3].Duty.Required = 120;
    std::tie(state.Gas.MinTemp, state.Gas.MaxTemp) = std::tuple(-10.0, 40.0);
    for (double n : {1.4, 1.0}) {
        state.Gas.Exponent = n;
        for (bool fromFull : {false, true}) {
            const auto e = JudgeEmergency(state, state.Gas, GaugeBar(90), fromFull);
            ASSERT_TRUE(e) << e.Error();
            const double start = fromFull ? 200 : 180;
            // The precharge carried to -10 °C at constant volume, squeezed into
            // the gas at the start.
            const double v = 10 * (100 + kAtm) * (kK - 10) / (kK + 20) / (start + kAtm);
            const double end = Polytrope(start + kAtm, v, 0.3 + 2, n);
            EXPECT_EQ(std::tuple(e->Movements, e->StartPressure, e->OilOutAt),
                      std::tuple(std::vector<int>{2, 3}, GaugeBar(start), 0));
            EXPECT_NEAR(e->Lowest.value(), end, 1e-9);
            EXPECT_NEAR(e->OilLeft.value(), 10 - v - 2.3, 1e-9);
            EXPECT_NEAR(e->Each[0].Lowest.value(), Polytrope(start + kAtm, v, 0.3, n), 1e-9);
            EXPECT_NEAR(e->Margin.value(), std::min(e->Each[0].Lowest.value() - 90, end - 120),
                        1e-9);
            // Only the adiabatic strokes fail: the isotherm keeps more.
            EXPECT_EQ(e->Passes, n == 1.0) << n << fromFull;
        }
    }
    // Movement 3 drawing 20 dm3: the oil runs out in it, the pressure lost
    // there, and the lowest and the margin say so alike.
    state.Movements[3].Qm = 6000;
    const auto dry = JudgeEmergency(state, state.Gas, GaugeBar(90), false);
    EXPECT_EQ(std::tuple(dry->OilOutAt, dry->OilOutRequired, dry->Lowest, dry->Margin, dry->Passes),
              std::tuple(3, GaugeBar(120), GaugeBar(0), BarDifference(-120), false));
    EXPECT_NEAR(dry->OilLeft.value(), 0, 1e-12);
    // Back to back at one flow, each movement is still judged on its own draw.
    state.Movements[3].Ti = 1.5f;
    state.Movements[3].Qm = 60;
    const auto joined = JudgeEmergency(state, state.Gas, GaugeBar(90), false);
    const double v = 10 * (100 + kAtm) * (kK - 10) / (kK + 20) / (180 + kAtm);
    EXPECT_NEAR(joined->Each[0].Lowest.value(), Polytrope(180 + kAtm, v, 0.3, 1.0), 1e-9);
    // Started right at the precharge (no colder), no movement gets any oil,
    // not even one held still.
    state.Data.Dp = 100;
    state.Gas.MinTemp.reset();
    state.Movements[2].Qm = 0;
    const auto none = JudgeEmergency(state, state.Gas, GaugeBar(90), false);
    EXPECT_EQ(std::tuple(none->Each[0].Lowest, none->Each[1].Lowest, none->OilOutAt, none->Passes),
              std::tuple(GaugeBar(0), GaugeBar(0), 2, false));
}

TEST_F(DutyCycle, HoldTimeIsTheIsothermOfTheLeakingCoolingGas) {
    state.Data.Tc = 40;
    const double startK = 40 + kK, start = 180 + kAtm;
    const double v = 10 * (100 + kAtm) * startK / (20 + kK) / start;
    // p V / T stays: within the hold time the pressure falls linearly in t.
    const auto held = [&](double hold, double minutes, double leak, double cool) {
        const double within =
            (start - hold) * v / (start * v * cool / (minutes * startK) + hold * leak / 60);
        if (within <= minutes) return within;
        return ((start * (startK - cool) / startK) - hold) * v * 60 / (hold * leak);
    };
    struct Case {
        double hold, time, leak, cool;
    };
    for (const Case c : {Case{150, 600, 0.05, 10}, Case{170, 600, 0.05, 10}, Case{120, 60, 0.5, 30},
                         Case{175, 600, 0.01, 2}, Case{179.98, 600, 0.05, 10}}) {
        const auto h = JudgeHold(state, state.Gas,
                                 {GaugeBar(c.hold), c.time, Dm3PerMin(c.leak), c.cool, false});
        ASSERT_TRUE(h) << h.Error();
        const double expected = held(c.hold + kAtm, c.time, c.leak, c.cool);
        EXPECT_NEAR(h->TimeHeld, expected, expected * 1e-9) << c.hold;
        const double cold = start * v / (v + c.leak * c.time / 60) * (startK - c.cool) / startK;
        EXPECT_NEAR(h->Lowest.value(), cold - kAtm, 1e-9);
    }
    // Nothing leaking, it holds for good; from Pm it starts higher.
    const auto sealed = JudgeHold(state, state.Gas, {GaugeBar(150), 600, Dm3PerMin(0), 10, true});
    EXPECT_EQ(sealed->StartPressure, GaugeBar(200));
    EXPECT_TRUE(std::isinf(sealed->TimeHeld));
    // Held above a low pressure until the oil has leaked out at half a dm3/min.
    const auto drained = JudgeHold(state, state.Gas, {GaugeBar(1), 600, Dm3PerMin(0.5), 0, false});
    EXPECT_NEAR(drained->TimeHeld, (10 - v) * 60 / 0.5, 1e-6);
    EXPECT_EQ(drained->OilOutAt, drained->TimeHeld);
    EXPECT_FALSE(sealed->OilOutAt);
    // Held just the hold time passes; a hold above the start is not held at
    // all, one at the start for good when nothing leaks or cools.
    const auto just =
        JudgeHold(state, state.Gas, {GaugeBar(1), drained->TimeHeld, Dm3PerMin(0.5), 0, false});
    const auto above = JudgeHold(state, state.Gas, {GaugeBar(190), 1, Dm3PerMin(0), 0, false});
    const auto level =
        JudgeHold(state, state.Gas, {above->StartPressure, 1, Dm3PerMin(0), 0, false});
    EXPECT_EQ(std::tuple(just->TimeHeld, just->Passes, above->TimeHeld, above->Passes,
                         std::isinf(level->TimeHeld)),
              std::tuple(drained->TimeHeld, true, 0.0, false, true));
    // Real nitrogen: at the time held, past the cooling, the equation of
    // state gives the hold pressure for the gas's own mass.
    state.Gas.Law = GasLawKind::Nitrogen;
    const auto real = JudgeHold(state, state.Gas, {GaugeBar(150), 600, Dm3PerMin(0.05), 10, false});
    ASSERT_TRUE(real) << real.Error();
    ASSERT_GT(real->TimeHeld, 600);
    const double mass = 10 * *gas::nitrogen::DensityAt(20 + kK, (100 + kAtm) * 1e5);  // g
    const double vReal = mass / *gas::nitrogen::DensityAt(startK, start * 1e5);
    const double then = vReal + 0.05 * real->TimeHeld / 60;
    EXPECT_NEAR(gas::nitrogen::PropertiesAt(startK - 10, mass / then).p / 1e5 - kAtm, 150, 1e-6);
    // A cooling past the law's range is refused, naming where it would end.
    const auto cold =
        CheckHold({GaugeBar(1), 600, Dm3PerMin(0), 400, false}, state.Data, GasLawKind::Ideal);
    EXPECT_NE(test::Failure(cold).value_or("").find("a -86,85 K"), std::string::npos);
    // Started right at the precharge, there is no oil to lose, leaking or not.
    std::tie(state.Gas.Law, state.Data.Tc, state.Data.Dp) = std::tuple(GasLawKind::Ideal, 20, 100);
    const auto dry = JudgeHold(state, state.Gas, {GaugeBar(1), 600, Dm3PerMin(0), 0, false});
    EXPECT_EQ(dry->OilOutAt, std::optional(0.0));
}

}  // namespace
}  // namespace volvenza
