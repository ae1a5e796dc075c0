#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <random>
#include <set>

#include "documents/AtomicFile.h"
#include "documents/FileKinds.h"
#include "documents/Project.h"

namespace volvenza {
namespace {

namespace fs = std::filesystem;

// The key under which a point keeps the name of its design's file.
constexpr const char* kDesignKey = "recupero_file";

// "recupero-SEQUENCE-TIME-SESSION-mCOUNT.vlzp", zero-padded so that names
// sort by sequence (up to ten digits; a longer sequence reads as well).
std::string PointName(unsigned long long sequence, long long time, const std::string& session,
                      int movements) {
    char name[96];
    std::snprintf(name, sizeof name, "recupero-%010llu-%012lld-%s-m%d.%s", sequence, time,
                  session.c_str(), movements, kProjectFile.extension);
    return name;
}

// The name points had before sessions: "recupero-TIME-SEQUENCE-mCOUNT.vlzp".
std::string EarlierPointName(long long time, unsigned sequence, int movements) {
    char name[80];
    std::snprintf(name, sizeof name, "recupero-%012lld-%04u-m%d.%s", time, sequence, movements,
                  kProjectFile.extension);
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

}  // namespace

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
    const Result<std::string> file =
        ReadRegularFile(point.path, kMaxProjectSize, OpenFailedMessage(point.path));
    if (!file) return file.Error();
    const std::string& text = *file;
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
                              : place == 2 ? static_cast<int>(kRequirementDraftFields) - 1
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
