// The energy balance as every front end words it: the window, the printed
// results and volvenza-sim's summary show these rows.

#include <gtest/gtest.h>

#include "engine/Simulation.h"
#include "sizing/BalanceText.h"

namespace volvenza::sizing {
namespace {

// The classic law's balance is real nitrogen's, adiabatic: its first cycle
// comes back to Pm as it left, and the steady one repeats it. The example by
// hand: 30 dm3/min at 80 bar, 108,24 at 80 - 13 bar, over 0,8; the swing from
// nitrogen's lowest, 63,698 bar; 3600 / 4,7 cycles an hour.
TEST(BalanceText, TheExampleByHand) {
    CircuitState state;
    LoadExampleCircuit(state);
    RunSimulation(state);
    const Wording w{nullptr, ','};
    const auto rows = EnergyBalanceRows(state, EnergyInputsOf(state, 0.8, 1000), w);
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
                                   "10,11 kW", "16,3 bar", "766", "765957 in 1000 h"});
    EXPECT_EQ(said, figures);
    EXPECT_EQ(rows->at(7).label,
              "Ciclo in regime (2°, uguale al precedente): energia ceduta dall'accumulatore");
    // A pump alone for the peak 3 W short of the installed power saves 0 kW
    // as shown (80 Qp = 108,24 × 67 + 1,44), not more needed.
    state.Data.Qp = 90.669f;
    RunSimulation(state);
    EXPECT_EQ(EnergyBalanceRows(state, EnergyInputsOf(state, 0.8, 1000), w)->at(18).label,
              "Potenza risparmiata dall'accumulatore");
    // A hold is judged on a run of a gas law, none before it.
    state.Gas.Law = GasLawKind::Ideal;
    const DutyPlan hold{false, HoldDuty{GaugeBar(65), 1, Dm3PerMin(0)}};
    EXPECT_EQ(DutyRows(state, hold, 60, w).size(), 1u);
    state.LastPoint = 0;
    EXPECT_TRUE(DutyRows(state, hold, 60, w).empty());
}

}  // namespace
}  // namespace volvenza::sizing
