#include "documents/Project.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <random>
#include <set>

#include "documents/AtomicFile.h"
#include "engine/CircuitData.h"

namespace volvenza {
namespace {

namespace fs = std::filesystem;

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

constexpr const char* kExtension = ".vlzp";
// The key under which a point keeps the name of its design's file.
constexpr const char* kDesignKey = "recupero_file";

// "recupero-SEQUENCE-TIME-SESSION-mCOUNT.vlzp", zero-padded so that names
// sort by sequence (up to ten digits; a longer sequence reads as well).
std::string PointName(unsigned long long sequence, long long time, const std::string& session,
                      int movements) {
    char name[96];
    std::snprintf(name, sizeof name, "recupero-%010llu-%012lld-%s-m%d%s", sequence, time,
                  session.c_str(), movements, kExtension);
    return name;
}

// The name points had before sessions: "recupero-TIME-SEQUENCE-mCOUNT.vlzp".
std::string EarlierPointName(long long time, unsigned sequence, int movements) {
    char name[80];
    std::snprintf(name, sizeof name, "recupero-%012lld-%04u-m%d%s", time, sequence, movements,
                  kExtension);
    return name;
}

// The highest sequence a point may have: the next is still one more, well
// before an unsigned long long wraps to 0. A name beyond it is no point.
constexpr unsigned long long kLastSequence = 999'999'999'999'999'999ULL;

std::optional<RecoveryPoint> PointOf(const fs::path& path) {
    // Written by sscanf before use.
    unsigned long long sequence = 0;
    unsigned earlier = 0;
    long long time = 0;
    int movements = 0;
    char session[17] = {};
    char tail[8] = {};
    const std::string name = path.filename().string();
    if (std::sscanf(name.c_str(), "recupero-%llu-%lld-%16[0-9a-f]-m%d%7s", &sequence, &time,
                    session, &movements, tail) == 5 &&
        sequence <= kLastSequence && name == PointName(sequence, time, session, movements)) {
        return RecoveryPoint{path.string(), sequence, static_cast<std::time_t>(time), movements,
                             session};
    }
    // Older than every point with a sequence, and of a session long ended.
    if (std::sscanf(name.c_str(), "recupero-%12lld-%4u-m%d%7s", &time, &earlier, &movements,
                    tail) == 4 &&
        name == EarlierPointName(time, earlier, movements)) {
        return RecoveryPoint{path.string(), 0, static_cast<std::time_t>(time), movements, {}};
    }
    return std::nullopt;
}

// A session's mark, locked while the session runs.
constexpr const char* kMarkPrefix = "sessione-";
constexpr const char* kMarkExtension = ".lock";

std::string NewSession() {
    std::random_device random;
    char id[17];
    std::snprintf(id, sizeof id, "%08x%08x", random(), random());
    return id;
}

// Whose a session's points are, by its mark: none (it ended by closing),
// locked (it runs), or left unlocked (it ended without closing).
RecoveryPoint::Owner OwnerByMark(const std::string& mark) {
    const int fd = ::open(mark.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) return RecoveryPoint::Owner::Ended;
    const bool running = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);
    return running ? RecoveryPoint::Owner::Running : RecoveryPoint::Owner::Interrupted;
}

// The key under which a point keeps the texts of boxes that were no numbers.
constexpr const char* kDraftsKey = "recupero_bozze";

constexpr std::array<float Movement::*, kFlowField> kMovementFields = {&Movement::Ti,
                                                                       &Movement::Tf,
                                                                       &Movement::Ti2,
                                                                       &Movement::Tf2,
                                                                       &Movement::BoreDiameter,
                                                                       &Movement::Stroke,
                                                                       &Movement::RodDiameter,
                                                                       &Movement::RodDiameter2,
                                                                       &Movement::Stroke1,
                                                                       &Movement::Stroke2,
                                                                       &Movement::Displacement,
                                                                       &Movement::Speed,
                                                                       &Movement::UnitDisplacement,
                                                                       &Movement::RotationAngle};

bool IsEmpty(const ProjectSnapshot& snapshot) {
    return snapshot.movements.empty() && snapshot.data == CircuitData{};
}

}  // namespace

int16_t MovementField(float Movement::*field) {
    for (size_t i = 0; i < kMovementFields.size(); ++i) {
        if (kMovementFields[i] == field) return static_cast<int16_t>(i);
    }
    return kFlowField;
}

