// Recovery points: which are kept and listed, in what order, and what one
// brings back when opened.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "documents/Project.h"
#include "documents/ProjectFile.h"
#include "tests/support/Failure.h"
#include "tests/support/Files.h"

namespace volvenza {

using test::Failure;
namespace {

namespace fs = std::filesystem;

// Recovery points, project files kept as the work goes: they go by the order
// they were written in, whatever the clock says (here one set years ahead) or
// however long the sequence grows; the last few are kept, and with them the
// points of a session that ended without closing, each until it is opened or
// discarded (the newest of them up to a cap), and those of a session still
// running.
class RecoveryPointsTest : public ::testing::Test, protected test::ScratchDir {
  protected:
    // The work each point keeps: the example with a gas, a recommendation
    // and what was typed into boxes as no number.
    RecoveryPointsTest() {
        LoadExampleCircuit(state);
        project.Edited(ProjectPart::Inputs, "Esempio");
        project.SetGas({.Law = GasLawKind::Nitrogen, .Tau = 45, .MinTemp = {}, .MaxTemp = {}});
        project.SetRecommendation(sizing::Design{Dm3(10), GaugeBar(49.7), Dm3PerMin(30), 1, {}, 0});
        project.SetDraft({DraftKey::Place::Movement, 2, kFlowField}, "3,2x");
        project.SetDraft({DraftKey::Place::InitialData, 0, 6}, "4,7 s");
        project.SetDraft({DraftKey::Place::Catalogue, 18, 6}, "2e6x");
        project.Edited(ProjectPart::Movements, "bozza");
    }
    // Each point's time and owner, newest first: Ended, This, Running, Interrupted.
    static std::string Owners(const std::vector<RecoveryPoint>& points) {
        std::string out;
        for (const RecoveryPoint& p : points)
            out += std::to_string(p.time) + "ETRI"[static_cast<int>(p.owner)] + ' ';
        return out;
    }
    // Points of the project written at these times, the one at 50 with a file's name.
    bool Save(RecoveryStore& store, std::initializer_list<std::time_t> times) {
        return std::ranges::all_of(times, [&](std::time_t t) {
            return !Failure(store.Save(project.Snapshot(), t, t == 50 ? "ciclo.vlz" : ""));
        });
    }
    // The sessions' marks.
    std::set<std::string> Marks() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.path().extension() == ".lock") names.insert(entry.path().filename());
        return names;
    }
    CircuitState state;
    Project project{state};
    const fs::path folder = dir / "recovery";
};

