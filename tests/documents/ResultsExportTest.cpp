// Golden file: tests/data/example.txt (see SimulationFileTest.cpp for how to
// regenerate it on purpose).

#include "documents/ResultsExport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <limits>
#include <sstream>

#include "engine/Simulation.h"

namespace volvenza {
namespace {

TEST(ResultsExport, ExampleRunMatchesTheGoldenTable) {
    CircuitState state;
    InitCircuitState(state);
    LoadExampleCircuit(state);
    RunSimulation(state);
    std::ifstream in(std::string(VOLVENZA_TEST_DATA) + "/example.txt", std::ios::binary);
    std::stringstream golden;
    golden << in.rdbuf();
    const std::string text = ResultsText(state);
    EXPECT_EQ(text, golden.str());
    EXPECT_NE(text.find("\r\n ,1  8,751  78,492  70,905  70,905 \r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n 1,5  9,965  65,436  12 -18 \r\n"), std::string::npos);
}

TEST(ResultsExport, NoRunGivesOneZeroLineAndBrokenValuesShowAsSuch) {
    CircuitState state;
    InitCircuitState(state);
    EXPECT_EQ(ResultsText(state), "tV(t)P(t)Qt(t)Qs(t)\r\n 0  0  0  0  0 \r\n");
    state.VSeries[0] = -std::numeric_limits<double>::quiet_NaN();
    state.PSeries[0] = std::numeric_limits<double>::infinity();
    state.QsSeries[0] = -std::numeric_limits<double>::infinity();
    EXPECT_EQ(ResultsText(state), "tV(t)P(t)Qt(t)Qs(t)\r\n 0  nan  inf  0 -inf \r\n");
}

}  // namespace
}  // namespace volvenza
