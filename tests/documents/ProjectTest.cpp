// The project: one history for every change and replacement, listeners
// told what changed, results that know whether they still belong to the
// data, recovery points, and designs read and written in either format.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "documents/DesignFile.h"
#include "documents/Project.h"
#include "tests/support/Failure.h"
#include "tests/support/Files.h"
#include "tests/support/RecordedRun.h"

namespace volvenza {

using test::Failure;
namespace {

namespace fs = std::filesystem;

class ProjectTest : public ::testing::Test,
                    protected test::ScratchDir,
                    protected test::RecordedState {
  protected:
    ProjectTest() {
        project.Listen([this](unsigned parts) { told.push_back(parts); });
    }
    // The example in place of the work, as its command does it.
    Status ReplaceWithExample() {
        return project.Replace("Esempio", [this] {
            LoadExampleCircuit(state);
            return Done{};
        });
    }
    // A figure of the initial data typed into its box, as its window tells the project.
    void Type(float& box, float value, const char* label) {
        box = value;
        project.Edited(ProjectPart::Data, label, true);
    }
    Project project{state};
    std::vector<unsigned> told;
};

TEST_F(ProjectTest, EditsAndReplacementsAreStepsOfOneHistory) {
    project.Edited(ProjectPart::Data, "dati");  // nothing changed: no step
    EXPECT_EQ(project.Revision(), 0u);
    EXPECT_FALSE(project.CanUndo());

    Type(state.Data.V0, 1, "V0");
    EXPECT_EQ(project.Stage(), ProjectStage::Data);  // data without movements are work too
    Type(state.Data.V0, 12, "V0");                   // joins the step before
    state.Movements[1].Kind = MovementKind::Motor;
    state.MovementCount = 1;
    project.Edited(ProjectPart::Movements, "movimenti");
    state.Movements[1].Qm = 3;
    project.Edited(ProjectPart::Movements, "movimenti");  // a step of its own
    project.Undo();
    EXPECT_EQ(project.Revision(), 5u);
    EXPECT_EQ(told, (std::vector<unsigned>{
                        ProjectPart::Data, ProjectPart::Data, ProjectPart::Movements,
                        ProjectPart::Movements,
                        ProjectPart::Movements | ProjectPart::Replaced | ProjectPart::History}));
    EXPECT_EQ(state.Movements[1].Qm, 0);
    const ProjectSnapshot typed = project.Snapshot();

    // The example replaces the typed work, which a listener receives and
    // an undo brings back, boxes and list included.
    ProjectSnapshot dropped;
    project.OnReplacing([&](const ProjectSnapshot& s) { dropped = s; });
    // A file that cannot be read changes nothing, and its message comes back.
    const Status refused = project.Replace("Apri", [] { return Status(MessageId::OpenFailed); });
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.Error().id, MessageId::OpenFailed);
    EXPECT_EQ(project.Revision(), 5u);
    ASSERT_TRUE(ReplaceWithExample());
    EXPECT_EQ(dropped, typed);
    EXPECT_EQ(project.Snapshot().movements.size(), 5u);
    EXPECT_EQ(told.back(), ProjectPart::All);

    project.Undo();
    EXPECT_EQ(project.Snapshot(), typed);
    EXPECT_EQ(state.Movements[2], Movement{});
    EXPECT_EQ(state.Data.V0, 12);
    EXPECT_EQ(told.back(), ProjectPart::All | ProjectPart::History);
    EXPECT_EQ(dropped.movements.size(), 5u);  // the example, dropped in turn
    project.Redo();
    EXPECT_EQ(state.MovementCount, 5);
    for (int i = 0; i < 3; ++i) project.Undo();
    EXPECT_EQ(state.Data.V0, 0);
    EXPECT_EQ(state.Movements[1], Movement{});
    EXPECT_EQ(dropped.movements.size(), 5u);  // only replacements drop work
    EXPECT_FALSE(project.CanUndo());
    EXPECT_EQ(project.Revision(), 11u);  // undo is a change too
    project.Undo();                      // nothing left: nothing happens
    EXPECT_EQ(project.Revision(), 11u);

