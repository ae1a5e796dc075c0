// Beyond one vessel: the pressure-equipment category of a nitrogen vessel
// at every line of the directive's table for group 2 gases (on a line the
// lower category, just past it the higher), and arrangements where the
// largest size alone fails, re-run by the engine.

#include <gtest/gtest.h>

#include "engine/Simulation.h"
#include "sizing/AnswerText.h"
#include "sizing/PressureCategory.h"
#include "sizing/Requirements.h"
#include "sizing/Search.h"
#include "tests/sizing/OneDraw.h"

namespace volvenza::sizing {
namespace {

TEST(PressureCategoryTest, EveryLineOfTheTableBelongsToTheLowerCategory) {
    using C = PressureCategory;
    struct Point {
        double ps, litres;
        C category;
    };
    // Pairs: on a line, then just past it.
    // clang-format off
    const Point points[] = {
        // the directive's scope, PS·V = 50 and V = 1 L
        {0.5, 100, C::Outside}, {0.6, 100, C::I}, {10, 5, C::SoundPractice}, {10, 5.1, C::I},
        {60, 1, C::SoundPractice}, {60, 1.01, C::I},
        // PS·V = 200, 1000, 3000, and PS = 4 bar beyond 3000 bar·L
        {10, 20, C::I}, {10, 20.1, C::II}, {100, 10, C::II}, {100, 10.001, C::III},
        {300, 10, C::III}, {300, 10.001, C::IV}, {4, 1000, C::III}, {4.01, 1000, C::IV},
        // small vessels: PS = 1000 bar and 3000 bar
        {1000, 0.5, C::SoundPractice}, {1001, 0.5, C::III}, {3000, 1, C::III}, {3001, 1, C::IV},
        // a product that is 3000 bar·L in decimals, a hair above in binary
        {(0.1 + 0.2) * 100, 100, C::III}, {2.5, 80, C::I}, {33.3, 6, C::I},
        // under half a millionth of a bar·L above a line is on it
        {10.00000008, 5, C::SoundPractice}, {10.0000002, 5, C::I},
        // accumulators as sold
        {250, 10, C::III}, {350, 0.75, C::SoundPractice}, {210, 50, C::IV},
    };
    // clang-format on
    for (const Point& p : points) {
        EXPECT_EQ(VesselCategory(GaugeBar(p.ps), Dm3(p.litres)), p.category)
            << p.ps << " bar, " << p.litres << " L";
    }
    EXPECT_STREQ(CategoryCode(C::SoundPractice), "4.3");

    // A size's own rating classes it before the requirements' PS and Pm.
    Requirements req;
    CatalogueSize size;
    EXPECT_EQ(ClassingPressure(size, req, GaugeBar(210)).value(), 210);
    req.RatedPressure = GaugeBar(330);
    EXPECT_EQ(ClassingPressure(size, req, GaugeBar(210)).value(), 330);
    size.RatedPressure = GaugeBar(250);
    EXPECT_EQ(ClassingPressure(size, req, GaugeBar(210)).value(), 250);
}

// The one draw (see SetUpOneDraw), where the largest size is 1,5 dm3.
TEST(ArrangementTest, TheSmallestArrangementWhereTheLargestSizeFails) {
    CircuitState state;
    Requirements req;
    SetUpOneDraw(state, req);
    req.Catalogue = {DefaultSize(req.Type, Dm3(1)), DefaultSize(req.Type, Dm3(1.5))};
    SizingAnswer answer;
    const auto recommend = [&] {
        auto a = SizeAccumulator(state, req);
        EXPECT_TRUE(a && a->Recommended);
        answer = a ? *a : SizingAnswer{};
        return a && a->Recommended ? a->Recommendation()->Proposed : Design{};
    };
    // 2 × 1 = 2 dm3 falls short; of the 3 dm3 ones, the fewest vessels.
    EXPECT_EQ(recommend(), Plain(1.5, 85, 0, 2));
    EXPECT_EQ(LayOutAnswer(answer, req, state.Data, kItalian).Recommendation.at(0),
              "Raccomandato: 2 accumulatori da 1,5 dm3 in parallelo (gas 3 dm3), precarica 85 bar "
              "a 20 °C, pompa 0 dm3/min.");
    // Stopped among the arrangements (the third and fourth look), it keeps nothing.
    int looks = 0;
    const auto stopped = SizeAccumulator(state, req, [&](double) { return ++looks < 4; });
    ASSERT_TRUE(stopped) << stopped.Error();
    EXPECT_TRUE(stopped->Cancelled && stopped->Candidates.empty());
    // Arrangements of no more gas than the 1,5 dm3 that fell short are not
    // tried: the many small ones would use up the tries before 2 × 1,5.
    req.Catalogue = Sizes({0.05, 0.1, 0.15, 1.5});
    EXPECT_EQ(recommend(), Plain(1.5, 85, 0, 2));
    // Up to the most accumulators in parallel: 20 of 0,145 dm3 (19 are too few).
    req.Catalogue = {DefaultSize(req.Type, Dm3(0.145))};
    EXPECT_EQ(recommend(), Plain(0.145, 85, 0, kMaxParallel));
    EXPECT_EQ(answer.Candidates.size(), 4u) << "the size, the last two that fell short, the one";
    // No arrangement within the limits holds: every one is tried, and said;
    // none of a size past its ratio, which no arrangement brings back.
    req.Catalogue = Sizes({0.1, 0.11, 0.12, 0.125});
    req.Catalogue.back().MaxRatio = 2;
    const auto none = SizeAccumulator(state, req);
    EXPECT_FALSE(none->Recommended);
    EXPECT_EQ(none->ArrangementsTried, 3 * (kMaxParallel - 1));
    // With a 1,5 dm3 size beside the many small ones, 2 × 1,5 is found past them all.
    for (const CatalogueSize& s : Sizes({0.13, 1.5})) req.Catalogue.push_back(s);
    EXPECT_EQ(recommend(), Plain(1.5, 85, 0, 2));
    // As much gas as the 2 dm3 that fell short is not tried either: 3 × 1.
    req.Catalogue = {DefaultSize(req.Type, Dm3(1)), DefaultSize(req.Type, Dm3(2))};
    EXPECT_EQ(recommend(), Plain(1, 85, 0, 3));
    // Asked for, arrangements of less gas than the size that passes; of as
    // much, the single size.
    req.Arrangements = true;
    for (double smaller : {1.5, 2.0}) {
        req.Catalogue = {DefaultSize(req.Type, Dm3(smaller)), DefaultSize(req.Type, Dm3(4))};
        EXPECT_EQ(recommend(), (smaller == 1.5 ? Plain(1.5, 85, 0, 2) : Plain(4, 85, 0)));
    }
    req.Arrangements = false;
    // A piston takes a bottle rather than a second accumulator.
    req.Type = AccumulatorType::Piston;
    req.Catalogue = {DefaultSize(req.Type, Dm3(1)), DefaultSize(req.Type, Dm3(1.5))};
    req.BottleSizes = {1.5};
    const Design bottled = recommend();
    EXPECT_EQ(bottled, Plain(1.5, 85, 0, 1, 1.5, 1));
    // Of equal gas and vessels, the smaller accumulator with the larger bottle;
    // and up to the most bottles an accumulator takes (7 of 0,11 are too few).
    req.Catalogue = {DefaultSize(req.Type, Dm3(2)), DefaultSize(req.Type, Dm3(2.5))};
    req.BottleSizes = {0.5, 1};
    EXPECT_EQ(recommend(), Plain(2, 85, 0, 1, 1, 1));
    req.BottleSizes = {0.25, 1};  // 2 + 1 × 1 before 2,5 + 2 × 0,25 and 2 + 4 × 0,25
    EXPECT_EQ(recommend(), Plain(2, 85, 0, 1, 1, 1));
    req.Catalogue = {DefaultSize(req.Type, Dm3(2))};
    req.BottleSizes = {0.11};
    EXPECT_EQ(recommend(), Plain(2, 85, 0, 1, 0.11, kMaxBottles));

    // The engine's own run of that arrangement stays above p1.
    state.Gas = req.Gas;
    state.Data.V0 = 1.5f;
    state.Gas.Vessels.BottleVolume = bottled.BottleVolume().value();
    ASSERT_EQ(RunSimulation(state).outcome, RunOutcome::Completed);
    EXPECT_GT(state.GasRun.Runs[0].LowestPressure, GaugeBar(99));
    state.Gas.Vessels.BottleVolume = 0;
    ASSERT_EQ(RunSimulation(state).outcome, RunOutcome::PrechargeTooHigh);
}

// More gas does not always hold a higher pressure: 0,33 dm3 drawn in 0,5 s of
// every 5 s from 2 dm3 diaphragms, a pump of 10 dm3/min restarting at 180
// bar. 4 dm3 of gas lets the draw take the pressure to the restart, and the
// pump brings it back before the next; 6 dm3 stays above the restart, so the
// next draw starts lower and falls below p1; 8 dm3 holds again. The smallest
// arrangement that holds is the one of 4 dm3, found by walking in order of gas.
TEST(ArrangementTest, MoreGasDoesNotAlwaysHoldMore) {
    CircuitState state;
    test::TypeCircuit(state, {1, 102, 45, 10, 200, 20, 5}, {{0, 0.5f, 40}});
    Requirements req;
    req.MinPressure = GaugeBar(170);
    req.Type = AccumulatorType::Diaphragm;
    req.Gas.Law = GasLawKind::Ideal;
    req.Catalogue = Sizes({4, 6, 8});  // as the diaphragms' default sizes from 3,5 dm3
    const auto sizes = SizeAccumulator(state, req);
    ASSERT_TRUE(sizes);
    ASSERT_EQ(sizes->Candidates.size(), 3u);
    EXPECT_TRUE(sizes->Candidates[0].Passes());
    EXPECT_FALSE(sizes->Candidates[1].Rules[kPressureRule]);
    EXPECT_TRUE(sizes->Candidates[2].Passes());
    req.Catalogue = {DefaultSize(req.Type, Dm3(2))};
    const auto parallel = SizeAccumulator(state, req);
    ASSERT_TRUE(parallel && parallel->Recommended);
    EXPECT_EQ(parallel->Recommendation()->Proposed.Count, 2);
    // The reference model keeps it above p1 over the working day.
    EXPECT_TRUE(HoldsOverTheDay(state, req, parallel->Recommendation()->Proposed));
}

}  // namespace
}  // namespace volvenza::sizing
