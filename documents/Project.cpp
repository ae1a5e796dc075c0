#include "documents/Project.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "documents/AtomicFile.h"

namespace volvenza {
namespace {

namespace fs = std::filesystem;

// FNV-1a over the values field by field, so padding never counts and a
// zero is a zero whatever its sign.
class Hash {
  public:
    // Any one value for both zeros serves.
    void Add(double value) {
        Bytes(std::bit_cast<uint64_t>(value == 0 ? 0.0 : value));  // mutants: skip
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
        for (int i = 0; i < 8; ++i) {           // mutants: skip
            hash_ ^= (word >> (8 * i)) & 0xff;  // mutants: skip
            hash_ *= 0x100000001b3ULL;
        }
    }
    uint64_t hash_ = 0xcbf29ce484222325ULL;
};

constexpr const char* kPrefix = "recupero-";
constexpr const char* kExtension = ".vlzp";

// "recupero-TIME-SEQUENCE-mCOUNT.vlzp", zero-padded so that names sort by age.
std::string PointName(std::time_t time, unsigned sequence, size_t movements) {
    char name[80];  // mutants: skip
    std::snprintf(name, sizeof name, "%s%012lld-%04u-m%zu%s", kPrefix, static_cast<long long>(time),
                  sequence, movements, kExtension);
    return name;
}

std::optional<RecoveryPoint> PointOf(const fs::path& path) {
    // Written by sscanf before use.
    long long time = 0;     // mutants: skip
    unsigned sequence = 0;  // mutants: skip
    int movements = 0;      // mutants: skip
    char tail[8] = {};      // mutants: skip
    const std::string name = path.filename().string();
    if (std::sscanf(name.c_str(), "recupero-%12lld-%4u-m%d%7s", &time, &sequence, &movements,
                    tail) != 4 ||
        std::string(tail) != kExtension || name != PointName(time, sequence, movements)) {
        return std::nullopt;
    }
    return RecoveryPoint{path.string(), static_cast<std::time_t>(time), movements};
}

}  // namespace

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

Project::Project(CircuitState& state) : state_(state), current_(Read()) {}

ProjectSnapshot Project::Read() const {
    ProjectSnapshot s;
    s.data = state_.Data;
    const int count = std::clamp<int>(state_.MovementCount, 0, kMaxMovements);
    s.movements.assign(state_.Movements.begin() + 1, state_.Movements.begin() + 1 + count);
    s.gas = state_.Gas;
    s.appliedP1 = state_.ChartMinPressure;
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
    WriteInitialDataBoxes(state_);
    state_.Ui().MovementListChanged();
}

void Project::Commit(ProjectSnapshot next, unsigned parts, const std::string& label, bool join,
                     std::shared_ptr<const KeptResults> results) {
    const bool merge = join && joinable_ && !undo_.empty() && undo_.back().label == label &&
                       undo_.back().parts == parts;
    // The next change may join this one; an undo or a run ends that.
    joinable_ = true;
    if (!merge) {
        undo_.push_back({current_, label, parts, std::move(results)});
        if (undo_.size() > kMaxSteps) undo_.erase(undo_.begin());
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

void Project::SetRequirements(const sizing::Requirements& requirements) {
    ProjectSnapshot next = Read();
    next.sizing.Requirements = requirements;
    next.sizing.Requirements.Gas = next.gas;
    if (next == current_) return;
    Commit(std::move(next), ProjectPart::Requirements, "requisiti", true);
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
    ProjectSnapshot next = Read();
    next.sizing = sizing;
    next.sizing.Requirements.Gas = next.gas;
    // Results the replacement left in place (Esempio writes only its own
    // fields) still say where they came from, and so show as out of date.
    if (state_.LastPoint == 0) results_.reset();
    Commit(std::move(next), ProjectPart::All, label, false, std::move(results));
    return true;
}

void Project::Open(const ProjectSnapshot& snapshot, const std::string& label) {
    Replace(
        label,
        [&] {
            Write(snapshot);
            return true;
        },
        snapshot.sizing);
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
    // A run reads the initial-data boxes first: that is an edit too.
    Edited(ProjectPart::Data, "dati", true);
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
    snapshot.sizing = sizing;
    return Done{};
}

Status RecoveryStore::Save(const ProjectSnapshot& snapshot, std::time_t now) {
    std::error_code ec;
    fs::create_directories(folder_, ec);
    fs::path path;
    do {
        // Four digits are what a name holds.
        path = fs::path(folder_) /
               PointName(now, sequence_++ % 10000, snapshot.movements.size());  // mutants: skip
    } while (fs::exists(path, ec));
    if (Status written = WriteFileAtomically(path.string(), SnapshotText(snapshot)); !written) {
        return written;
    }
    const std::vector<RecoveryPoint> points = List();
    for (size_t i = keep_; i < points.size(); ++i) fs::remove(points[i].path, ec);
    return Done{};
}

std::vector<RecoveryPoint> RecoveryStore::List() const {
    std::vector<RecoveryPoint> points;
    std::error_code ec;
    for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
        if (auto point = PointOf(it->path())) points.push_back(*point);
    }
    // Newest first: the names sort by time, then by sequence.
    std::sort(points.begin(), points.end(), [](const RecoveryPoint& a, const RecoveryPoint& b) {
        // Names are unique, so a strict or non-strict order is the same.
        return fs::path(a.path).filename() > fs::path(b.path).filename();  // mutants: skip
    });
    return points;
}

Status RecoveryStore::Load(const RecoveryPoint& point, ProjectSnapshot& snapshot) const {
    std::string text;
    if (auto refusal = ReadRegularFile(point.path, kMaxProjectSize, text)) {
        return RefusalMessage(*refusal, point.path);
    }
    return ReadSnapshot(snapshot, text, point.path);
}

}  // namespace volvenza