    // Joining stops at an undo and at a run.
    Type(state.Data.Tc, 1, "tc");
    project.SetGas({.Law = GasLawKind::Ideal, .MinTemp = {}, .MaxTemp = {}});
    project.Undo();  // "tc" is the newest step again
    Type(state.Data.Tc, 2, "tc");
    project.ResultsComputed();
    Type(state.Data.Tc, 3, "tc");
    project.Undo();
    EXPECT_EQ(state.Data.Tc, 2);
    project.Undo();
    EXPECT_EQ(state.Data.Tc, 1);
    // Typing that comes back to where it started is no step, and joins
    // nothing before it; a command's edits join as it asks.
    project.ResultsComputed();
    for (float tc : {5.0f, 1.0f, 6.0f}) Type(state.Data.Tc, tc, "tc");
    project.Undo();
    EXPECT_EQ(state.Data.Tc, 1);
    state.MovementCount = 2;
    project.MovementsEdited({MovementEdit::Change::Inserted, 1, 2});
    state.MovementCount = 3;
    project.MovementsEdited({MovementEdit::Change::Inserted, 3, 1, true});
    state.MovementCount = 4;
    project.JoinNextEdit();
    project.MovementsEdited({MovementEdit::Change::Inserted, 4, 1});
    state.MovementCount = 5;
    project.MovementsEdited({MovementEdit::Change::Inserted, 5, 1});
    project.Undo();
    EXPECT_EQ(state.MovementCount, 4);
    project.Undo();
    EXPECT_EQ(state.MovementCount, 0);
    project.Undo();

    // Going back from a full list clears the last slot too.
    state.Movements[kMaxMovements].Kind = MovementKind::Motor;
    state.MovementCount = kMaxMovements;
    project.Edited(ProjectPart::Movements, "movimenti");
    project.Undo();
    EXPECT_EQ(state.Movements[kMaxMovements], Movement{});

