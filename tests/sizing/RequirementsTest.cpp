// What a search is asked: each requirement as its box reads it, and what
// cannot be searched refused in one sentence (the movements a run refuses
// too, in the run's own words).

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <tuple>

#include "engine/EnergyBalance.h"
#include "sizing/RequirementForm.h"
#include "tests/sizing/OneDraw.h"

namespace volvenza::sizing {
namespace {

// The catalogue as {1, 2.12345}; its second size.
CatalogueSize& SecondSize(Requirements& q) {
    q.Catalogue = Sizes({1, 2.12345});
    return q.Catalogue[1];
}

// The longest catalogue a search takes, in rising volumes.
std::vector<CatalogueSize>& Longest(Requirements& q) {
    q.Catalogue.assign(kMaxCatalogueSizes, Sizes({1})[0]);
    for (size_t i = 0; i < kMaxCatalogueSizes; ++i) q.Catalogue[i].V0 += Dm3(0.01 * double(i));
    return q.Catalogue;
}

// A box's text as typed: the tolerance in per cent, PS and the relief
// setting may stay empty, every other box must give a number; a figure at
// its range's end is taken. A box the window shows empty is no requirement
// for p1 (at 0, as a new project has it), PS and the relief setting; the
// others keep their figure, and an emptied one is a draft.
TEST(RequirementFormTest, ReadsEachBoxAsTypedAndTakesTheRangesEnds) {
    constexpr auto kP1 = RequirementBox::MinPressure;
    for (auto box = kP1; box != RequirementBox::Bottles;
         box = static_cast<RequirementBox>(static_cast<int>(box) + 1)) {
        const double figure = box == RequirementBox::Tolerance ? 0.5 : 50;
        EXPECT_EQ(*ReadRequirementText(box, " 50 "), figure) << BoxForm(box).id;
        const double typed = box == RequirementBox::Tolerance ? 0.011 : 1.1;
        EXPECT_EQ(*ReadRequirementText(box, "1,1"), typed) << "0.011, as the file writes it";
        Requirements req;
        SetRequirementFigure(req, box, figure);
        EXPECT_EQ(RequirementFigures(req, box), std::vector<double>{figure}) << BoxForm(box).id;
        const bool mayStayEmpty =
            box == RequirementBox::RatedPressure || box == RequirementBox::ReliefSetting;
        SetRequirementFigure(req, box, std::nullopt);
        EXPECT_EQ(RequirementFigures(req, box).size(), mayStayEmpty || box == kP1 ? 0u : 1u);
        if (box == kP1) {  // any p1 above 0 is one, under 1 bar too
            SetRequirementFigure(req, box, 0.5);
            EXPECT_EQ(RequirementFigures(req, box), std::vector<double>{0.5});
            SetRequirementFigure(req, box, std::nullopt);
        }
        // What the requirements cannot hold empty, an emptied box keeps as a draft.
        EXPECT_EQ(EmptyTaken(box), RequirementFigures(req, box).empty()) << BoxForm(box).id;
        const auto empty = ReadRequirementText(box, " ");
        ASSERT_EQ(static_cast<bool>(empty), mayStayEmpty) << BoxForm(box).id;
        if (empty) {
            EXPECT_EQ(*empty, std::nullopt);
        } else {
            EXPECT_EQ(empty.Error(), RequirementNotANumber(box));
        }
    }
    // The other ends are taken or refused as a search's requirements, below.
    // The bottles: each above 0, no more than a catalogue holds (the
    // window's test reads "10; 0,5").
    EXPECT_EQ(*ReadBottleSizes("10,20", ','), (std::vector<double>{10, 20}));
    std::string most = "1";
    for (size_t i = 1; i < kMaxCatalogueSizes; ++i) most += ";1";
    EXPECT_EQ(ReadBottleSizes(most)->size(), kMaxCatalogueSizes);
    for (const char* wrong : {"", "10;", "10; 0", "10; -1"}) EXPECT_FALSE(ReadBottleSizes(wrong));
    EXPECT_EQ(ReadBottleSizes(most + ";1").Error(), RequirementNotANumber(RequirementBox::Bottles));
}

// The page's form over the project's requirements: a box unchanged, or
// whose text is no number, keeps the kept figure exactly; p1 left empty is
// 0; a size without V0 keeps the catalogue, a hold box out of range the
// hold; a hold not begun is none.
TEST(RequirementFormTest, TheFormAsItStandsOverTheKeptRequirements) {
    Requirements kept;
    kept.MinPressure = GaugeBar(60.123456789);
    kept.RatedPressure = GaugeBar(200);
    kept.Duties.Hold = HoldDuty{GaugeBar(50), 30, Dm3PerMin(0.1), 2, false};
    ShownForm form;
    form.boxes[0] = {"60", true};
    form.boxes[1] = {"2OO", false};
    form.boxes[2] = {"100", false};
    form.boxes[3] = {"5", false};
    form.boxes[7] = {"10; 20", false};
    form.type = AccumulatorType::Piston;
    form.catalogue = {{{"4", false}}, {{" ", false}, {"", false}}};
    Requirements req = RequirementsShown(kept, form);
    EXPECT_EQ(std::tie(req.MinPressure, req.RatedPressure, req.ReliefSetting, req.BottleSizes),
              std::make_tuple(kept.MinPressure, kept.RatedPressure, GaugeBar(100),
                              std::vector<double>{10, 20}));
    EXPECT_EQ(req.PrechargeTolerance, 0.05);
    EXPECT_EQ(req.Catalogue, Sizes({4}, std::numeric_limits<double>::infinity()));
    EXPECT_EQ(req.Type, AccumulatorType::Piston);
    EXPECT_FALSE(req.Duties.Hold);
    Requirements bare = kept;
    bare.Catalogue = std::vector<CatalogueSize>();
    EXPECT_EQ(RequirementsShown(bare, form).Catalogue, req.Catalogue) << "a row the kept lacks";
    form.boxes[0] = {" ", true};
    form.catalogue = {{{"", false}, {"4", false}}};
    form.hold = {{{"70", false}, {"-1", false}, {"", false}, {"", false}}};
    req = RequirementsShown(kept, form);
    EXPECT_EQ(std::tie(req.MinPressure, req.Catalogue, req.Duties.Hold),
              std::make_tuple(GaugeBar(0), kept.Catalogue, kept.Duties.Hold));
    // A box typed out of its range keeps the hold, though none is begun.
    form.hold = {{{"", false}, {"", false}, {"-1", false}, {"", false}}};
    EXPECT_EQ(RequirementsShown(kept, form).Duties.Hold, kept.Duties.Hold);
    form.hold = {{{"70", false}, {"31", true}, {"", false}, {"1", false}}};
    EXPECT_EQ(RequirementsShown(kept, form).Duties.Hold,
              (HoldDuty{GaugeBar(70), 30, Dm3PerMin(0.1), 1, false}));
}

// What cannot be searched is refused in one sentence holding `words`.
class RefusalTest : public OneDrawTest {
  protected:
    void Refused(const char* words) {
        auto a = SizeAccumulator(state, req);
        EXPECT_FALSE(a);
        if (!a) {
            EXPECT_NE(ItalianText(a.Error()).find(words), std::string::npos) << a.Error();
        }
    }
    // One change from the draw's requirements at a time: refused with these
    // words, or (nullptr) accepted at or just inside its limit; a few
    // searched whole.
    struct Case {
        std::function<void(Requirements&)> set;
        const char* words;
        bool search = false;
    };
    void Judge(std::initializer_list<Case> cases) {
        const Requirements base = req;
        for (const Case& c : cases) {
            req = base;
            c.set(req);
            if (c.words) {
                Refused(c.words);
            } else {
                EXPECT_TRUE(c.search ? bool(SizeAccumulator(state, req))
                                     : bool(CheckRequirements(state, req)));
            }
        }
    }
};

TEST_F(RefusalTest, EachRequirementAtItsLimitAndJustPast) {
    Judge({
        {[](Requirements& q) { q.MinPressure = GaugeBar(199); }, "p1"},
        {[](Requirements& q) { q.MinPressure = GaugeBar(0); }, "p1 deve essere positiva"},
        {[](Requirements& q) { q.MinPressure = GaugeBar(0.5); }, nullptr},
        {[](Requirements& q) { q.PumpEfficiency = 0; }, "rendimento della pompa"},
        {[](Requirements& q) { q.PumpEfficiency = 1.01; }, "rendimento della pompa"},
        {[](Requirements& q) { q.PumpEfficiency = 1; }, nullptr},
        {[](Requirements& q) { q.HoursPerYear = 8760; }, nullptr},
        {[](Requirements& q) { q.HoursPerYear = q.WorkingHours = 0.5; }, nullptr},
        {[](Requirements& q) { q.HoursPerYear = 8760.01; }, ""},
        {[](Requirements& q) { q.HoursPerYear = 0; }, ""},
        {[](Requirements& q) { q.WorkingHours = 24 * 366; }, nullptr, true},
        {[](Requirements& q) { q.WorkingHours = 24 * 366 + 0.01; }, "ore di lavoro"},
        {[](Requirements& q) { q.WorkingHours = 0; }, "ore di lavoro"},
        {[](Requirements& q) { q.RatedPressure = GaugeBar(0); }, "PS"},
        {[](Requirements& q) { q.RatedPressure = GaugeBar(0.5); }, nullptr},
        {[](Requirements& q) { q.ReliefSetting = GaugeBar(0); },
         "taratura della valvola di massima deve essere positiva"},
        {[](Requirements& q) { q.ReliefSetting = GaugeBar(0.5); }, nullptr},
        {[](Requirements& q) {
             std::tie(q.RatedPressure, q.ReliefSetting) =
                 std::tuple(GaugeBar(250.125), GaugeBar(250.135));
         },
         "(250,14 bar) supera la pressione nominale PS (250,12 bar)"},
        {[](Requirements& q) { q.RatedPressure = q.ReliefSetting = GaugeBar(250); }, nullptr, true},
    });
}

// The catalogue's sizes and the hold, each at its limit and just past.
TEST_F(RefusalTest, EachSizeAndHoldAtItsLimitAndJustPast) {
    const auto catalogue = [](std::vector<double> volumes, double ratio = 4) {
        return [=](Requirements& q) { q.Catalogue = Sizes(volumes, ratio); };
    };
    // A hold of a second from `from` down to the gas's `cold` kelvins, from Pm when `full`.
    const auto hold = [](double from, double cold, bool full = false) {
        return [=](Requirements& q) {
            q.Duties.Hold = HoldDuty{GaugeBar(from), 1, Dm3PerMin(0), cold, full};
        };
    };
    Judge({
        {catalogue({1, 1}), "crescente"},
        {catalogue({0, 1}), "crescente"},
        {catalogue({1, 2}, 1), "rapporto"},
        {[](Requirements& q) { SecondSize(q).MaxFlow = Dm3PerMin(0); }, "grandezza 2,123 dm3"},
        {[](Requirements& q) { SecondSize(q).MaxFlow = Dm3PerMin(0.5); }, nullptr},
        {[](Requirements& q) { SecondSize(q).RatedSwing = BarDifference(0); }, "escursione"},
        {[](Requirements& q) { SecondSize(q).RatedSwing = BarDifference(0.5); }, nullptr},
        {[](Requirements& q) { SecondSize(q).RatedCycles = 0.9; }, "cicli nominali"},
        {[](Requirements& q) { SecondSize(q).RatedCycles = 1; }, nullptr},
        {[](Requirements& q) { SecondSize(q).RatedPressure = GaugeBar(0); }, "grandezza 2,123 dm3"},
        {[](Requirements& q) { SecondSize(q).RatedPressure = GaugeBar(0.5); },
         nullptr},                                                  // positive is enough
        {[](Requirements& q) { SecondSize(q).Tau = 0; }, nullptr},  // an isothermal size
        // A hold from its start (Pm - Dp 189 bar, Pm 199 bar) at most, the gas
        // cooled from 293,15 K above 0 K (ideal) or nitrogen's triple point.
        {hold(189, 293.14), nullptr},
        {hold(189.01, 0), "Pm - Dp (189 bar)"},
        {hold(199, 0, true), nullptr},
        {hold(199.01, 0, true), "Pm (199 bar)"},
        {hold(1, 293.15), "darlo minore di 293,15 K"},
        {[](Requirements& q) {
             q.Gas.Law = GasLawKind::Classic;
             q.Duties.Hold = HoldDuty{GaugeBar(1), 1, Dm3PerMin(0), 230};
         },
         "sopra 63,151 K"},
        // The longest catalogue, and one size more.
        {[](Requirements& q) { Longest(q); }, nullptr},
        {[](Requirements& q) { Longest(q).push_back(Sizes({9})[0]); }, ""},
    });
}

// Steady operation needs the pump to restart above p1: Pm - Dp = 189.
TEST_F(RefusalTest, SteadyOperationNeedsThePumpToRestartAboveP1) {
    req.Catalogue = Sizes({1, 2});
    req.SingleCycle = false;
    state.Data.Qp = 100;
    req.MinPressure = GaugeBar(189);
    Refused("abbassare p1 sotto 189 bar o ridurre Dp sotto Pm - p1");
    req.MinPressure = GaugeBar(189.125);
    state.Data.Dp = 10.125f;
    Refused(
        "p1 (189,12 bar) non è sotto la pressione a cui la pompa riparte, Pm - Dp (188,88 bar)");
    state.Data.Dp = 10;
    req.MinPressure = GaugeBar(188.99);
    EXPECT_TRUE(SizeAccumulator(state, req));
    req.SingleCycle = true;
    req.MinPressure = GaugeBar(189);
    EXPECT_TRUE(SizeAccumulator(state, req));
}

// No precharge between rule 3's 250 / 4 and rule 2's 0.9 p1 for a bladder:
// one sentence with what would do.
TEST_F(RefusalTest, APrechargeWindowShutIsSaidWithWhatWouldOpenIt) {
    req.Catalogue = Sizes({1, 2});
    req.SingleCycle = false;
    state.Data.Qp = 100;
    req.ChoosePrecharge = true;
    req.MinPressure = GaugeBar(60);
    state.Data.Pm = 250;
    state.Data.Dp = 20;
    // 53,8 bar at most by rule 2, 61,8 at least by rule 3; 4 (53,8 + atm) - atm
    // and (61,8 + atm) / 0,9 - atm.
    Refused("almeno 61,8 bar e di al più 53,8 bar");
    Refused("pistone, una Pm di al più 218,2 bar o una p1 di almeno 68,8 bar");
    // The tolerance moves both ends of the window, and what would open it.
    req.PrechargeTolerance = 0.02;
    Refused(
        "almeno 63,1 bar e di al più 52,8 bar; servirebbe un accumulatore a pistone, una Pm di al "
        "più 210 bar o una p1 di almeno 71,7 bar");
    req.PrechargeTolerance = 0;
    req.Type = AccumulatorType::Piston;
    req.Catalogue = DefaultCatalogue(req.Type);
    EXPECT_TRUE(SizeAccumulator(state, req));

    // The Pm that sentence names leaves a window of one precharge, a tenth more none.
    req.Type = AccumulatorType::Bladder;
    req.Catalogue = Sizes({20});
    req.SingleCycle = true;
    state.Data.Pm = 218.2f;
    EXPECT_TRUE(SizeAccumulator(state, req));
    state.Data.Pm = 218.3f;
    Refused("almeno 53,9 bar e di al più 53,8 bar");
    req.PrechargeTolerance = 0.5;
    Refused("tolleranza");
    req.PrechargeTolerance = 0.49;
    req.ChoosePrecharge = false;
    EXPECT_TRUE(SizeAccumulator(state, req));
}

TEST_F(RefusalTest, ACycleWithoutMovements) {
    state.Data.CycleTime = 0;
    Refused("movimenti");
    state.Data.CycleTime = 0.5f;
    EXPECT_TRUE(CheckRequirements(state, req));
    state.Data.CycleTime = 2;
    state.SimMovementCount = 0;
    Refused("movimenti");
}

// The sizing and the energy balance refuse the movements a run refuses, in
// the run's own words, and take both times at 0 (a question the run asks); a
// balance whose figures are not all numbers says so.
TEST(MovementRefusalTest, SizingAndBalanceRefuseWhatTheRunRefuses) {
    // Movement k of the example with these times and flow; no words: taken.
    const std::tuple<int, double, double, double, std::string> cases[] = {
        {1, 0, 0.3, -58.905, "Nel movimento 1 Qm vale -58,905 e non può essere negativo."},
        {5, 1, 1, 46, "Il tempo finale del movimento 5 è uguale o minore"},
        {5, 1, 0, 46, "Il tempo finale del movimento 5"},
        {1, 0, 0.3, 1e308, "finiti (la portata più grande del ciclo, del movimento 1, vale 1e+308"},
        {5, 0, 2.5, 1e308, "(la portata più grande del ciclo, del movimento 5, vale 1e+308"},
        {1, 0, 0, 58, ""}};
    Requirements req;
    req.MinPressure = GaugeBar(60);
    for (const auto& [k, ti, tf, qm, words] : cases) {
        CircuitState state;
        LoadExampleCircuit(state);
        state.Movements[k] = {.Ti = float(ti), .Tf = float(tf), .Qm = qm, .Kind = 4};
        const auto search = CheckRequirements(state, req);
        const auto balance = BalanceOfRun(state);
        EXPECT_EQ(!balance, !words.empty()) << words;
        if (words.empty() || balance) continue;
        EXPECT_NE(ItalianText(balance.Error()).find(words), std::string::npos) << balance.Error();
        EXPECT_TRUE(qm > 1e300 || search.Error() == balance.Error()) << search.Error();
    }
}

}  // namespace
}  // namespace volvenza::sizing
