#pragma once
// The whole of the user's work in one place: the initial data and movements
// (held in the program's CircuitState, which the engine runs on), the gas
// law and envelope, the sizing requirements and the last recommendation.
// Every change is reported here: it raises the revision, becomes a step of
// the one undo history and is told to the listeners. Results remember the
// inputs they came from, so a window can tell whether what it shows still
// belongs to the data.

#include <array>
#include <cstdint>
#include <ctime>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "documents/MovementEdit.h"
#include "documents/ProjectFile.h"
#include "messages/Message.h"
#include "messages/Result.h"
#include "sizing/CatalogueForm.h"
#include "sizing/RequirementForm.h"

namespace volvenza {

// What a change touched; listeners get them or-ed together.
namespace ProjectPart {
inline constexpr unsigned Data = 1;             // the seven initial values
inline constexpr unsigned Movements = 2;        // the movement list
inline constexpr unsigned Gas = 4;              // the gas law and the envelope
inline constexpr unsigned Requirements = 8;     // the sizing requirements
inline constexpr unsigned Recommendation = 16;  // the last recommendation
inline constexpr unsigned Results = 32;         // a run, or results read from a file
inline constexpr unsigned Replaced = 64;        // Nuovo, Esempio, Apri, undo, a recovery point
inline constexpr unsigned History = 128;        // an undo or a redo
inline constexpr unsigned Inputs = Data | Movements | Gas;
inline constexpr unsigned All = 127;
}  // namespace ProjectPart

// A box of a window, for the text typed into it that is not a number: the
// initial value (its place in CircuitData), a movement's field (its place
// in Movement: Ti 0, Tf 1, ... RotationAngle 13, Qm 14, then the duty's load
// 15, efficiency 16, loss 17 and typed required pressure 18), a sizing
// requirement (RequirementBox) or a cell of the catalogue (its column).
struct DraftKey {
    enum class Place : int16_t { InitialData, Movement, Requirements, Catalogue };
    Place place = Place::InitialData;
    int16_t movement = 0;  // the slot of a movement's box, the catalogue's row from 1
    int16_t field = 0;

    auto operator<=>(const DraftKey&) const = default;
};
inline constexpr int16_t kFlowField = 14;
inline constexpr int16_t kLoadField = 15;
inline constexpr int16_t kLastMovementField = 18;
// The catalogue's columns (sizing/CatalogueForm.h).
inline constexpr int16_t kCatalogueDraftColumns =
    static_cast<int16_t>(sizing::kCatalogueColumnCount);
// The sizing window's boxes of one value (or list) each, in its order,
// then the hold's.
using sizing::RequirementBox;
inline constexpr int16_t kRequirementDraftFields =
    static_cast<int16_t>(static_cast<size_t>(RequirementBox::Count) + sizing::kHoldBoxCount);
// The place of a movement's field of single precision in Movement.
int16_t MovementField(float Movement::*field);

// Texts typed into boxes that are not numbers, kept as typed until a number
// replaces them. While one is there, nothing that reads the data goes on.
using Drafts = std::map<DraftKey, std::string>;

// What a draft stops.
enum class DraftStops { Run, Sizing, Save, Export };
// The message that stops it: the box named, with its text.
Message DraftMessage(const DraftKey& key, const std::string& text, DraftStops stops);
// The same for a catalogue cell, its row and text given as parts: the
// browser's core words it with placeholders the page fills in.
Message CatalogueDraftMessage(int16_t column, MessagePart row, MessagePart text, DraftStops stops);

// The initial values a recommended design sets (V0, P0, Qp: their places
// in CircuitData), whose boxes then show them whatever was typed there.
inline constexpr std::array<int16_t, 3> kAppliedData{0, 1, 3};
// A recommended design as Applica puts it into the data: V0, P0 and Qp, its
// vessels into the gas settings, the p1 it was found for onto the chart.
void ApplyDesign(CircuitState& state, const sizing::Design& design, double p1);

// Where the project stands, for the commands that need data or results.
enum class ProjectStage { Empty, Data, Results };

// Everything the user typed or chose, as one value: an undo step and a
// recovery point are one of these.
struct ProjectSnapshot {
    CircuitData data;
    std::vector<Movement> movements;  // 1..MovementCount
    GasSettings gas;
    ProjectSizing sizing;
    // The p1 of the sizing last applied (CircuitState::ChartMinPressure).
    std::optional<double> appliedP1;
    Drafts drafts;