    // A new change drops what could be redone; the oldest steps go past the last hundred.
    for (size_t i = 0; i <= Project::kMaxUndoSteps; ++i) {
        state.Data.P0 = static_cast<float>(i + 1);
        project.Edited(ProjectPart::Data, "P0");
    }
    EXPECT_FALSE(project.CanRedo());
    for (size_t i = 0; i < Project::kMaxUndoSteps; ++i) project.Undo();
    EXPECT_EQ(state.Data.P0, 1);
}

TEST_F(ProjectTest, SizingAndGasAreSteps) {
    sizing::Requirements q;
    q.MinPressure = GaugeBar(60);
    project.SetRequirements(q);
    q.MinPressure = GaugeBar(65);
    project.SetRequirements(q);  // typing on into p1 joins the step
    project.SetRequirements(q);  // unchanged: nothing
    project.SetRecommendation(sizing::Design{Dm3(6), GaugeBar(40), Dm3PerMin(30), 1, {}, 0});
    project.SetRecommendation(
        sizing::Design{Dm3(10), GaugeBar(49.7), Dm3PerMin(30), 1, {}, 0});  // a step of its own
    project.SetRecommendation(sizing::Design{Dm3(10), GaugeBar(49.7), Dm3PerMin(30), 1, {}, 0});
    project.SetGas({.Law = GasLawKind::Ideal, .MinTemp = {}, .MaxTemp = {}});
    EXPECT_EQ(project.Revision(), 5u);
    EXPECT_EQ(told, (std::vector<unsigned>{ProjectPart::Requirements, ProjectPart::Requirements,
                                           ProjectPart::Recommendation, ProjectPart::Recommendation,
                                           ProjectPart::Gas}));
    project.Undo();
    EXPECT_EQ(state.Gas, GasSettings{});
    project.Undo();
    EXPECT_EQ(project.Sizing().Recommendation->V0.value(), 6);
    project.Undo();
    EXPECT_FALSE(project.Sizing().Recommendation);
    EXPECT_EQ(project.Sizing().Requirements.MinPressure.value(), 65);
    project.Undo();
    EXPECT_EQ(project.Sizing(), ProjectSizing{});
}

TEST_F(ProjectTest, ResultsBelongToTheInputsTheyCameFrom) {
    EXPECT_FALSE(project.ResultsCurrent());
    LoadExampleCircuit(state);
    project.Edited(ProjectPart::Inputs, "Esempio");
    Type(state.Data.Qp, 31, "dati");
    EXPECT_EQ(project.Stage(), ProjectStage::Data);
    const uint64_t revision = project.Revision();
    ASSERT_EQ(shown.Run(state), RunOutcome::Completed);
    project.ResultsComputed();
    // A run reads the project and changes none of it.
    ASSERT_TRUE(project.Results());
    EXPECT_EQ(project.Results()->revision, revision);
    EXPECT_FALSE(project.Results()->fromFile);
    EXPECT_EQ(told.back(), ProjectPart::Results);
    EXPECT_EQ(project.Stage(), ProjectStage::Results);
    project.Undo();
    EXPECT_EQ(state.Data.Qp, 30);
    EXPECT_FALSE(project.ResultsCurrent());
    EXPECT_EQ(project.Stage(), ProjectStage::Results);  // still there, out of date
    project.Redo();
    EXPECT_TRUE(project.ResultsCurrent());

    // Any input makes them stale; going back makes them current again.
    const uint64_t ran = project.Fingerprint();
    auto changes = [&](auto change) {
        change();
        project.Edited(ProjectPart::Inputs, "x");
        const bool stale = !project.ResultsCurrent() && project.Fingerprint() != ran;
        project.Undo();
        return stale && project.ResultsCurrent();
    };
    EXPECT_TRUE(changes([&] { state.Data.CycleTime = 5; }));
    EXPECT_TRUE(changes([&] { state.Movements[5].Kind = 1; }));
    EXPECT_TRUE(changes([&] { state.Movements[3].Qm = 1; }));
    EXPECT_TRUE(changes([&] { state.MovementCount = 4; }));
    EXPECT_TRUE(changes([&] { state.Gas.Tau = 45; }));
    EXPECT_TRUE(changes([&] { state.Gas.MaxTemp = 0; }));
    ProjectSnapshot signedZero = project.Snapshot();
    signedZero.movements[0].Ti = -0.0f;
    EXPECT_EQ(InputsFingerprint(signedZero), ran);
    // The requirements are not an input of a run.
    sizing::Requirements q;
    q.MinPressure = GaugeBar(60);
    project.SetRequirements(q);
    EXPECT_TRUE(project.ResultsCurrent());

    project.ResultsRead();
    EXPECT_TRUE(project.Results()->fromFile);
    state.LastPoint = 1;
    state.PSeries = {80, 79.5};
    ASSERT_TRUE(ReplaceWithExample());
    // Left over, the results are not the example's: it is data alone.
    EXPECT_TRUE(project.Results()->carried);
    EXPECT_EQ(project.Stage(), ProjectStage::Data);
    ASSERT_TRUE(project.Replace("Nuovo", [&] {
        ResetCircuit(state);
        return Done{};
    }));
    EXPECT_FALSE(project.Results());
    EXPECT_EQ(project.Stage(), ProjectStage::Empty);
    project.Undo();
    // Undoing the replacement brings the results back with the work, redoing
    // it takes them away again.
    project.Undo();
    EXPECT_TRUE(project.ResultsCurrent() && project.Results()->fromFile);
    EXPECT_EQ(state.LastPoint, 1);
    EXPECT_EQ(state.PSeries, (std::vector<double>{80, 79.5}));
    project.Redo();
    project.Redo();
    EXPECT_FALSE(project.Results());
    EXPECT_EQ(state.LastPoint, 0);
}

// What is typed into a box as no number belongs to the project: it stops
// what reads the data, naming the box; it moves and goes with its movement,
// is undone with the typing, and no replacement keeps it.
TEST_F(ProjectTest, DraftsAreWorkOfTheProject) {
    LoadExampleCircuit(state);
    project.Edited(ProjectPart::Inputs, "Esempio");
    const DraftKey qp{DraftKey::Place::InitialData, 0, 3}, tf3{DraftKey::Place::Movement, 3, 1};
    project.SetDraft(tf3, "1,x");
    project.Edited(ProjectPart::Movements, "Tf 3", true);
    project.SetDraft(qp, "2x5");
    project.Edited(ProjectPart::Data, "Qp", true);
    EXPECT_EQ(project.FirstDraft(), std::pair(qp, std::string("2x5")));
    // Each box named as its window labels it, a movement's first (Ti) under
    // its own field, a sizing box by its own name; the duty's load and
    // efficiency, refused for their range too, each with its own.
    const std::pair<DraftKey, std::string> named[] = {
        {{DraftKey::Place::Movement, 2, kLoadField}, "Carico del movimento 2 è \"-1\", fuori dal"},
        {{DraftKey::Place::Movement, 2, kLoadField + 1},
         "η del movimento 2 è \"-1\", fuori dal suo campo: il rendimento deve essere oltre 0"},
        {{DraftKey::Place::Movement, 2, MovementField(&Movement::Ti)}, "Ti del movimento 2"},
        {{DraftKey::Place::Catalogue, 2, 6}, "cicli nominali alla riga 2 del catalogo"},
        {{DraftKey::Place::Requirements, 0, kRequirementDraftFields - 3},
         "tempo di mantenimento (Dimensionamento)"},
    };
    for (const auto& [key, said] : named) {
        EXPECT_EQ(
            ItalianText(DraftMessage(key, "-1", DraftStops::Save)).rfind("Il valore di " + said, 0),
            0u);
    }
    // Typing that comes back to where it started leaves no step.
    project.SetDraft(qp, std::nullopt);
    project.Edited(ProjectPart::Data, "Qp", true);
    EXPECT_EQ(project.FirstDraft()->first, tf3);
    project.Undo();
    EXPECT_EQ(project.Draft(tf3), std::nullopt);

    project.Redo();
    std::vector<MovementEdit> followed;
    project.Listen([&](unsigned) {
        if (project.LastMovementEdit()) followed.push_back(*project.LastMovementEdit());
    });
    state.MovementCount = 2;  // a draft past the list's end is no box at all
    EXPECT_EQ(project.FirstDraft(), std::nullopt);
    state.MovementCount = 4;  // the draft's movement removed: the draft goes with it
    project.MovementsEdited({MovementEdit::Change::Removed, 3, 1});
    ASSERT_EQ(followed.size(), 1u);
    EXPECT_EQ(followed[0].change, MovementEdit::Change::Removed);
    EXPECT_EQ(project.LastMovementEdit(), std::nullopt);
    EXPECT_TRUE(project.AllDrafts().empty());
    project.Undo();
    ASSERT_EQ(project.AllDrafts().size(), 1u);
    ASSERT_TRUE(ReplaceWithExample());
    EXPECT_TRUE(project.AllDrafts().empty());

    // A design applied: its values in the boxes, whatever was typed there,
    // its vessels and p1 with them, as one step.
    for (int16_t box : {0, 1, 2}) project.SetDraft({DraftKey::Place::InitialData, 0, box}, "x");
    project.SetDraft(qp, "2x5");
    project.Edited(ProjectPart::Data, "Qp", true);
    sizing::Design design{Dm3(16), GaugeBar(48.1), Dm3PerMin(35), 1, {}, 0};
    design.Count = 2;
    project.ApplyDesign(design, 60);
    EXPECT_EQ(std::tuple(state.Data.V0, state.Data.P0, state.Data.Qp, state.Gas.Vessels.Count,
                         state.ChartMinPressure),
              std::tuple(16.0f, 48.1f, 35.0f, 2, std::optional(60.0)));
    EXPECT_EQ(project.FirstDraft()->first.field, 2);  // tc was not applied
    project.Undo();
    EXPECT_EQ(std::tuple(state.Data.V0, state.Gas.Vessels.Count, state.ChartMinPressure),
              std::tuple(10.0f, 1, std::optional<double>()));
    EXPECT_EQ(project.Draft(qp), "2x5");
}

// A draft goes with its movement when rows move, come in before it or go;
// the list's first and last boxes hold drafts, the catalogue's stay put.
TEST_F(ProjectTest, DraftsTravelWithTheirMovements) {
    state.MovementCount = 7;
    const DraftKey cell{DraftKey::Place::Catalogue, 4, 1};
    auto box = [](int k) {
        return DraftKey{DraftKey::Place::Movement, static_cast<int16_t>(k), 1};
    };
    // The draft in each slot 0..9 (its slot before the change), then the catalogue cell's.
    auto slots = [&](const std::function<void()>& change) {
        for (int k = 0; k <= 9; ++k)
            project.SetDraft(box(k), k <= 7 ? std::optional(std::to_string(k)) : std::nullopt);
        project.SetDraft(cell, "c");
        change();
        std::string at;
        for (int k = 0; k <= 9; ++k) at += project.Draft(box(k)).value_or("-");
        return at + project.Draft(cell).value_or("-");
    };
    using Change = MovementEdit::Change;
    EXPECT_EQ(slots([&] { project.MoveMovementDrafts(3, 4, -1); }), "01342567--c");
    EXPECT_EQ(slots([&] { project.MoveMovementDrafts(3, 4, +1); }), "01253467--c");
    EXPECT_EQ(slots([&] { project.MovementsEdited({Change::Inserted, 3, 2}); }), "012--34567c");
    EXPECT_EQ(slots([&] { project.MovementsEdited({Change::Removed, 3, 2}); }), "012567----c");
    // The first and the last movement's boxes are seen.
    for (int k : {1, 7}) {
        slots([&] {
            for (int j = 0; j <= 7; ++j)
                if (j != k) project.SetDraft(box(j), std::nullopt);
        });
        EXPECT_EQ(project.FirstDraft()->first, box(k));
    }
}

// Points go by the order they were written in, whatever the clock says
// (here one set years ahead) or however long the sequence grows; the last
// few are kept, and with them the points of a session that ended without
// closing, each until it is opened or discarded (the newest of them up to a
// cap), and those of a session still running.
TEST_F(ProjectTest, RecoveryPointsKeepTheNewestFew) {
    const fs::path folder = dir / "recovery";
    // Each point's time and owner, newest first: Ended, This, Running, Interrupted.
    auto owners = [](const std::vector<RecoveryPoint>& points) {
        std::string out;
        for (const RecoveryPoint& p : points)
            out += std::to_string(p.time) + "ETRI"[static_cast<int>(p.owner)] + ' ';
        return out;
    };
    // Points of the project written at these times, the one at 50 with a file's name.
    auto save = [&](RecoveryStore& store, std::initializer_list<std::time_t> times) {
        bool saved = true;
        for (std::time_t t : times)
            saved =
                saved && !Failure(store.Save(project.Snapshot(), t, t == 50 ? "ciclo.vlz" : ""));
        return saved;
    };
    LoadExampleCircuit(state);
    project.Edited(ProjectPart::Inputs, "Esempio");
    project.SetGas({.Law = GasLawKind::Nitrogen, .Tau = 45, .MinTemp = {}, .MaxTemp = {}});
    project.SetRecommendation(sizing::Design{Dm3(10), GaugeBar(49.7), Dm3PerMin(30), 1, {}, 0});
    // What was typed into boxes as no number is kept with the work.
    project.SetDraft({DraftKey::Place::Movement, 2, kFlowField}, "3,2x");
    project.SetDraft({DraftKey::Place::InitialData, 0, 6}, "4,7 s");
    project.SetDraft({DraftKey::Place::Catalogue, 18, 6}, "2e6x");
    project.Edited(ProjectPart::Movements, "bozza");
    // A session still running, and one that crashes after one point.
    RecoveryStore running(folder.string());
    running.Begin();
    auto marks = [&] {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.path().extension() == ".lock") names.insert(entry.path().filename());
        return names;
    };
    {
        RecoveryStore idle(folder.string());  // crashes before its first point
        idle.Begin();
        RecoveryStore crashed(folder.string());
        crashed.Begin();
        ASSERT_TRUE(save(crashed, {50, 55, 58}) && save(running, {60}));
        RecoveryStore store(folder.string(), 3);
        store.Begin();
        ASSERT_TRUE(save(store, {100, 9999999999, 200, 300}));
        // An earlier version's point, and files that are none.
        std::ofstream(folder / "recupero-000000000900-0000-m5.vlzp")
            << SnapshotText(project.Snapshot());
        for (const char* name :
             {"recupero-x.vlzp", "recupero-000000000900-0000-m5.vlz", "recupero-900-0-m5.vlzp",
              "recupero-18446744073709551615-000000000900-0123456789abcdef-m5.vlzp",
              "sessione-appunti.txt", "appunti.lock"}) {
            std::ofstream(folder / name) << "not ours";
        }
        EXPECT_EQ(owners(store.List()), "300T 200T 9999999999T 60R 58R 55R 50R 900E ");
        store.End();
        // The crash: its mark stays, unlocked.
    }
    const std::set<std::string> before = marks();
    RecoveryStore store(folder.string(), 3);
    store.Begin();
    // The marks of crashes that left no point go; what only looks half like one stays.
    std::set<std::string> gone;
    std::ranges::set_difference(before, marks(), std::inserter(gone, gone.end()));
    EXPECT_EQ(gone.size(), 1u);
    EXPECT_TRUE(fs::exists(folder / "sessione-appunti.txt") && fs::exists(folder / "appunti.lock"));
    ASSERT_TRUE(save(store, {400}));
    auto points = store.List();
    ASSERT_EQ(owners(points), "400T 300E 200E 60R 58I 55I 50I ");
    EXPECT_EQ(points[0].movements, 5);
    ProjectSnapshot back;
    std::string design;
    ASSERT_EQ(Failure(store.Load(points[6], back, &design)), std::nullopt);
    EXPECT_EQ(back, project.Snapshot());
    EXPECT_EQ(design, "ciclo.vlz");

