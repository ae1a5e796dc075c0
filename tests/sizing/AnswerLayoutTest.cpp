// The answer as every front end lays it out: each figure to its own
// decimals, each reason said where it applies, on answers searched and on
// answers made by hand; and the energy balance as every front end words it
// (the window, the printed results and volvenza-sim's summary show its rows).

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "engine/Simulation.h"
#include "sizing/AnswerText.h"
#include "sizing/BalanceText.h"
#include "tests/sizing/OneDraw.h"

namespace volvenza::sizing {
namespace {

// The whole answer as one text: "label: value" per requirement, a line per
// sentence, and each table's rows and then its headings, every cell ended by '|'.
std::string Said(const SizingAnswer& a, const Requirements& req, const CircuitData& data) {
    const AnswerLayout out = LayOutAnswer(a, req, data, kItalian);
    std::string all;
    for (const auto& [label, value] : out.Requirements) all += label + ": " + value + "\n";
    for (const std::string& line : out.Recommendation) all += line + "\n";
    for (const std::string& line : out.Explanations) all += line + "\n";
    for (const AnswerTable* table : {&out.Catalogue, &out.Precharge, &out.Candidates}) {
        for (const auto& row : table->Rows) {
            for (const std::string& cell : row) all += cell + "|";
            all += "\n";
        }
        for (const std::string& heading : table->Headings) all += heading + "|";
        all += "\n";
    }
    return all;
}

// Each text in `shown` somewhere in `all`.
void ExpectShown(const std::string& all, std::initializer_list<const char*> shown) {
    for (const char* s : shown) EXPECT_NE(all.find(s), std::string::npos) << s << " in\n" << all;
}

// A hand-made answer: a size that fails every rule and is not recharged, one
// that passes with a bottle, and one whose pump is short of the cycle's oil
// (it runs nothing). Every figure has a third decimal that would show if it
// were given one more.
class HandMadeAnswerTest : public ::testing::Test {
  protected:
    HandMadeAnswerTest() {
        req.MinPressure = GaugeBar(60.125);
        req.RatedPressure = GaugeBar(250.125);
        req.PrechargeTolerance = 0.021255;
        req.WorkingHours = 7.125;
        req.PumpEfficiency = 0.8125;
        req.HoursPerYear = 2000.25;
        req.Gas.Law = GasLawKind::Ideal;
        req.Gas.ChargeTemp = 20.125;
        req.Gas.Exponent = 1.3456;
        req.MinGasTemp = 20.25;
        req.Catalogue = {DefaultSize(req.Type, Dm3(6)), DefaultSize(req.Type, Dm3(10))};
        req.Catalogue[1].RatedSwing = BarDifference(20.12345);
        req.Catalogue[0].MaxRatio = 4.0625;
        req.Catalogue[0].V0 = Dm3(6.12345);
        req.Catalogue[0].MaxFlow = Dm3PerMin(100.25);
        req.Catalogue[0].RatedPressure = GaugeBar(210.125);
        req.Catalogue[0].RatedSwing = BarDifference(12.125);
        req.Catalogue[1].Tau = 30.125;
        req.Catalogue[1].RatedCycles = 1000.5;  // 1 000 cycles of 4 s
        TemperatureOutcome o;
        std::tie(o.WorkTemp, o.LowestPressure, o.DayLowest, o.PumpShare, o.PumpStarts) =
            std::tuple{45.125, 63.3125, 62.125, 0.72125, 1.0};
        std::tie(o.Energy.Delivered, o.Swing, o.PeakFlow, o.LowestGasTemp) =
            std::tuple{9.3845, 14.8875, 108.25, -30.25};
        Evaluation fails, passes;
        fails.Proposed = Plain(6.12345, 50, 30);
        fails.Rules.fill(false);
        fails.Ratio = 4.5625;
        fails.PrechargeHigh = 55.125;
        fails.PrechargeLimit = 54.125;
        fails.Temps = {o};
        passes.Proposed = Plain(10.12345, 50.25, 30.25, 1, 20.54321, 1);
        passes.Size = 1;
        passes.Rules.fill(true);
        passes.Temps = {o};
        Evaluation unrun = fails;
        unrun.Temps.clear();
        unrun.Proposed = Plain(4.12345, 50, 30, 3);
        unrun.PumpShort = true;
        unrun.Rules[kFlowRule] = true;  // its flow is within the size's
        unrun.PumpOil = 1.23456;
        unrun.CycleOil = 1.5625;
        a.Candidates = {unrun, fails, passes};
        a.Recommended = 2;
        a.Temperatures = {45.125};
        a.DayCycles = 5457;
        a.PeakDemand = 108.25;
        a.PrechargeTable = {{12.5, 50.25}};
        a.SwingPump = {29.125, 16.50234};
        Explanation x;
        x.V0 = Dm3(6.12345);
        x.FailedRules = {1};
        x.NotRecharged = true;
        x.LowestPressure = 61;
        x.PumpShare = 0.99875;
        Explanation shortPump;
        shortPump.V0 = Dm3(4.12345);
        shortPump.FailedRules = {1};
        a.Explanations = {x, shortPump};
    }
    Requirements req;
    const CircuitData data{10, 50, 20, 30, 80.375f, 13, 4};
    SizingAnswer a;
};

TEST_F(HandMadeAnswerTest, EveryFigureToItsDecimals) {
    const std::string all = Said(a, req, data);
    // clang-format off
    ExpectShown(all, {"\n3 × 4,123|50|30|-|", "\n6,123|50|30|63,31|",
        "\n10,123 + 1 × 20,543|50,2|30,2|63,31|", "\n12|50,2|\n", "|Pmin a 45,12 °C [bar]|",
        "con 29,1 dm3/min l'escursione sarebbe 16,502 bar, oltre i 20,123 ammessi.",
        "Ogni bombola (PS 250,1 bar, V 20,543 L)", ": 20,12 °C\n", ": 250,12 bar\n",
        "Rapporto di compressione 4,56; questa grandezza ne ammette al più 4,06.",
        "tolleranza: 55,12 bar; la regola 2 ne ammette al più 54,12.", "Pm 80,38 bar supera PS",
        "\n6,123|4,06|210,12|100,2|-|12,12|-|\n", "\n10|4|-|-|30,12|20,12|1000|\n",
        "La pompa può fornire 1,235 dm3 per ciclo, il ciclo ne preleva 1,562.",
        "(azoto, gas del gruppo 2; PS 250,1 bar, V 10,123 L)",
        "Escursione di pressione 14,89 bar per ciclo; questa grandezza ne ammette 12,12.",
        "6,123 dm3: non rispetta", "giornata di lavoro 62,12 bar", "60,12 bar\n",
        "80,38 bar; 67,38 bar\n", ": 45,12 °C\n", ": 0,812; 2000,2 h\n", "± 2,13 %\n",
        "giornata di 7,12 h (5457 cicli)",
        "pressione minima 63,31 bar a 45,12 °C nel ciclo 1, 3,19 bar sopra p1",
        "eroga per il 72,1 % del ciclo",
        "nel ciclo a regime a 45,12 °C (la temperatura peggiore): 9,38 kJ.",
        "picco di 108,2 dm3/min", "escursione di pressione 14,89 bar",
        "eroga per il 99,9 % del tempo, senza margine.", "Tipo di accumulatore: a sacca\n",
        "gas ideale, n = 1,346\n", "separatore ne ammette almeno 20,2.\n",
        "Portata d'olio fino a 108,2 dm3/min; questa grandezza ne ammette 100,2.\n   Il gas "
        "scende a -30,2 °C;",
        "Raccomandato: 10,123 dm3 con bombole 1 × 20,543 dm3 (gas 30,667 dm3), precarica 50,2 bar "
        "a 20,12 °C, pompa 30,2 dm3/min.",
        "ammette 20,12 bar (regola 7). La grandezza è data per 1000 cicli: circa 1,1 ore di "
        "lavoro."});
    // clang-format on
    // Rule 4 is said once, however many sizes fail it.
    for (const char* once : {"Portata d'olio", "Pm 80,38 bar supera PS"})
        EXPECT_EQ(all.find(once, all.find(once) + 1), std::string::npos) << once;
}

// In parallel, not settled, rated for a year exactly; real nitrogen; a size
// that empties with no movement drawing at its lowest point; the power a
// pump alone would need; the movements under way and a pump loading too often.
TEST_F(HandMadeAnswerTest, ParallelUnsettledAndRatedForAYear) {
    a.Candidates[2].Proposed = Plain(10.12345, 50, 30, 2);
    a.Explanations[0].NotRecharged = false;
    a.Explanations[0].NotSettled = true;
    a.Explanations[0].Recharges = 2;
    a.Candidates[0].PumpShort = false;
    // Not recharged at another temperature; at this one below p1.
    std::tie(a.Explanations[1].NotRecharged, a.Explanations[1].LowestPressure,
             a.Explanations[1].WorkTemp, a.Explanations[1].MissingOil) =
        std::tuple{true, 59.125, 45.125, 1.23456};
    req.Catalogue[1].RatedCycles = 3600 / 4 * 2000;
    req.HoursPerYear = 2000;
    req.Gas.Law = GasLawKind::Nitrogen;
    req.Gas.Tau = 30.125;
    req.SingleCycle = true;
    a.PeakDemand = 20;  // a pump alone would need less than the one installed
    ExpectShown(Said(a, req, data),
                {"Raccomandato: 2 accumulatori da 10,123 dm3", "cicli: circa 1 anni.",
                 "primo ciclo: 2; la pompa eroga per il 99,9 % del tempo.",
                 "data per 1800000 cicli: circa 1 anni.", "azoto reale, τ = 30,12 s",
                 "La pressione scende a 59,12 bar a 45,12 °C verso 0 s del ciclo 1; "
                 "movimenti attivi: nessuno.\n   Mancano 1,235 dm3 di olio per restare",
                 "Un solo ciclo, partendo carico: pressione minima 63,31 bar a "
                 "45,12 °C, 3,19 bar sopra p1.",
                 "Potenza installata 4,95 kW (Qp a Pm); una pompa sola che desse il picco "
                 "di 20 dm3/min a p1 ne vorrebbe 2,47 kW, 2,48 kW meno della potenza "
                 "installata."});
    // A rated swing alone still shows the rating's columns.
    req.Catalogue[1].RatedCycles.reset();
    req.Catalogue[1].RatedSwing.reset();
    EXPECT_EQ(LayOutAnswer(a, req, data, kItalian).Catalogue.Headings.size(), 7u);
    // Without any rating, the plain columns, PS among them.
    for (CatalogueSize& s : req.Catalogue) {
        s.RatedSwing.reset();
        s.RatedCycles.reset();
    }
    EXPECT_EQ(LayOutAnswer(a, req, data, kItalian).Catalogue.Headings,
              (std::vector<std::string>{"V0 [dm3]", "Rapporto max", "PS [bar]",
                                        "Portata max [dm3/min]", "τ [s]"}));
    // A pump alone at p1 needing just the power installed: nothing saved, nothing more.
    req.MinPressure = GaugeBar(data.Pm);
    a.PeakDemand = a.Recommendation()->Proposed.Qp.value();
    ExpectShown(Said(a, req, data), {"ne vorrebbe 4,95 kW: l'accumulatore fa risparmiare 0 kW."});
    // A long cycle's many movements under way: the first five, then a count.
    for (int number = 1; number <= 7; ++number)
        a.Explanations[1].Active.push_back({number, MovementKind::Motor});
    ExpectShown(Said(a, req, data), {"movimenti attivi: 1 (motore); 2 (motore); 3 (motore); "
                                     "4 (motore); 5 (motore) e altri 2.\n"});
    // Five need no count; a run that loads too often names the loading that stopped it.
    a.Explanations[1].Active.resize(5);
    std::tie(a.Explanations[0].Chatters, a.Explanations[0].ChatterCycle) = std::tuple{true, 3};
    ExpectShown(Said(a, req, data),
                {"4 (motore); 5 (motore).\n",
                 "Nel ciclo 3 la pompa carica 11 volte nei primi 0 s (a 0 °C)"});
    // A drift said to its ten-thousandth of a bar.
    std::tie(a.Explanations[0].Chatters, a.Explanations[0].Drifting, a.Explanations[0].Drift) =
        std::tuple{false, true, 0.012345};
    ExpectShown(Said(a, req, data), {"La pressione minima scende di 0,0123 bar per ciclo"});
}

// The classic law sizes nothing: the answer names the law its runs used. No
// size passes, after one arrangement; then a pump short of the oil.
TEST_F(HandMadeAnswerTest, TheClassicLawAndNoSizeThatPasses) {
    req.Gas.Law = GasLawKind::Classic;
    req.Gas.Tau = 30.125;
    EXPECT_EQ(LayOutAnswer(a, req, data, kItalian).Requirements.at(6).second,
              "azoto reale, τ = 30,12 s, al posto della legge classica, che non dimensiona");
    a.Recommended.reset();
    a.ArrangementsTried = 1;
    a.Candidates.back().Rules[kPressureRule] = false;
    EXPECT_EQ(LayOutAnswer(a, req, data, kItalian).Recommendation,
              (std::vector<std::string>{
                  "Nessuna grandezza del catalogo rispetta tutte le regole: la più grande "
                  "(10,123 dm3) non rispetta la regola 1.",
                  "Nessuna delle 1 composizioni provate (fino a 20 accumulatori in parallelo o 8 "
                  "bombole, in ordine di volume di gas) rispetta tutte le regole."}));
    a.PumpShort = true;
    std::tie(a.PumpOil, a.CycleOil, a.BalancePump) = std::tuple{1.23456, 2.34567, 35.125};
    EXPECT_EQ(LayOutAnswer(a, req, data, kItalian).Recommendation.at(0),
              "Nessuna grandezza può bastare: la pompa fornisce 1,235 dm3 per ciclo, il ciclo ne "
              "preleva 2,346. Serve una pompa di almeno 35,1 dm3/min.");
}

// The recommendation a project keeps, as the window says it until Calcola
// answers: the volume as the candidates write it, ties rounded to even.
TEST(AnswerLayoutTest, SaysTheKeptRecommendation) {
    EXPECT_EQ(
        LastRecommendationText({Dm3(10.0625), GaugeBar(48.125), Dm3PerMin(30.25), 2}, kItalian),
        "Ultima raccomandazione: 2 × 10,062 dm3, precarica 48,12 bar, pompa 30,2 dm3/min. "
        "\"Calcola\" la ricalcola.");
    EXPECT_EQ(
        LastRecommendationText({Dm3(6), GaugeBar(50), Dm3PerMin(30), 1, Dm3(10.0625), 1}, kItalian)
            .substr(0, 43),
        "Ultima raccomandazione: 6 + 1 × 10,062 dm3");
}

// The classic law's balance is real nitrogen's, adiabatic: its first cycle
// comes back to Pm as it left, and the steady one repeats it. The example by
// hand: 30 dm3/min at 80 bar, 108,24 at 80 - 13 bar, over 0,8; the swing from
// nitrogen's lowest, 63,698 bar; 3600 / 4,7 cycles an hour.
TEST(BalanceText, TheExampleByHand) {
    CircuitState state;
    LoadExampleCircuit(state);
    RunSimulation(state);
    const auto rows = EnergyBalanceRows(state, EnergyInputsOf(state, 0.8, 1000.25), kItalian);
    ASSERT_TRUE(rows) << rows.Error();
    std::vector<std::string> said;
    for (const VerdictRow& row : *rows) said.push_back(row.value);
    const std::vector<std::string> cycle{"9,327 kJ", "9,327 kJ",  "nessuno scambio",
                                         "0 kJ",     "11,742 kJ", "63,7 bar e 80 bar"};
    std::vector<std::string> figures{
        "azoto reale, τ = ∞ (adiabatica), a tc = 45 °C, al posto "
        "della legge classica dei risultati, che non dà energie"};
    for (int twice = 0; twice < 2; ++twice)
        figures.insert(figures.end(), cycle.begin(), cycle.end());
    figures.insert(figures.end(), {"0,8", "5 kW", "108,24 dm3/min", "67 bar (Pm - Dp)", "15,11 kW",
                                   "10,11 kW", "16,3 bar", "766", "766149 in 1000,2 h"});
    EXPECT_EQ(said, figures);
    EXPECT_EQ(rows->at(7).label,
              "Ciclo in regime (2°, uguale al precedente): energia ceduta dall'accumulatore");
    // A pump alone for the peak 3 W short of the installed power saves 0 kW
    // as shown (80 Qp = 108,24 × 67 + 1,44), not more needed.
    state.Data.Qp = 90.669f;
    RunSimulation(state);
    const auto faster = EnergyBalanceRows(state, EnergyInputsOf(state, 0.8, 1000), kItalian);
    EXPECT_EQ(faster->at(18).label, "Potenza risparmiata dall'accumulatore");
    EXPECT_EQ(faster->at(14).value, "15,11 kW") << "the installed power to two decimals";
    // A hold is judged on a run of a gas law, none before it.
    state.Gas.Law = GasLawKind::Ideal;
    const DutyPlan hold{false, HoldDuty{GaugeBar(65), 1, Dm3PerMin(0)}};
    EXPECT_EQ(DutyRows(state, hold, 60, kItalian).size(), 1u);
    // Nor a balance: a single point is no run.
    state.LastPoint = 0;
    EXPECT_TRUE(DutyRows(state, hold, 60, kItalian).empty() &&
                EnergyBalanceRows(state, EnergyInputsOf(state, 0.8, 1000), kItalian)->empty());
}

}  // namespace
}  // namespace volvenza::sizing