float Movement::*MovementFieldMember(int16_t field) {
    return field >= 0 && field < kFlowField ? kMovementFields[static_cast<size_t>(field)] : nullptr;
}

Message DraftMessage(const DraftKey& key, const std::string& text, DraftStops stops) {
    // The boxes as their windows label them (the initial values' names are
    // the engine's, which its own messages use).
    constexpr std::array<const char*, kLastMovementField + 1> movement = {
        "Ti", "Tf", "Ti2", "Tf2", "D",  "L",   "d", "d2", "S1", "S2",
        "C",  "N",  "CU",  "AR",  "Qm", "F/M", "η", "Δp", "pr"};
    const auto at = static_cast<size_t>(key.field);
    constexpr MessageId requirements[] = {
        MessageId::RequirementMinPressure,  MessageId::RequirementRated,
        MessageId::RequirementRelief,       MessageId::RequirementTolerance,
        MessageId::RequirementHours,        MessageId::RequirementEfficiency,
        MessageId::RequirementHoursPerYear, MessageId::RequirementBottles};
    // The catalogue's columns as the window heads them: a symbol, or words.
    struct Column {
        const char* symbol;
        MessageId words;
    };
    constexpr std::array<Column, kCatalogueDraftColumns> columns = {
        {{"V0", {}},
         {nullptr, MessageId::CatalogueRatio},
         {"PS", {}},
         {nullptr, MessageId::CatalogueFlow},
         {"τ", {}},
         {nullptr, MessageId::CatalogueSwing},
         {nullptr, MessageId::CatalogueCycles}}};
    Message box;
    if (key.place == DraftKey::Place::Catalogue) {
        const Column& column = columns.at(at);
        box = Message(
            MessageId::DraftCatalogueCell,
            {column.symbol != nullptr ? MsgVerbatim(column.symbol) : MsgNested(column.words),
             MsgInteger(key.movement)});
    } else if (key.place == DraftKey::Place::Requirements) {
        box = Message(MessageId::DraftRequirementBox, {MsgNested(requirements[at])});
    } else if (key.place == DraftKey::Place::Movement) {
        box = Message(MessageId::DraftMovementBox,
                      {MsgVerbatim(movement.at(at)), MsgInteger(key.movement)});
    } else {
        box = Message(MessageId::DraftInitialBox,
                      {at < std::size(kInitialValueNames) ? MsgVerbatim(kInitialValueNames[at].name)
                                                          : MsgNested(MessageId::CycleTimeBox)});
    }
    constexpr MessageId stopped[] = {MessageId::DraftStopsRun, MessageId::DraftStopsSizing,
                                     MessageId::DraftStopsSave, MessageId::DraftStopsExport};
    return Message(MessageId::DraftNotNumber, {MsgNested(std::move(box)), MsgVerbatim(text),
                                               MsgNested(stopped[static_cast<size_t>(stops)])});
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
    // A listener may stop listening while told.
    const auto listeners = listeners_;
    for (const auto& [id, listener] : listeners) listener(parts);
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

void Project::ApplyDesign(const sizing::Design& design, double p1) {
    state_.Data.V0 = static_cast<float>(design.V0);
    state_.Data.P0 = static_cast<float>(design.P0);
    state_.Data.Qp = static_cast<float>(design.Qp);
    // The boxes of the values applied show them, whatever was typed there.
    for (int16_t field : {0, 1, 3}) drafts_.erase({DraftKey::Place::InitialData, 0, field});
    // Accumulators in parallel and bottles go with the size they are of.
    state_.Gas.Vessels.Count = design.Count;
    state_.Gas.Vessels.BottleVolume = design.BottleVolume();
    // The chart marks the pressure the design was found for.
    state_.ChartMinPressure = p1;
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

bool Project::Replace(const std::string& label, const std::function<bool()>& replace,
                      const ProjectSizing& sizing) {
    // Whatever the windows changed unreported is work too.
    ProjectSnapshot before = Read();
    auto results = KeepResults();
    if (!replace()) return false;
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
    return true;
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
            return true;
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

int Project::Listen(Listener listener) {
    listeners_[nextListener_] = std::move(listener);
    return nextListener_++;
}

void Project::Forget(int id) {
    listeners_.erase(id);
}

std::string SnapshotText(const ProjectSnapshot& snapshot) {
    auto state = std::make_unique<CircuitState>();
    InitCircuitState(*state);
    state->Data = snapshot.data;
    std::copy(snapshot.movements.begin(), snapshot.movements.end(), state->Movements.begin() + 1);
    state->MovementCount = static_cast<int16_t>(snapshot.movements.size());
    state->Gas = snapshot.gas;
    state->ChartMinPressure = snapshot.appliedP1;
    return ProjectFileText(*state, snapshot.sizing);
}

Status ReadSnapshot(ProjectSnapshot& snapshot, const std::string& text,
                    const std::string& fileName) {
    auto state = std::make_unique<CircuitState>();
    InitCircuitState(*state);
    ProjectSizing sizing;
    if (Status read = ReadProjectText(*state, sizing, text, fileName); !read) return read;
    snapshot.data = state->Data;
    snapshot.movements.assign(state->Movements.begin() + 1,
                              state->Movements.begin() + 1 + state->MovementCount);
    snapshot.gas = state->Gas;
    snapshot.appliedP1 = state->ChartMinPressure;
    snapshot.drafts.clear();
    snapshot.sizing = sizing;
    return Done{};
}

RecoveryStore::RecoveryStore(std::string folder, size_t keep, size_t keepInterrupted)
    : folder_(std::move(folder)),
      keep_(keep),
      keepInterrupted_(keepInterrupted),
      session_(NewSession()) {}

RecoveryStore::~RecoveryStore() {
    // As a crash would: the mark stays, unlocked, unless End took it.
    if (lock_ >= 0) ::close(lock_);
}

std::string RecoveryStore::MarkOf(const std::string& session) const {
    return (fs::path(folder_) / (kMarkPrefix + session + kMarkExtension)).string();
}

void RecoveryStore::Begin() {
    if (lock_ >= 0) return;
    std::error_code ec;
    fs::create_directories(folder_, ec);
    // Locked under another name first, so that no one finds the mark unlocked.
    const std::string unlocked = MarkOf(session_) + ".tmp";
    const int fd = ::open(unlocked.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 ||
        ::rename(unlocked.c_str(), MarkOf(session_).c_str()) != 0) {
        ::close(fd);
        ::unlink(unlocked.c_str());
        return;
    }
    lock_ = fd;
    // The marks of interrupted sessions that left no point keep nothing.
    std::set<std::string> withPoints;
    for (const RecoveryPoint& point : List()) withPoints.insert(point.session);
    for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!name.starts_with(kMarkPrefix) || !name.ends_with(kMarkExtension)) continue;
        const std::string session =
            name.substr(std::strlen(kMarkPrefix),
                        name.size() - std::strlen(kMarkPrefix) - std::strlen(kMarkExtension));
        if (session != session_ && !withPoints.contains(session) &&
            OwnerByMark(it->path().string()) == RecoveryPoint::Owner::Interrupted) {
            std::error_code ignored;
            fs::remove(it->path(), ignored);
        }
    }
}

void RecoveryStore::End() {
    if (lock_ < 0) return;
    ::unlink(MarkOf(session_).c_str());
    ::close(lock_);
    lock_ = -1;
}

Status RecoveryStore::Save(const ProjectSnapshot& snapshot, std::time_t now,
                           const std::string& design) {
    std::error_code ec;
    fs::create_directories(folder_, ec);
    uint64_t sequence = 1;
    for (const RecoveryPoint& point : List()) sequence = std::max(sequence, point.sequence + 1);
    const int movements = static_cast<int>(snapshot.movements.size());
    fs::path path;
    do {
        path = fs::path(folder_) /
               PointName(static_cast<unsigned long long>(sequence++), now, session_, movements);
    } while (fs::exists(path, ec));
    // The design's name beside the project, for the list of points.
    std::string text = SnapshotText(snapshot);
    auto json = [](const nlohmann::json& value) {
        return value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    };
    // And what was typed into boxes that held no number, as typed.
    nlohmann::json drafts = nlohmann::json::array();
    for (const auto& [key, typed] : snapshot.drafts) {
        drafts.push_back({static_cast<int>(key.place), key.movement, key.field, typed});
    }
    text.insert(text.find('{') + 1, std::string("\n  \"") + kDesignKey + "\": " + json(design) +
                                        ",\n  \"" + kDraftsKey + "\": " + json(drafts) + ",");
    if (Status written = WriteFileAtomically(path.string(), text); !written) return written;
    // Points of sessions that ended, or of this one, make way for newer ones;
    // those of interrupted sessions only beyond many more, so that crash
    // after crash cannot fill the disk.
    size_t ordinary = 0, interrupted = 0;
    for (const RecoveryPoint& point : List()) {
        const bool mine =
            point.owner == RecoveryPoint::Owner::Ended || point.owner == RecoveryPoint::Owner::This;
        if (mine && ++ordinary > keep_) fs::remove(point.path, ec);
        if (point.owner == RecoveryPoint::Owner::Interrupted && ++interrupted > keepInterrupted_) {
            fs::remove(point.path, ec);
        }
    }
    return Done{};
}

std::vector<RecoveryPoint> RecoveryStore::List() const {
    std::vector<RecoveryPoint> points;
    std::map<std::string, RecoveryPoint::Owner> owners;
    std::error_code ec;
    for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
        std::optional<RecoveryPoint> point = PointOf(it->path());
        if (!point) continue;
        if (point->session.empty()) {
            point->owner = RecoveryPoint::Owner::Ended;
        } else if (point->session == session_) {
            point->owner = RecoveryPoint::Owner::This;
        } else {
            const auto known = owners.find(point->session);
            point->owner = known != owners.end()
                               ? known->second
                               : (owners[point->session] = OwnerByMark(MarkOf(point->session)));
        }
        points.push_back(*point);
    }
    // Newest first: by sequence, then by name (two sessions may share one).
    std::sort(points.begin(), points.end(), [](const RecoveryPoint& a, const RecoveryPoint& b) {
        if (a.sequence != b.sequence) return a.sequence > b.sequence;
        // Names are unique, so a strict or non-strict order is the same.
        return a.path > b.path;
    });
    return points;
}