TEST_F(RecoveryPointsTest, TheNewestFewAndACrashedSessionsAreKept) {
    // A session still running, and one that crashes after three points.
    RecoveryStore running(folder.string());
    running.Begin();
    {
        RecoveryStore idle(folder.string());  // crashes before its first point
        idle.Begin();
        RecoveryStore crashed(folder.string());
        crashed.Begin();
        ASSERT_TRUE(Save(crashed, {50, 55, 58}) && Save(running, {60}));
        RecoveryStore store(folder.string(), 3);
        store.Begin();
        ASSERT_TRUE(Save(store, {100, 9999999999, 200, 300}));
        // An earlier version's point, and files that are none.
        std::ofstream(folder / "recupero-000000000900-0000-m5.vlzp")
            << SnapshotText(project.Snapshot());
        for (const char* name :
             {"recupero-x.vlzp", "recupero-000000000900-0000-m5.vlz", "recupero-900-0-m5.vlzp",
              "recupero-18446744073709551615-000000000900-0123456789abcdef-m5.vlzp",
              "sessione-appunti.txt", "appunti.lock"}) {
            std::ofstream(folder / name) << "not ours";
        }
        EXPECT_EQ(Owners(store.List()), "300T 200T 9999999999T 60R 58R 55R 50R 900E ");
        store.End();
        // The crash: its mark stays, unlocked.
    }
    const std::set<std::string> before = Marks();
    RecoveryStore store(folder.string(), 3);
    store.Begin();
    // The marks of crashes that left no point go; what only looks half like one stays.
    std::set<std::string> gone;
    std::ranges::set_difference(before, Marks(), std::inserter(gone, gone.end()));
    EXPECT_EQ(gone.size(), 1u);
    EXPECT_TRUE(fs::exists(folder / "sessione-appunti.txt") && fs::exists(folder / "appunti.lock"));
    ASSERT_TRUE(Save(store, {400}));
    auto points = store.List();
    ASSERT_EQ(Owners(points), "400T 300E 200E 60R 58I 55I 50I ");
    ProjectSnapshot back;
    std::string design;
    ASSERT_EQ(Failure(store.Load(points[6], back, &design)), std::nullopt);
    EXPECT_EQ(back, project.Snapshot());
    EXPECT_EQ(design, "ciclo.vlz");

    // Opened, an interrupted session's point becomes one of this session's
    // and makes way like them; its session's others wait. Discarded, a point goes.
    store.Opened(points[6]);
    store.Discard(points[3]);
    ASSERT_TRUE(Save(store, {500}));
    EXPECT_EQ(Owners(store.List()), "500T 400T 300E 58I 55I ");
    // Beyond the cap, an interrupted session's oldest points go. A point
    // numbered past ten digits leaves the next ones listed and in order.
    std::ofstream(folder / "recupero-9999999999-000000000700-0123456789abcdef-m5.vlzp")
        << SnapshotText(project.Snapshot());
    {
        RecoveryStore capped(folder.string(), 3, 1);
        capped.Begin();
        ASSERT_TRUE(Save(capped, {800}));
        EXPECT_EQ(Owners(capped.List()), "800T 700E 500R 400R 300E 58I ");
        capped.End();
    }
    // The last of a crashed session's points discarded, its mark goes.
    store.Discard(store.List().back());
    EXPECT_FALSE(fs::exists(folder / ("sessione-" + points[6].session + ".lock")));
}

// A point opened is a replacement, a step of its own, its drafts with it.
TEST_F(RecoveryPointsTest, APointOpensAsAReplacementWhatDoesNotReadIsLeftOut) {
    const ProjectSnapshot work = project.Snapshot();
    ResetCircuit(state);
    project.Edited(ProjectPart::Inputs, "Nuovo");
    project.Open(work, "Recupera");
    project.Open(work, "Recupera");  // a step of its own, as every replacement
    EXPECT_EQ(project.Snapshot(), work);
    project.Undo();
    EXPECT_EQ(project.Snapshot(), work);
    EXPECT_EQ(state.LastPoint, 0);

    // A point that does not read is refused; drafts that do not read as a
    // box's, in a point written by hand, are left out; the last box of each
    // kind is one.
    const RecoveryStore store(folder.string());
    RecoveryPoint byHand;
    byHand.path = Path("bozze.vlzp");
    ProjectSnapshot back;
    std::ofstream(byHand.path) << "{}";
    EXPECT_TRUE(Failure(store.Load(byHand, back)));
    std::ofstream(byHand.path) << R"({"recupero_bozze": [[4,0,0,"a"], [-1,0,0,"a"], [1,-1,0,"a"],
        [1,1001,0,"a"], [0,0,-1,"a"], [1,1,19,"a"], [2,0,12,"a"], [3,1,7,"a"], ["0",0,0,"a"],
        [0,"0",0,"a"], [0,0,"0","a"], [0,0,0,0], [0,0,0], {}, {"a":0,"b":0,"c":0,"d":0}, 5,
        [0,0,0,"v"], [1,1000,18,"m"], [2,0,11,"r"], [3,1,6,"c"]],)"
                               << SnapshotText(project.Snapshot()).substr(1);
    ASSERT_EQ(Failure(store.Load(byHand, back)), std::nullopt);
    EXPECT_EQ(back.drafts, (Drafts{{{DraftKey::Place::InitialData, 0, 0}, "v"},
                                   {{DraftKey::Place::Movement, 1000, 18}, "m"},
                                   {{DraftKey::Place::Requirements, 0, 11}, "r"},
                                   {{DraftKey::Place::Catalogue, 1, 6}, "c"}}));
}

}  // namespace
}  // namespace volvenza