    bool operator==(const ProjectSnapshot&) const = default;
};

// A fingerprint of what a run is computed from: data, movements, gas law.
uint64_t InputsFingerprint(const ProjectSnapshot& snapshot);

// Where the results in the state come from.
struct ResultsOrigin {
    uint64_t revision = 0;
    uint64_t inputs = 0;    // InputsFingerprint of the run's inputs
    GasSettings gas;        // the law and envelope that produced them
    bool fromFile = false;  // read from a .vlz, whose format does not record the law
    // Left over from the work a replacement took away (Esempio writes only
    // its own fields): still shown, but not the project's.
    bool carried = false;
};

class Project {
  public:
    using Listener = std::function<void(unsigned parts)>;

    // Over the program's one state, taking what it holds as the start.
    explicit Project(CircuitState& state);
    Project(const Project&) = delete;
    Project& operator=(const Project&) = delete;

    CircuitState& State() { return state_; }
    const CircuitState& State() const { return state_; }

    // Raised by every change; never goes back, not even on undo.
    uint64_t Revision() const { return revision_; }
    // Of the inputs as they now stand.
    uint64_t Fingerprint() const { return InputsFingerprint(current_); }
    ProjectSnapshot Snapshot() const { return current_; }

    const ProjectSizing& Sizing() const { return current_.sizing; }
    // With `label`, typing into one box is one step, as in Edited.
    void SetRequirements(const sizing::Requirements& requirements,
                         const std::string& label = "requisiti");
    void SetRecommendation(const std::optional<sizing::Design>& recommendation);
    void SetGas(const GasSettings& gas);
    // The recommended V0, P0 and Qp into the initial data, its vessels into
    // the gas settings and the p1 it was found for onto the chart: one step.
    void ApplyDesign(const sizing::Design& design, double p1);

    // The text of a box that is not a number, or none once it is one again;
    // taken with the next Edited.
    void SetDraft(const DraftKey& key, const std::optional<std::string>& text);
    std::optional<std::string> Draft(const DraftKey& key) const;
    const Drafts& AllDrafts() const { return drafts_; }
    // The first draft of the initial data, then of the movements in order.
    std::optional<std::pair<DraftKey, std::string>> FirstDraft() const;
    // Movements first..last moved by one place (-1 up, +1 down): their drafts go with them.
    void MoveMovementDrafts(int first, int last, int delta);

    ProjectStage Stage() const;

    // A window changed the state's data or movements in place: one step,
    // unless nothing differs. With `join`, it joins the step before when
    // that was an edit of the same label and parts (typing into one box).
    void Edited(unsigned parts, const std::string& label, bool join = false);
    // A window edited the movement list in the state: a step, told to the
    // listeners with the edit (LastMovementEdit while they are told), so that
    // the other windows over the list follow it.
    void MovementsEdited(const MovementEdit& edit);
    const std::optional<MovementEdit>& LastMovementEdit() const { return lastEdit_; }
    // The next edit of the movements belongs to the same command as the one before.
    void JoinNextEdit() { joinNext_ = true; }

    // Nuovo, Esempio, Apri: `load` fills the state, or fails with its
    // message and leaves the project as it was; what was there before
    // becomes an undo step and is handed to the replacement listener (for
    // a recovery point).
    Status Replace(const std::string& label, const std::function<Status()>& load,
                   const ProjectSizing& sizing = ProjectSizing{});
    // Puts a snapshot in place as a replacement without results (a recovery
    // point).
    void Open(const ProjectSnapshot& snapshot, const std::string& label);

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    void Undo();
    void Redo();

    // The results now in the state came from a run of the current inputs,
    // or were read from a simulation file with them.
    void ResultsComputed();
    void ResultsRead();
    const std::optional<ResultsOrigin>& Results() const { return results_; }
    // Whether there are results and they belong to the current inputs.
    bool ResultsCurrent() const { return results_ && results_->inputs == Fingerprint(); }