    // Opened, an interrupted session's point becomes one of this session's
    // and makes way like them; its session's others wait. Discarded, a point goes.
    store.Opened(points[6]);
    store.Discard(points[3]);
    ASSERT_TRUE(save(store, {500}));
    EXPECT_EQ(owners(store.List()), "500T 400T 300E 58I 55I ");
    // Beyond the cap, an interrupted session's oldest points go. A point
    // numbered past ten digits leaves the next ones listed and in order.
    std::ofstream(folder / "recupero-9999999999-000000000700-0123456789abcdef-m5.vlzp")
        << SnapshotText(project.Snapshot());
    {
        RecoveryStore capped(folder.string(), 3, 1);
        capped.Begin();
        ASSERT_TRUE(save(capped, {800}));
        EXPECT_EQ(owners(capped.List()), "800T 700E 500R 400R 300E 58I ");
        capped.End();
    }

    ResetCircuit(state);
    project.Edited(ProjectPart::Inputs, "Nuovo");
    project.Open(back, "Recupera");
    project.Open(back, "Recupera");  // a step of its own, as every replacement
    EXPECT_EQ(project.Snapshot(), back);
    project.Undo();
    EXPECT_EQ(project.Snapshot(), back);
    EXPECT_EQ(state.MovementCount, 5);
    EXPECT_EQ(state.LastPoint, 0);
    // Its drafts came with it; the next replacement takes them away.
    ASSERT_TRUE(ReplaceWithExample());
    EXPECT_TRUE(project.AllDrafts().empty());

