// Golden file: tests/data/example.txt (see SimulationFileTest.cpp for how to
// regenerate it on purpose).

#include "documents/ResultsExport.h"

#include "documents/ResultsCsv.h"

#include <gtest/gtest.h>

#include <limits>

#include "engine/Simulation.h"
#include "tests/support/Files.h"

namespace volvenza {
namespace {

// No run is one line of zeros; values that are no number read as such, in
// CSV too (where a field holding the separator is quoted); points past the
// stored series read as zeros, never whatever memory follows.
TEST(ResultsExport, BrokenValuesShowAsSuchAndPointsPastTheSeriesAsZeros) {
    CircuitState state;
    EXPECT_EQ(ResultsText(state), "tV(t)P(t)Qt(t)Qs(t)\r\n 0  0  0  0  0 \r\n");
    state.VSeries[0] = -std::numeric_limits<double>::quiet_NaN();
    state.PSeries[0] = std::numeric_limits<double>::infinity();
    state.QsSeries[0] = -std::numeric_limits<double>::infinity();
    EXPECT_EQ(ResultsText(state), "tV(t)P(t)Qt(t)Qs(t)\r\n 0  nan  inf  0 -inf \r\n");
    state.QtSeries[0] = 2.5e-7;
    EXPECT_EQ(ResultsCsv(state, ResultsCsvFormat()), "t;V;P;Qt;Qs\r\n0;nan;inf;2,5E-07;-inf\r\n");
    state.VSeries[0] = -0.5;
    EXPECT_EQ(ResultsCsv(state, {',', ','}), "t,V,P,Qt,Qs\r\n0,\"-0,5\",inf,\"2,5E-07\",-inf\r\n");
    EXPECT_EQ(ResultsCsv(state, {',', '.'}, "Gas law: ideal gas, n = 1.4"),
              "\"Gas law: ideal gas, n = 1.4\"\r\nt,V,P,Qt,Qs\r\n0,-0.5,inf,2.5E-07,-inf\r\n");
    EXPECT_EQ(ResultsCsv(state, ResultsCsvFormat('.')), ResultsCsv(state, {',', '.'}));

    for (auto* series : {&state.VSeries, &state.PSeries, &state.QtSeries, &state.QsSeries}) {
        series->assign(11, 7.0);
        series->resize(10);
    }
    state.LastPoint = 10;
    EXPECT_EQ(ResultsText(state), "tV(t)P(t)Qt(t)Qs(t)\r\n 0  7  7  7  7 \r\n ,1  0  0  0  0 \r\n");
    EXPECT_TRUE(ResultsCsv(state, ResultsCsvFormat()).ends_with("\r\n0,1;0;0;0;0\r\n"));

    // The time column stays exact over long runs.
    ReallocateResults(state, 1000);
    state.LastPoint = 1000;
    EXPECT_TRUE(ResultsText(state).ends_with("\r\n 9,9  0  0  0  0 \r\n 10  0  0  0  0 \r\n"));
}

// The example's table as the golden file holds it, and every point of it as
// CSV, with semicolons and the decimal comma.
TEST(ResultsExport, ExampleRunAsTheGoldenTableAndAsCsv) {
    CircuitState state;
    LoadExampleCircuit(state);
    RunSimulation(state);
    EXPECT_EQ(ResultsText(state), test::ReadAll(test::TestData("example.txt")));
    const std::string csv = ResultsCsv(state, ResultsCsvFormat(), "Legge del gas: classica");
    EXPECT_EQ(csv.rfind("Legge del gas: classica\r\nt;V;P;Qt;Qs\r\n"
                        "0;8,63265485109279;80;70,905;70,905\r\n",
                        0),
              0u);
    EXPECT_NE(csv.find("\r\n1,5;9,96510113797697;65,4361471275556;12;-18\r\n"), std::string::npos);
    // One row per point, 0 to 468, the header and the origin.
    size_t rows = 0;
    for (size_t at = 0; (at = csv.find("\r\n", at)) != std::string::npos; at += 2) ++rows;
    EXPECT_EQ(rows, 471u);
    EXPECT_TRUE(csv.ends_with("\r\n4,68;8,63265485109279;80;0;0\r\n"));
}

}  // namespace
}  // namespace volvenza
