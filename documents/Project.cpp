#include "documents/Project.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>

#include "documents/PastedMovements.h"
#include "documents/ProjectJson.h"
#include "engine/CircuitData.h"
#include "engine/MovementKinds.h"
#include "messages/WindowWords.h"
#include "numbers/NumberText.h"

namespace volvenza {
namespace {

// FNV-1a over the values field by field, so padding never counts and a
// zero is a zero whatever its sign.
class Hash {
  public:
    // Any one value for both zeros serves.
    void Add(double value) {
        const double same = value == 0 ? 0.0 : value;
        uint64_t bits = 0;
        std::memcpy(&bits, &same, sizeof bits);
        Bytes(bits);
    }
    void Add(float value) { Add(static_cast<double>(value)); }
    void Add(int64_t value) { Bytes(static_cast<uint64_t>(value)); }
    void Add(const std::optional<double>& value) {
        Add(int64_t{value.has_value()});
        if (value) Add(*value);
    }
    uint64_t Value() const { return hash_; }

  private:
    void Bytes(uint64_t word) {
        // Another walk over the bytes is another hash, as good.
        for (int i = 0; i < 8; ++i) {
            hash_ ^= (word >> (8 * i)) & 0xff;
            hash_ *= 0x100000001b3ULL;
        }
    }
    uint64_t hash_ = 0xcbf29ce484222325ULL;
};

bool IsEmpty(const ProjectSnapshot& snapshot) {
    return snapshot.movements.empty() && snapshot.data == CircuitData{};
}

}  // namespace

using project_file::kMovementFields;
static_assert(kMovementFields.size() == kFlowField);

int16_t MovementField(float Movement::*field) {
    for (size_t i = 0; i < kMovementFields.size(); ++i) {
        if (kMovementFields[i].member == field) return static_cast<int16_t>(i);
    }
    return kFlowField;
}

namespace {

// A column of the cycle table by its symbol: its header without the unit,
// or a header with none (a word) in the message's language.
MessagePart ColumnSymbol(int column) {
    const char* header = PasteColumnHeader(column);
    const std::string_view text = header;
    const size_t unit = text.find(" [");
    if (unit == std::string_view::npos) return MsgCatalogue(kCycleTableContext, header);
    return MsgVerbatim(std::string(text.substr(0, unit)));
}

// A movement's box as the windows label it: the symbol of the cycle table's
// column that holds the field, else the name the movement editor's page
// gives it. No window shows the second times, rod and stroke: a draft of
// theirs comes from a recovery file, named as that file names the field.
MessagePart MovementBoxName(int16_t field) {
    if (field >= kFlowField) {
        return ColumnSymbol(field == kFlowField ? PasteColumn::Flow
                                                : PasteColumn::Load + (field - kLoadField));
    }
    const auto member = kMovementFields.at(static_cast<size_t>(field)).member;
    for (int c = 0; c < PasteColumn::Count; ++c) {
        if (PasteColumnField(c) == member) return ColumnSymbol(c);
    }
    for (const ActuatorPage& page : kActuatorPages) {
        for (const SizeRow& row : page.rows) {
            if (row.name != nullptr && row.field == member) return MsgVerbatim(row.name);
        }
    }
    return MsgVerbatim(kMovementFields.at(static_cast<size_t>(field)).name);
}

constexpr MessageId kStopped[] = {MessageId::DraftStopsRun, MessageId::DraftStopsSizing,
                                  MessageId::DraftStopsSave, MessageId::DraftStopsExport};

}  // namespace

Message CatalogueDraftMessage(int16_t column, MessagePart row, MessagePart text, DraftStops stops) {
    const Message cell(
        MessageId::DraftCatalogueCell,
        {sizing::ColumnName(sizing::kCatalogueColumns.at(static_cast<size_t>(column))),
         std::move(row)});
    return Message(MessageId::DraftNotNumber, {MsgNested(cell), std::move(text),
                                               MsgNested(kStopped[static_cast<size_t>(stops)])});
}

Message DraftMessage(const DraftKey& key, const std::string& text, DraftStops stops) {
    if (key.place == DraftKey::Place::Catalogue) {
        return CatalogueDraftMessage(key.field, MsgInteger(key.movement), MsgVerbatim(text), stops);
    }
    // The boxes by the names the messages give them: the sizing form's its
    // own, the initial values' the engine's (which its own messages use),
    // the cycle time's the window's label in words.
    const auto at = static_cast<size_t>(key.field);
    const auto& requirements = sizing::kRequirementBoxes;
    Message box;
    if (key.place == DraftKey::Place::Requirements && at >= requirements.size()) {
        box = Message(MessageId::DraftRequirementBox,
                      {MsgNested(sizing::kHoldBoxes.at(at - requirements.size()).name)});
    } else if (key.place == DraftKey::Place::Requirements) {
        box = Message(MessageId::DraftRequirementBox, {MsgNested(requirements[at].name)});
    } else if (key.place == DraftKey::Place::Movement) {
        box = Message(MessageId::DraftMovementBox,
                      {MovementBoxName(key.field), MsgInteger(key.movement)});
    } else {
        box = Message(MessageId::DraftInitialBox,
                      {at < std::size(kInitialValueNames)
                           ? MsgVerbatim(kInitialValueNames[at].name)
                           : MsgCatalogue(kInitialContext, kInitialBoxes.back().name)});
    }
    // A duty's figure that is a number is refused for its range, which is said.
    const auto number = ParseNumber<double>(text);
    if (key.place == DraftKey::Place::Movement && key.field >= kLoadField && number &&
        std::isfinite(*number)) {
        constexpr MessageId ranges[] = {MessageId::DutyLoadRange, MessageId::DutyEfficiencyRange,
                                        MessageId::DutyLossRange, MessageId::DutyRequiredRange};
        return Message(MessageId::DraftOutOfRange,
                       {MsgNested(std::move(box)), MsgVerbatim(text),
                        MsgNested(ranges[static_cast<size_t>(key.field - kLoadField)]),
                        MsgNested(kStopped[static_cast<size_t>(stops)])});
    }
    // An emptied box is said to lack its figure, not to hold a text "".
    if (text.find_first_not_of(" \t") == std::string::npos) {
        return Message(MessageId::DraftEmpty, {MsgNested(std::move(box)),
                                               MsgNested(kStopped[static_cast<size_t>(stops)])});
    }
    return Message(MessageId::DraftNotNumber, {MsgNested(std::move(box)), MsgVerbatim(text),
                                               MsgNested(kStopped[static_cast<size_t>(stops)])});
}

uint64_t InputsFingerprint(const ProjectSnapshot& s) {
    Hash h;
    for (float v :
         {s.data.V0, s.data.P0, s.data.Tc, s.data.Qp, s.data.Pm, s.data.Dp, s.data.CycleTime}) {
        h.Add(v);
    }
    h.Add(static_cast<int64_t>(s.movements.size()));
    for (const Movement& m : s.movements) {
        for (float v :
             {m.Ti, m.Tf, m.Ti2, m.Tf2, m.BoreDiameter, m.Stroke, m.RodDiameter, m.RodDiameter2,
              m.Stroke1, m.Stroke2, m.Displacement, m.Speed, m.UnitDisplacement, m.RotationAngle}) {
            h.Add(v);
        }
        h.Add(m.Qm);
        h.Add(int64_t{m.Kind});
    }
    h.Add(static_cast<int64_t>(s.gas.Law));
    h.Add(s.gas.Exponent);
    h.Add(s.gas.Tau);
    h.Add(s.gas.ChargeTemp);
    h.Add(s.gas.MinTemp);
    h.Add(s.gas.MaxTemp);
    h.Add(static_cast<int64_t>(s.gas.Start));
    h.Add(static_cast<int64_t>(s.gas.Vessels.Count));
    h.Add(s.gas.Vessels.BottleVolume);
    h.Add(s.gas.Vessels.VolumetricEfficiency);
    return h.Value();
}

Project::Project(CircuitState& state) : state_(state) {
    current_ = Read();
}

ProjectSnapshot Project::Read() const {
    ProjectSnapshot s;
    s.data = state_.Data;
    const int count = std::clamp<int>(state_.MovementCount, 0, kMaxMovements);
    s.movements.assign(state_.Movements.begin() + 1, state_.Movements.begin() + 1 + count);
    s.gas = state_.Gas;
    s.appliedP1 = state_.ChartMinPressure;
    s.drafts = drafts_;
    s.sizing = current_.sizing;
    // The requirements are judged under the project's gas law, never another.
    s.sizing.Requirements.Gas = s.gas;
    return s;
}

void Project::Write(const ProjectSnapshot& s) {
    state_.Data = s.data;
    for (int k = 1; k <= kMaxMovements; ++k) state_.Movements[k] = Movement{};
    std::copy(s.movements.begin(), s.movements.end(), state_.Movements.begin() + 1);
    state_.MovementCount = state_.SimMovementCount = static_cast<int16_t>(s.movements.size());
    state_.Gas = s.gas;
    state_.ChartMinPressure = s.appliedP1;
    drafts_ = s.drafts;
}

void Project::Commit(ProjectSnapshot next, unsigned parts, const std::string& label, bool join,
                     std::shared_ptr<const KeptResults> results) {
    const bool merge = join && joinable_ && !undo_.empty() && undo_.back().label == label &&
                       undo_.back().parts == parts;
    // The next change may join this one; an undo or a run ends that.
    joinable_ = true;
    if (!merge) {
        undo_.push_back({current_, label, parts, std::move(results)});
        if (undo_.size() > kMaxUndoSteps) undo_.erase(undo_.begin());
    } else if (undo_.back().before == next) {
        // Typing that came back to where it started is no step to undo.
        undo_.pop_back();
        joinable_ = false;
    }
    redo_.clear();
    current_ = std::move(next);
    ++revision_;
    Tell(parts);
}

void Project::Tell(unsigned parts) {
    // A listener told may add another.
    const auto listeners = listeners_;
    for (const auto& listener : listeners) listener(parts);
}

void Project::Edited(unsigned parts, const std::string& label, bool join) {
    ProjectSnapshot next = Read();
    if (next == current_) return;
    Commit(std::move(next), parts, label, join);
}

void Project::MovementsEdited(const MovementEdit& edit) {
    // Drafts belong to their movements: they move with them, and go with them.
    if (edit.change != MovementEdit::Change::Edited) {
        const int by = edit.change == MovementEdit::Change::Inserted ? edit.count : -edit.count;
        Drafts moved;
        for (const auto& [key, text] : drafts_) {
            DraftKey at = key;
            if (key.place == DraftKey::Place::Movement && key.movement >= edit.first) {
                const bool removed = by < 0 && key.movement < edit.first - by;
                if (removed) continue;
                at.movement = static_cast<int16_t>(key.movement + by);
            }
            moved[at] = text;
        }
        drafts_ = std::move(moved);
    }
    const bool join = joinNext_ || edit.continues;
    joinNext_ = false;
    lastEdit_ = edit;
    Edited(ProjectPart::Movements, "movimenti", join);
    lastEdit_.reset();
}

void Project::MoveMovementDrafts(int first, int last, int delta) {
    // As MoveMovements moves the slots: the run first..last by delta, the
    // movement passed over to the run's other end.
    Drafts moved;
    for (const auto& [key, text] : drafts_) {
        DraftKey at = key;
        const int slot = key.movement;
        if (key.place == DraftKey::Place::Movement) {
            if (slot >= first && slot <= last) {
                at.movement = static_cast<int16_t>(slot + delta);
            } else if (slot == first + delta || slot == last + delta) {
                at.movement = static_cast<int16_t>(delta < 0 ? last : first);
            }
        }
        moved[at] = text;
    }
    drafts_ = std::move(moved);
}

void Project::SetDraft(const DraftKey& key, const std::optional<std::string>& text) {
    if (text) {
        drafts_[key] = *text;
    } else {
        drafts_.erase(key);
    }
}

std::optional<std::string> Project::Draft(const DraftKey& key) const {
    const auto found = drafts_.find(key);
    if (found == drafts_.end()) return std::nullopt;
    return found->second;
}

std::optional<std::pair<DraftKey, std::string>> Project::FirstDraft() const {
    // Only the movements of the list: a slot past its end is no box anyone sees.
    for (const auto& [key, text] : drafts_) {
        if (key.place == DraftKey::Place::Movement &&
            (key.movement < 1 || key.movement > state_.MovementCount)) {
            continue;
        }
        return std::pair{key, text};
    }
    return std::nullopt;
}

ProjectStage Project::Stage() const {
    if (results_ && !results_->carried) return ProjectStage::Results;
    return IsEmpty(current_) ? ProjectStage::Empty : ProjectStage::Data;
}

void ApplyDesign(CircuitState& state, const sizing::Design& design, double p1) {
    state.Data.V0 = static_cast<float>(design.V0.value());
    state.Data.P0 = static_cast<float>(design.P0.value());
    state.Data.Qp = static_cast<float>(design.Qp.value());
    // Accumulators in parallel and bottles go with the size they are of.
    state.Gas.Vessels.Count = design.Count;
    state.Gas.Vessels.BottleVolume = design.BottleVolume().value();
    // The chart marks the pressure the design was found for.
    state.ChartMinPressure = p1;
}

void Project::ApplyDesign(const sizing::Design& design, double p1) {
    volvenza::ApplyDesign(state_, design, p1);
    for (int16_t field : kAppliedData) drafts_.erase({DraftKey::Place::InitialData, 0, field});
    Edited(ProjectPart::Data | ProjectPart::Gas, "Applica");
}

void Project::SetRequirements(const sizing::Requirements& requirements, const std::string& label) {
    ProjectSnapshot next = Read();
    next.sizing.Requirements = requirements;
    next.sizing.Requirements.Gas = next.gas;
    if (next == current_) return;
    Commit(std::move(next), ProjectPart::Requirements, label, true);
}

void Project::SetRecommendation(const std::optional<sizing::Design>& recommendation) {
    ProjectSnapshot next = Read();
    next.sizing.Recommendation = recommendation;
    if (next == current_) return;
    Commit(std::move(next), ProjectPart::Recommendation, "raccomandazione", false);
}

void Project::SetGas(const GasSettings& gas) {
    state_.Gas = gas;
    Edited(ProjectPart::Gas, "gas");
}

Status Project::Replace(const std::string& label, const std::function<Status()>& load,
                        const ProjectSizing& sizing) {
    // Whatever the windows changed unreported is work too.
    ProjectSnapshot before = Read();
    auto results = KeepResults();
    if (Status loaded = load(); !loaded) return loaded;
    if (replacing_) replacing_(before);
    current_ = std::move(before);
    // A recovery point brings its own drafts; other work has none.
    if (!opening_) drafts_.clear();
    ProjectSnapshot next = Read();
    next.sizing = sizing;
    next.sizing.Requirements.Gas = next.gas;
    // Results the replacement left in place (Esempio writes only its own
    // fields) still say where they came from, and so show as out of date.
    if (state_.LastPoint == 0) {
        results_.reset();
    } else if (results_) {
        results_->carried = true;
    }
    Commit(std::move(next), ProjectPart::All, label, false, std::move(results));
    return Done{};
}

void Project::Open(const ProjectSnapshot& snapshot, const std::string& label) {
    opening_ = true;
    Replace(
        label,
        [&] {
            Write(snapshot);
            // A recovery point keeps no results: they come from the next run.
            state_.GasRun = GasResults{};
            state_.LastPoint = 0;
            ReallocateResults(state_, 1);
            return Done{};
        },
        snapshot.sizing);
    opening_ = false;
}

void Project::Undo() {
    Step(undo_, redo_);
}

void Project::Redo() {
    Step(redo_, undo_);
}

void Project::Step(std::vector<HistoryStep>& from, std::vector<HistoryStep>& to) {
    if (from.empty()) return;
    HistoryStep step = std::move(from.back());
    from.pop_back();
    if ((step.parts & ProjectPart::Replaced) != 0 && replacing_) replacing_(current_);
    to.push_back({current_, step.label, step.parts, step.results ? KeepResults() : nullptr});
    current_ = step.before;
    Write(current_);
    if (step.results) RestoreResults(*step.results);
    ++revision_;
    joinable_ = false;
    Tell(step.parts | ProjectPart::Replaced | ProjectPart::History);
}

std::shared_ptr<const Project::KeptResults> Project::KeepResults() const {
    return std::make_shared<const KeptResults>(KeptResults{
        state_.PointCapacity, state_.LastPoint, state_.PrechargeAtTemp, state_.QtSeries,
        state_.QsSeries, state_.PSeries, state_.VSeries, state_.DVSeries, state_.GasRun, results_});
}

void Project::RestoreResults(const KeptResults& kept) {
    state_.PointCapacity = kept.pointCapacity;
    state_.LastPoint = kept.lastPoint;
    state_.PrechargeAtTemp = kept.prechargeAtTemp;
    state_.QtSeries = kept.qt;
    state_.QsSeries = kept.qs;
    state_.PSeries = kept.p;
    state_.VSeries = kept.v;
    state_.DVSeries = kept.dv;
    state_.GasRun = kept.gasRun;
    results_ = kept.origin;
}

void Project::ResultsComputed() {
    joinable_ = false;
    results_ = ResultsOrigin{revision_, Fingerprint(), state_.Gas, false};
    Tell(ProjectPart::Results);
}

void Project::ResultsRead() {
    results_ = ResultsOrigin{revision_, Fingerprint(), state_.Gas, true};
    Tell(ProjectPart::Results);
}

void Project::Listen(Listener listener) {
    listeners_.push_back(std::move(listener));
}

}  // namespace volvenza
