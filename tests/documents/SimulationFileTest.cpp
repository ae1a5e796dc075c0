// The golden files tests/data/example.vlz and example.txt hold the example
// run. They were checked by hand against the worked values of the example;
// to regenerate them on purpose after a deliberate change of format, run
//   build/bin/volvenza-sim example tests/data/example.vlz --export tests/data/example.txt
// and review the diff line by line.

#include "documents/SimulationFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

#include "engine/Simulation.h"
#include "tests/support/RecordingUi.h"

namespace volvenza {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteAll(const fs::path& p, const std::string& text) {
    std::ofstream(p, std::ios::binary) << text;
}

class SimulationFileTest : public ::testing::Test {
  protected:
    SimulationFileTest() {
        dir =
            fs::temp_directory_path() /
            ("volvenza-file-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
        state.SetUi(ui);
        InitCircuitState(state);
    }
    ~SimulationFileTest() override { fs::remove_all(dir); }
    std::string Path(const char* name) const { return (dir / name).string(); }

    fs::path dir;
    test::RecordingUi ui;
    CircuitState state;
};

TEST_F(SimulationFileTest, ExampleRunMatchesTheGoldenFile) {
    LoadExampleCircuit(state);
    RunSimulation(state);
    const std::string golden = ReadAll(fs::path(VOLVENZA_TEST_DATA) / "example.vlz");
    EXPECT_EQ(SimulationFileText(state), golden);
    ASSERT_FALSE(SaveSimulationFile(state, Path("a.vlz")));
    EXPECT_EQ(ReadAll(Path("a.vlz")), golden);
}

TEST_F(SimulationFileTest, LoadRestoresEverythingAndSavesIdentically) {
    // An edited list of six movements with the results of five, and old slots behind.
    LoadExampleCircuit(state);
    RunSimulation(state);
    state.Movements[6] = state.Movements[3];
    state.Movements[6].Qm = 1.0 / 3.0;
    state.Movements[6].Stroke2 = 1e-7f;
    state.MovementCount = 6;
    const std::string text = SimulationFileText(state);
    WriteAll(Path("in.vlz"), text);

    test::RecordingUi otherUi;
    CircuitState loaded;
    loaded.SetUi(otherUi);
    InitCircuitState(loaded);
    loaded.Movements[7].Kind = 5;
    ASSERT_FALSE(LoadSimulationFile(loaded, Path("in.vlz")));
    EXPECT_EQ(loaded.MovementCount, 6);
    EXPECT_EQ(loaded.SimMovementCount, 6);
    EXPECT_EQ(loaded.LastPoint, 468);
    EXPECT_EQ(loaded.PointCapacity, 569);
    EXPECT_EQ(loaded.Movements[7].Kind, 5);
    EXPECT_EQ(loaded.Data.CycleTime, 4.7f);
    EXPECT_EQ(otherUi.boxes.CycleTime, 4.7f);
    EXPECT_EQ(otherUi.codes, std::vector<int>{3});
    EXPECT_EQ(SimulationFileText(loaded), text);

    // LF line ends and a last line without its end are read the same way.
    std::string lf;
    for (char c : text) {
        if (c != '\r') lf += c;
    }
    lf.pop_back();
    WriteAll(Path("lf.vlz"), lf);
    CircuitState again;
    ASSERT_FALSE(LoadSimulationFile(again, Path("lf.vlz")));
    EXPECT_EQ(SimulationFileText(again), text);
}

TEST_F(SimulationFileTest, EmptyModelAndShortResults) {
    EXPECT_EQ(SimulationFileText(state), "0,0,0,0,0,0,0,0,0\r\n0,0,0,0,0,0\r\n");
    WriteAll(Path("short.vlz"), "5,1,2,3,4,5,6,1,0\r\n0,1,2,3,4,5\r\n.01,6,7,8,9,10\r\n");
    ASSERT_FALSE(LoadSimulationFile(state, Path("short.vlz")));
    EXPECT_EQ(state.LastPoint, 5);
    EXPECT_EQ(state.PSeries[1], 7.0);
    EXPECT_EQ(state.PSeries[5], 0.0);
}

TEST_F(SimulationFileTest, ResultsThatAreNotFiniteAreKeptAsSuch) {
    LoadExampleCircuit(state);
    RunSimulation(state);
    state.VSeries[1] = -std::numeric_limits<double>::quiet_NaN();
    state.PSeries[1] = std::numeric_limits<double>::infinity();
    state.QtSeries[1] = -std::numeric_limits<double>::infinity();
    const std::string text = SimulationFileText(state);
    EXPECT_NE(text.find("\r\n.01,nan,inf,-inf,"), std::string::npos);
    WriteAll(Path("nan.vlz"), text);
    CircuitState loaded;
    ASSERT_FALSE(LoadSimulationFile(loaded, Path("nan.vlz")));
    EXPECT_TRUE(std::isnan(loaded.VSeries[1]));
    EXPECT_EQ(loaded.QtSeries[1], -std::numeric_limits<double>::infinity());
    EXPECT_EQ(SimulationFileText(loaded), text);
}

TEST_F(SimulationFileTest, InvalidFilesAreRefusedAndChangeNothing) {
    LoadExampleCircuit(state);
    RunSimulation(state);
    const std::string before = SimulationFileText(state);
    const std::string move = "0,1,0,0,50,150,0,0,0,0,0,0,0,0,5,1\r\n";
    const struct {
        std::string text;
        int line;
    } cases[] = {
        {"", 1},
        {"1,2,3\r\n", 1},
        {"0,1,2,3,4,5,6,7,0,9\r\n", 1},
        {"-1,1,2,3,4,5,6,7,0\r\n", 1},
        {"0,1,2,3,4,5,6,7,1001\r\n", 1},
        {"0,1,2,3,4,5,6,-1,0\r\n", 1},
        {"0,1,2,3,4,5,6,327.7,0\r\n", 1},
        {"0,1,2,3,4,5,6,x,0\r\n", 1},
        {"0,1,2,3,4,5,6,nan,0\r\n", 1},
        {"0,1,2,3,4,5,6,NaN,0\r\n", 1},
        {"0,inf,2,3,4,5,6,1,0\r\n", 1},
        {"0,1,2,3,4,5,6,1,1\r\n0,1,0,0,50,150,0,0,0,0,0,0,0,0,nan,1\r\n", 2},
        {"0,1,2,3,4,5,6,1,1\r\n0,1,0,0,50,-inf,0,0,0,0,0,0,0,0,5,1\r\n", 2},
        {"0,1,2,3,4,5,6,1,2\r\n" + move, 3},
        {"0,1,2,3,4,5,6,1,1\r\n0,1,0\r\n", 2},
        {"0,1,2,3,4,5,6,1,1\r\n0,1,0,0,50,150,0,0,0,0,0,0,0,0,5,8\r\n", 2},
        {"0,1,2,3,4,5,6,1,1\r\n" + move + "0,1,2,3,4,5\r\n0,1,2,3,4\r\n", 4},
        {"0,1,2,3,4,5,6,1,0\r\n0,1,2,3,4,5\r\n\r\n0,1,2,3,4,5\r\n", 3},
        {"0,1,2,3,4,5,6,.5,0\r\n" +
             [] {
                 std::string pts;
                 for (int k = 0; k < 152; ++k) pts += "0,1,2,3,4,5\r\n";
                 return pts;
             }(),
         153},
    };
    for (const auto& c : cases) {
        WriteAll(Path("bad.vlz"), c.text);
        std::optional<std::string> err = LoadSimulationFile(state, Path("bad.vlz"));
        ASSERT_TRUE(err) << c.text;
        EXPECT_EQ(*err, "Il file " + Path("bad.vlz") +
                            " non è un file di simulazione valido (riga " + std::to_string(c.line) +
                            ").")
            << c.text;
        EXPECT_EQ(SimulationFileText(state), before);
    }
    EXPECT_EQ(LoadSimulationFile(state, Path("missing.vlz")),
              "Impossibile aprire il file " + Path("missing.vlz") + ".");
    EXPECT_EQ(SimulationFileText(state), before);
}

TEST_F(SimulationFileTest, FailedSaveKeepsTheOldFileAndLeavesNoLitter) {
    WriteAll(Path("keep.vlz"), "old");
    const std::string blocked = (dir / "keep.vlz" / "x.vlz").string();
    EXPECT_EQ(SaveSimulationFile(state, blocked), "Impossibile salvare il file " + blocked + ".");
    EXPECT_EQ(SaveSimulationFile(state, dir.string()),
              "Impossibile salvare il file " + dir.string() + ".");
    EXPECT_EQ(ReadAll(Path("keep.vlz")), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace volvenza