    void Listen(Listener listener);
    // Told the work a replacement (or undo over one) is about to drop.
    void OnReplacing(std::function<void(const ProjectSnapshot&)> listener) {
        replacing_ = std::move(listener);
    }

    // At most this many steps are kept to undo.
    static constexpr size_t kMaxUndoSteps = 100;

  private:
    // What a run left in the state, kept by a replacement's step so that
    // undoing it brings back the results with the work.
    struct KeptResults {
        int32_t pointCapacity = 1;
        int16_t lastPoint = 0;
        double prechargeAtTemp = 0;
        std::vector<double> qt, qs, p, v, dv;
        GasResults gasRun;
        std::optional<ResultsOrigin> origin;
    };
    struct HistoryStep {
        ProjectSnapshot before;
        std::string label;
        unsigned parts;
        std::shared_ptr<const KeptResults> results;  // replacements only
    };
    std::shared_ptr<const KeptResults> KeepResults() const;
    void RestoreResults(const KeptResults& kept);
    ProjectSnapshot Read() const;
    void Write(const ProjectSnapshot& snapshot);
    void Commit(ProjectSnapshot next, unsigned parts, const std::string& label, bool join,
                std::shared_ptr<const KeptResults> results = nullptr);
    // Undo and redo: the newest step of `from` goes back, the present onto `to`.
    void Step(std::vector<HistoryStep>& from, std::vector<HistoryStep>& to);
    void Tell(unsigned parts);

    CircuitState& state_;
    ProjectSnapshot current_;
    uint64_t revision_ = 0;
    std::vector<HistoryStep> undo_;
    std::vector<HistoryStep> redo_;
    std::optional<ResultsOrigin> results_;
    // The newest step may take in the next change of its label.
    bool joinable_ = false;
    std::vector<Listener> listeners_;
    Drafts drafts_;
    std::optional<MovementEdit> lastEdit_;
    bool joinNext_ = false;
    bool opening_ = false;
    std::function<void(const ProjectSnapshot&)> replacing_;
};

// The text of a project file holding the snapshot.
std::string SnapshotText(const ProjectSnapshot& snapshot);
// The snapshot of a project file's text; the message on failure.
Status ReadSnapshot(ProjectSnapshot& snapshot, const std::string& text,
                    const std::string& fileName);

// A recovery point: a project file in the recovery folder.
struct RecoveryPoint {
    // Whose point it is: a session that ended by closing, this one, another
    // one still running, or one that ended without closing (a crash).
    enum class Owner { Ended, This, Running, Interrupted };

    std::string path;
    uint64_t sequence = 0;  // the order the points were written in
    std::time_t time = 0;   // the clock when written, only to be shown
    int movements = 0;
    std::string session;  // empty for a point written before sessions were named
    Owner owner = Owner::Ended;
};

// The last few projects, saved without asking, newest first. Points are
// ordered by a sequence number, not by a clock that may be set back. Those
// of a session that ended without closing are kept, beyond the last few,
// until each is opened or discarded, up to `keepInterrupted` of them (the
// oldest go first).
class RecoveryStore {
  public:
    explicit RecoveryStore(std::string folder, size_t keep = 10, size_t keepInterrupted = 50);
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    // While this session runs, a lock in the folder says so; a session that
    // ends without End (a crash) leaves its mark unlocked, and its points
    // are kept.
    void Begin();
    void End();

    // Writes the snapshot as the newest point, with the name of the design's
    // file, and drops the ordinary points beyond `keep`; the message on failure.
    Status Save(const ProjectSnapshot& snapshot, std::time_t now, const std::string& design = {});
    std::vector<RecoveryPoint> List() const;
    // The snapshot, and the name of the design's file when asked.
    Status Load(const RecoveryPoint& point, ProjectSnapshot& snapshot,
                std::string* design = nullptr) const;
    // A point of an interrupted session was opened: it becomes one of this
    // session's. A discarded point is removed. The session's mark goes with
    // its last point.
    void Opened(const RecoveryPoint& point);
    void Discard(const RecoveryPoint& point);

  private:
    std::string MarkOf(const std::string& session) const;
    void ForgetIfDone(const std::string& session);

    std::string folder_;
    size_t keep_;
    size_t keepInterrupted_;
    std::string session_;
    int lock_ = -1;
};

}  // namespace volvenza
