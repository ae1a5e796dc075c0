// The project: one history for every change and replacement, listeners
// told what changed, results that know whether they still belong to the
// data, and designs read and written in either format.

#include <gtest/gtest.h>

#include "documents/DesignFile.h"
#include "documents/Project.h"
#include "tests/support/Failure.h"
#include "tests/support/Files.h"
#include "tests/support/RecordedRun.h"

namespace volvenza {

using test::Failure;
namespace {

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
}

// Joining stops at an undo and at a run.
TEST_F(ProjectTest, TypingJoinsUntilAnUndoOrARun) {
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
         "η del movimento 2 è \"-1\", fuori dal suo campo: il rendimento deve essere più di 0"},
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
    // An emptied box lacks its figure; it holds no text to quote.
    EXPECT_EQ(ItalianText(DraftMessage(named[4].first, " ", DraftStops::Run)),
              "Il valore di tempo di mantenimento (Dimensionamento) manca: la simulazione non può "
              "partire. Scriverlo o annullare con Ctrl+Z.");
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
    EXPECT_TRUE(IsProjectPath(".vlzp") && !IsProjectPath("p") && !IsProjectPath("avlzp"));
    // A file opened by name: its own, else named by what its text is.
    EXPECT_EQ(DesignFileName("C:\\a\\Press.VLZP", "1"), "Press.vlzp");
    EXPECT_EQ(DesignFileName("", " \n{}") + DesignFileName("..x", "{"), "progetto.vlzpx.vlzp");
    EXPECT_EQ(DesignFileName("x.txt", "3") + DesignBaseName("/d/a.b.vlz"), "x.txt.vlza.b");
}

}  // namespace
}  // namespace volvenza