    std::ofstream(store.List()[2].path) << "{}";
    EXPECT_TRUE(Failure(store.Load(store.List()[2], back)));

    // Drafts that do not read as a box's, in a point written by hand, are
    // left out; the last box of each kind is one.
    const std::string path = Path("bozze.vlzp");
    std::ofstream(path) << R"({"recupero_bozze": [[4,0,0,"a"], [-1,0,0,"a"], [1,-1,0,"a"],
        [1,1001,0,"a"], [0,0,-1,"a"], [1,1,19,"a"], [2,0,12,"a"], [3,1,7,"a"], ["0",0,0,"a"],
        [0,"0",0,"a"], [0,0,"0","a"], [0,0,0,0], [0,0,0], {}, {"a":0,"b":0,"c":0,"d":0}, 5,
        [0,0,0,"v"], [1,1000,18,"m"], [2,0,11,"r"], [3,1,6,"c"]],)"
                        << SnapshotText(project.Snapshot()).substr(1);
    RecoveryPoint byHand;
    byHand.path = path;
    ASSERT_EQ(Failure(store.Load(byHand, back)), std::nullopt);
    EXPECT_EQ(back.drafts, (Drafts{{{DraftKey::Place::InitialData, 0, 0}, "v"},
                                   {{DraftKey::Place::Movement, 1000, 18}, "m"},
                                   {{DraftKey::Place::Requirements, 0, 11}, "r"},
                                   {{DraftKey::Place::Catalogue, 1, 6}, "c"}}));

    // The last of a crashed session's points discarded, its mark goes.
    store.Discard(store.List().back());
    EXPECT_FALSE(fs::exists(folder / ("sessione-" + points[6].session + ".lock")));
}