Status RecoveryStore::Load(const RecoveryPoint& point, ProjectSnapshot& snapshot,
                           std::string* design) const {
    std::string text;
    if (auto refusal = ReadRegularFile(point.path, kMaxProjectSize, text)) {
        return RefusalMessage(*refusal, point.path);
    }
    if (Status read = ReadSnapshot(snapshot, text, point.path); !read) return read;
    // Read whole above: the name and the drafts are all that is looked for.
    const auto root = nlohmann::json::parse(text, nullptr, false);
    auto member = [&](const char* key) {
        return root.is_object() && root.contains(key) ? root[key] : nlohmann::json();
    };
    if (design != nullptr) {
        const auto name = member(kDesignKey);
        *design = name.is_string() ? name.get<std::string>() : std::string();
    }
    // A draft that does not read as one is left out: the values are whole.
    for (const auto& draft : member(kDraftsKey)) {
        if (!draft.is_array() || draft.size() != 4 || !draft[0].is_number_integer() ||
            !draft[1].is_number_integer() || !draft[2].is_number_integer() ||
            !draft[3].is_string()) {
            continue;
        }
        const int place = draft[0].get<int>();
        const int movement = draft[1].get<int>();
        const int field = draft[2].get<int>();
        const int lastField = place == 3   ? kCatalogueDraftColumns - 1
                              : place == 2 ? static_cast<int>(RequirementBox::Count) - 1
                                           : kLastMovementField;
        if (place < 0 || place > 3 || movement < 0 || movement > kMaxMovements || field < 0 ||
            field > lastField) {
            continue;
        }
        snapshot.drafts[{static_cast<DraftKey::Place>(place), static_cast<int16_t>(movement),
                         static_cast<int16_t>(field)}] = draft[3].get<std::string>();
    }
    return Done{};
}

void RecoveryStore::Opened(const RecoveryPoint& point) {
    if (point.owner != RecoveryPoint::Owner::Interrupted) return;
    // The work opened is this session's now: its point becomes one of this
    // session's, in its place in the order; the others of its session wait.
    std::error_code ec;
    fs::rename(point.path,
               fs::path(folder_) / PointName(point.sequence, point.time, session_, point.movements),
               ec);
    ForgetIfDone(point.session);
}

void RecoveryStore::Discard(const RecoveryPoint& point) {
    std::error_code ec;
    fs::remove(point.path, ec);
    if (point.owner == RecoveryPoint::Owner::Interrupted) ForgetIfDone(point.session);
}

void RecoveryStore::ForgetIfDone(const std::string& session) {
    for (const RecoveryPoint& other : List()) {
        if (other.session == session) return;
    }
    std::error_code ec;
    fs::remove(MarkOf(session), ec);
}

}  // namespace volvenza
