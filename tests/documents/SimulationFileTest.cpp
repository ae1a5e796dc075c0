// The simulation file and the results' exports (text table and CSV). The
// golden files tests/data/example.vlz and example.txt hold the example run.
// They were checked by hand against the worked values of the example; to
// regenerate them on purpose after a deliberate change of format, run
//   build/bin/volvenza-sim example tests/data/example.vlz --export tests/data/example.txt
// and review the diff line by line.

#include "documents/SimulationFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "documents/ProjectFile.h"
#include "documents/ResultsCsv.h"
#include "documents/ResultsExport.h"
#include "engine/Simulation.h"
#include "tests/support/Failure.h"
#include "tests/support/Files.h"
#include "tests/support/RecordedRun.h"

namespace volvenza {

using test::Failure;
namespace {

using test::ReadAll;
using test::WriteAll;

class SimulationFileTest : public ::testing::Test,
                           protected test::ScratchDir,
                           protected test::RecordedState {};

// The example's run is the golden files, its table and every point of it as
// CSV, with semicolons and the decimal comma; a file loads back whole and
// saves as it was.
TEST_F(SimulationFileTest, ExampleRunIsTheGoldenFilesAndLoadsBackWhole) {
    LoadExampleCircuit(state);
    RunSimulation(state);
    const std::string golden = ReadAll(test::TestData("example.vlz"));
    EXPECT_EQ(SimulationFileText(state), golden);
    ASSERT_FALSE(Failure(SaveSimulationFile(state, Path("a.vlz"))));
    EXPECT_EQ(ReadAll(Path("a.vlz")), golden);
    EXPECT_EQ(ResultsText(state), ReadAll(test::TestData("example.txt")));
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

    // An edited list of six movements with the results of five, and old slots behind.
    state.Movements[6] = state.Movements[3];
    state.Movements[6].Qm = 1.0 / 3.0;
    state.Movements[6].Stroke2 = 1e-7f;
    state.MovementCount = 6;
    const std::string text = SimulationFileText(state);
    WriteAll(Path("in.vlz"), text);

    CircuitState loaded;
    loaded.Movements[7].Kind = 5;
    ASSERT_FALSE(Failure(LoadSimulationFile(loaded, Path("in.vlz"))));
    EXPECT_EQ(std::tuple(int(loaded.SimMovementCount), int(loaded.MovementCount),
                         loaded.PointCapacity, int(loaded.Movements[7].Kind)),
              std::tuple(6, 6, 569, 5));
    // Each series holds the points 0..PointCapacity, as after the run.
    for (const auto* series :
         {&loaded.VSeries, &loaded.PSeries, &loaded.QtSeries, &loaded.QsSeries, &loaded.DVSeries}) {
        EXPECT_EQ(series->size(), state.PSeries.size());
    }
    EXPECT_EQ(SimulationFileText(loaded), text);

    // LF line ends and a last line without its end are read the same way.
    std::string lf = text;
    std::erase(lf, '\r');
    lf.pop_back();
    WriteAll(Path("lf.vlz"), lf);
    CircuitState again;
    ASSERT_FALSE(Failure(LoadSimulationFile(again, Path("lf.vlz"))));
    EXPECT_EQ(SimulationFileText(again), text);
}

// No run is one line of zeros; values that are no number read as such, in
// CSV too (where a field holding the separator is quoted); points past the
// stored series read as zeros, never whatever memory follows.
TEST_F(SimulationFileTest, ExportsShowBrokenValuesAsSuchAndPointsPastTheSeriesAsZeros) {
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

TEST_F(SimulationFileTest, EmptyModelAndShortResults) {
    EXPECT_EQ(SimulationFileText(state), "0,0,0,0,0,0,0,0,0\r\n0,0,0,0,0,0\r\n");
    // Points past the stored series are zeros, never whatever memory follows.
    CircuitState shorter;
    for (auto* series : {&shorter.VSeries, &shorter.PSeries, &shorter.QtSeries, &shorter.QsSeries,
                         &shorter.DVSeries}) {
        series->assign(3, 7.0);
        series->resize(2);
    }
    shorter.LastPoint = 2;
    EXPECT_EQ(SimulationFileText(shorter),
              "2,0,0,0,0,0,0,0,0\r\n0,7,7,7,7,7\r\n.01,7,7,7,7,7\r\n.02,0,0,0,0,0\r\n");
}

// A mix of the values that stress the number forms: the ends of each type's
// range, the thresholds of the exponent form, typed-looking decimals and any
// finite bit pattern.
template <typename T, typename Bits>
T AnyNumber(std::mt19937_64& rng) {
    using L = std::numeric_limits<T>;
    const T specials[] = {0,        -T(0),      L::max(),  -L::max(),   L::min(), L::denorm_min(),
                          T(1e-05), T(1e-04),   T(1e15),   T(1) / T(3), T(-2.5),  T(0.3),
                          T(1e7),   T(9999999), T(100000), T(-0.01),    T(4.7),   T(1e-40)};
    switch (rng() % 4) {
        case 0:
            return specials[rng() % std::size(specials)];
        case 1: {
            const Bits bits = static_cast<Bits>(rng());
            T value;
            std::memcpy(&value, &bits, sizeof value);
            return std::isfinite(value) ? value : T(1.5);
        }
        case 2:
            return static_cast<T>(std::uniform_real_distribution<double>(-1000, 1000)(rng));
        default:
            return static_cast<T>(static_cast<double>(rng() % 2000001) / 1000.0 - 1000.0);
    }
}

TEST_F(SimulationFileTest, EveryWrittenFileLoadsBackAndSavesIdentically) {
    std::mt19937_64 rng(20240611);
    auto single = [&] { return AnyNumber<float, uint32_t>(rng); };
    for (int round = 0; round < 200; ++round) {
        CircuitState written;
        CircuitData& d = written.Data;
        for (float* f : {&d.V0, &d.P0, &d.Tc, &d.Qp, &d.Pm, &d.Dp}) *f = single();
        d.CycleTime = static_cast<float>(rng() % 501) / 100.0f;
        const int capacity = static_cast<int>(StepCount(written.Data.CycleTime, 0.01f)) + 100;
        // The first state is as full as a file can be: every movement and
        // every point of the series.
        written.LastPoint = static_cast<int16_t>(round == 0 ? capacity : rng() % (capacity + 1));
        written.MovementCount = static_cast<int16_t>(round == 0 ? kMaxMovements : rng() % 31);
        for (int i = 1; i <= written.MovementCount; ++i) {
            Movement& m = written.Movements[i];
            for (float* f : {&m.Ti, &m.Tf, &m.Ti2, &m.Tf2, &m.BoreDiameter, &m.Stroke,
                             &m.RodDiameter, &m.RodDiameter2, &m.Stroke1, &m.Stroke2,
                             &m.Displacement, &m.Speed, &m.UnitDisplacement, &m.RotationAngle}) {
                *f = single();
            }
            m.Qm = AnyNumber<double, uint64_t>(rng);
            m.Kind = static_cast<int16_t>(rng() % 8);
        }
        ReallocateResults(written, capacity);
        for (auto* series : {&written.VSeries, &written.PSeries, &written.QtSeries,
                             &written.QsSeries, &written.DVSeries}) {
            for (double& v : *series) v = AnyNumber<double, uint64_t>(rng);
        }
        const std::string text = SimulationFileText(written);
        WriteAll(Path("round.vlz"), text);
        CircuitState loaded;
        ASSERT_EQ(Failure(LoadSimulationFile(loaded, Path("round.vlz"))), std::nullopt) << text;
        ASSERT_EQ(SimulationFileText(loaded), text);

        // A project made of it opens again with the same design, empty
        // slots (kind 0) included; only the results stay behind.
        ProjectSizing sizing;
        CircuitState back;
        ASSERT_EQ(Failure(ReadProjectText(back, sizing, ProjectFileText(loaded, sizing), "r.vlzp")),
                  std::nullopt);
        EXPECT_EQ(back.Data, loaded.Data);
        ASSERT_EQ(back.MovementCount, loaded.MovementCount);
        EXPECT_TRUE(std::equal(&back.Movements[1], &back.Movements[1] + back.MovementCount,
                               &loaded.Movements[1]));
    }
}

TEST_F(SimulationFileTest, InvalidFilesAreRefusedAndChangeNothing) {
    LoadExampleCircuit(state);
    RunSimulation(state);
    const std::string before = SimulationFileText(state);
    const std::string move = "0,1,0,0,50,150,0,0,0,0,0,0,0,0,5,1\r\n";
    // More points than a half-second cycle holds (0 to 150).
    std::string longer = "0,1,2,3,4,5,6,.5,0\r\n";
    for (int k = 0; k < 152; ++k) longer += "0,1,2,3,4,5\r\n";
    // Each refusal names the line, and the field and its text where one is at fault.
    std::vector<std::pair<std::string, std::string>> cases = {
        {"", " (riga 1)."},
        {"0,1,2,3,4,5,6,1,1\r\n0,1,0,0,50,150,0,0,0,0,0,0,0,0,nan,1\r\n",
         ": alla riga 2 il campo Qm vale «nan», che non è un numero finito."},
        {"0,1,2,3,4,5,6,1,1\r\n0,1,0,0,50,-inf,0,0,0,0,0,0,0,0,5,1\r\n",
         ": alla riga 2 il campo Stroke vale «-inf», che non è un numero finito."},
        // Results too, which would be shown and exported as numbers.
        {"0,1,2,3,4,5,6,1,0\r\n0,1,inf,3,4,5\r\n",
         ": alla riga 2 il campo P vale «inf», che non è un numero finito."},
        {"1,1,2,3,4,5,6,1,0\r\n0,1,2,3,4,5\r\n.01,1,2,3,4,nan\r\n",
         "riga 3 il campo dV vale «nan»"},
        {"0,1,2,3,4,5,6,1,1\r\n0,1e39,0,0,50,150,0,0,0,0,0,0,0,0,5,1\r\n",
         ": alla riga 2 il campo Tf vale «1e39», oltre ciò che il campo in precisione singola "
         "contiene (3,402823E+38 in valore assoluto)."},
        {"0,1,2,3,4,5,6,1,2\r\n" + move, ": il file finisce alla riga 2, ne attendevo 4."},
        // Every point up to LastPoint is written: fewer were cut short, no zeros.
        {"5,1,2,3,4,5,6,1,0\r\n0,1,2,3,4,5\r\n.01,6,7,8,9,10\r\n\r\n",
         ": il file finisce alla riga 3, ne attendevo 7."},
        {"0,1,2,3,4,5,6,1,1\r\n0,1,0\r\n",
         ": la riga 2 ha 3 campi separati da virgole, ne servono 16."},
        {"0,1,2,3,4,5,6,1,1\r\n0,1,0,0,50,150,0,0,0,0,0,0,0,0,5,8\r\n",
         ": alla riga 2 il campo Kind vale «8», che non è un numero intero da 0 a 7."},
        {"0,1,2,3,4,5,6,1,1\r\n" + move + "0,1,2,3,4,5\r\n0,1,2,3,4\r\n",
         ": la riga 4 ha 5 campi separati da virgole, ne servono 6."},
        {"0,1,2,3,4,5,6,1,0\r\n0,1,2,3,4,5\r\n\r\n0,1,2,3,4,5\r\n", " (riga 3)."},
        {longer, " (riga 153)."},
        {"0,1,2,3,4,5,6,1,1\r\n" + std::string(5000, '0') + "\r\n", " (riga 2)."},
        {"1,2,3\r\n", ": la riga 1 ha 3 campi separati da virgole, ne servono 9."},
        {"-1,1,2,3,4,5,6,7,0\r\n",
         ": alla riga 1 il campo LastPoint vale «-1», che non è un numero intero da 0 a 32767."},
        {"0,1,2,3,4,5,6,7,1001\r\n", ": alla riga 1 il campo MovementCount vale «1001»"},
        {"51,1,2,3,4,5,6,-.5,0\r\n",
         ": alla riga 1 il campo CycleTime vale «-.5», fuori dal campo del tempo di ciclo, da 0 a "
         "327,67 s."},
        {"151,1,2,3,4,5,6,.5,0\r\n",
         ": alla riga 1 il campo LastPoint vale «151», oltre l'ultimo punto che il tempo di ciclo "
         "consente, 150."},
        {"0,1,2,3,4,5,6,327.68,0\r\n", "il campo CycleTime vale «327.68»"},
        {"0,1,2,3,4,5,6,x,0\r\n", "il campo CycleTime vale «x», che non è un numero finito."}};
    for (const auto& [text, tail] : cases) {
        WriteAll(Path("bad.vlz"), text);
        std::optional<std::string> err = Failure(LoadSimulationFile(state, Path("bad.vlz")));
        ASSERT_TRUE(err) << text;
        const std::string start =
            "Il file " + Path("bad.vlz") + " non è un file di simulazione valido";
        EXPECT_EQ(err->rfind(start, 0), 0u) << *err;
        EXPECT_NE(err->find(tail, start.size()), std::string::npos) << *err;
        EXPECT_EQ(SimulationFileText(state), before);
    }
    EXPECT_EQ(Failure(LoadSimulationFile(state, Path("missing.vlz"))),
              "Impossibile aprire il file " + Path("missing.vlz") + ".");
    EXPECT_EQ(SimulationFileText(state), before);

    WriteAll(Path("longest.vlz"), "0,1,2,3,4,5,6,327.67,0\r\n0,0,0,0,0,0\r\n");
    ASSERT_EQ(Failure(LoadSimulationFile(state, Path("longest.vlz"))), std::nullopt);
    EXPECT_EQ(state.PointCapacity, kMaxSteps + 100);
}

}  // namespace
}  // namespace volvenza