// A design comes from either format; what the other cannot hold is named.
TEST_F(ProjectTest, DesignsMoveBetweenTheFormats) {
    const std::string vlz = Path("a.vlz"), vlzp = Path("a.VLZP");
    LoadExampleCircuit(state);
    state.LastPoint = 1;
    ProjectSizing sizing;
    sizing.Recommendation = sizing::Design{Dm3(10), GaugeBar(49.7), Dm3PerMin(30), 1, {}, 0};
    std::vector<Message> notes;
    ASSERT_EQ(Failure(SaveDesign(state, sizing, vlzp, notes)), std::nullopt);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_NE(ItalianText(notes[0]).find("non conserva i risultati"), std::string::npos);
    state.Gas.Law = GasLawKind::Ideal;
    notes.clear();
    ASSERT_EQ(Failure(SaveDesign(state, sizing, vlz, notes)), std::nullopt);
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_NE(ItalianText(notes[0]).find("legge del gas"), std::string::npos);
    EXPECT_NE(ItalianText(notes[1]).find("requisiti"), std::string::npos);
    state.Movements[1].Duty.Required = 80;  // the first movement's duty, said too
    ASSERT_EQ(Failure(SaveDesign(state, sizing, vlz, notes)), std::nullopt);
    EXPECT_NE(ItalianText(notes.at(3)).find("non conserva i carichi"), std::string::npos);
    state.Movements[1].Duty = {};

    ProjectSizing read;
    ASSERT_EQ(Failure(LoadDesign(state, read, vlzp)), std::nullopt);
    EXPECT_EQ(read, sizing);
    EXPECT_EQ(state.Gas, GasSettings{});
    state.Gas.Law = GasLawKind::Ideal;
    ASSERT_EQ(Failure(LoadDesign(state, read, vlz)), std::nullopt);
    EXPECT_EQ(read, ProjectSizing{});
    EXPECT_EQ(state.Gas.Law, GasLawKind::Ideal);  // a .vlz does not hold it
    state.LastPoint = 0;
    notes.clear();
    ASSERT_EQ(Failure(SaveDesign(state, read, vlzp, notes)), std::nullopt);
    ASSERT_EQ(Failure(SaveDesign(state, read, vlz, notes)), std::nullopt);
    EXPECT_EQ(notes.size(), 1u);
    EXPECT_TRUE(IsProjectPath(".vlzp") && !IsProjectPath("p"));
}

}  // namespace
}  // namespace volvenza
