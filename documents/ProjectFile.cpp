#include "documents/ProjectFile.h"

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include "documents/AtomicFile.h"
#include "documents/ProjectJson.h"
#include "engine/CycleDemand.h"
#include "engine/CycleRun.h"
#include "engine/Duties.h"
#include "sizing/RequirementForm.h"

namespace volvenza {
using namespace project_file;
namespace {

// The JSON path of a part of the project.
std::string PathOf(const char* key) {
    return "/" + std::string(key);
}

// The catalogue's sizes; one kept as a bare volume, as files did before the
// catalogue had columns, takes the default range's ratio for the nearest
// volume it has.
bool ReadCatalogue(const Json& catalogue, sizing::AccumulatorType type, Reader& r,
                   std::vector<sizing::CatalogueSize>& sizes) {
    const std::string path =
        PathOf(project_key::kRequirements) + "/" + sizing::kCatalogueProjectKey;
    if (!catalogue.is_array() || catalogue.size() > sizing::kMaxCatalogueSizes) {
        r.Note(path, MessageId::FieldTooManySizes,
               {MsgInteger(static_cast<long long>(sizing::kMaxCatalogueSizes))});
        return false;
    }
    sizes.clear();
    for (size_t i = 0; i < catalogue.size(); ++i) {
        const Json& item = catalogue[i];
        const std::string at = path + "/" + std::to_string(i);
        if (item.is_number()) {
            sizes.push_back(sizing::DefaultSize(type, Dm3(item.get<double>())));
            continue;
        }
        // V0 is a number, a limit may be null (no limit), the fatigue rating
        // may be missing (older files have none).
        sizing::CatalogueSize s;
        for (const sizing::CatalogueColumnForm& column : sizing::kCatalogueColumns) {
            const char* name = column.projectKey;
            if (column.rating && !item.contains(name)) continue;
            std::optional<std::optional<double>> value;
            if (&column != &sizing::ColumnForm(sizing::CatalogueColumn::V0)) {
                value = r.MaybeNumber(item, at, name);
            } else if (const auto v0 = r.Number(item, at, name)) {
                value.emplace(*v0);
            }
            if (!value) return false;
            column.set(s, *value);
        }
        sizes.push_back(s);
    }
    return true;
}
// A movement's load, efficiency, loss, typed required pressure and emergency
// mark, in the ranges the windows accept; files from before loads lack them.
bool ReadDuty(const Json& item, const std::string& path, Reader& r, Movement& m) {
    MovementDuty& d = m.Duty;
    const auto load = r.NumberOr(item, path, project_key::kLoad, 0);
    const auto efficiency =
        load ? r.NumberOr(item, path, project_key::kEfficiency, d.Efficiency) : std::nullopt;
    const auto loss = efficiency ? r.NumberOr(item, path, project_key::kLoss, 0) : std::nullopt;
    const auto emergency =
        loss ? r.FlagOr(item, path, project_key::kEmergency, false) : std::nullopt;
    if (!emergency) return false;
    d.Load = *load;
    d.Efficiency = *efficiency;
    d.Loss = *loss;
    d.Emergency = *emergency;
    if (item.contains(project_key::kRequired)) {
        const auto required = r.MaybeNumber(item, path, project_key::kRequired);
        if (!required) return false;
        d.Required = *required;
    }
    const auto range = [&](const char* name, double value, MessageId range, double low) {
        std::vector<MessagePart> limits{MsgNumber(low)};
        if (range == MessageId::RangeAboveTo) limits.push_back(MsgNumber(1));
        r.Refuse(path + "/" + name, MessageId::FieldValueOutOfRange,
                 {MsgNumber(value), MsgNested(Message(range, std::move(limits)))});
        return false;
    };
    switch (CheckDuty(m)) {
        case DutyFault::Load:
            return range(project_key::kLoad, d.Load, MessageId::RangeAtLeast, 0);
        case DutyFault::Efficiency:
            return range(project_key::kEfficiency, d.Efficiency, MessageId::RangeAboveTo, 0);
        case DutyFault::Loss:
            return range(project_key::kLoss, d.Loss, MessageId::RangeAtLeast, 0);
        case DutyFault::Required:
            return range(project_key::kRequired, *d.Required, MessageId::RangeAbove, 0);
        // A load whose sizes give no area may still get its sizes: kept.
        case DutyFault::NoSizes:
        case DutyFault::None:
            break;
    }
    return true;
}
// The emergency stroke's start and the pressure held; files from before
// them have neither.
bool ReadPlan(const Json& req, const std::string& rp, Reader& r, DutyPlan& plan) {
    using sizing::kHoldBoxes;
    const auto full =
        r.FlagOr(req, rp, sizing::ProjectKey(sizing::RequirementChoice::EmergencyFromFull), false);
    if (!full) return false;
    plan.EmergencyFromFull = *full;
    const char* const held = sizing::kHoldProjectKey;
    if (!req.contains(held) || req[held].is_null()) return true;
    const Json& h = req[held];
    const std::string hp = rp + "/" + held;
    const auto pressure = r.InRange(h, hp, kHoldBoxes[0].projectKey, 0, kSingleMax, true);
    const auto time =
        pressure ? r.InRange(h, hp, kHoldBoxes[1].projectKey, 0, kSingleMax, true) : std::nullopt;
    const auto leakage =
        time ? r.InRange(h, hp, kHoldBoxes[2].projectKey, 0, kSingleMax) : std::nullopt;
    const auto cooling =
        leakage ? r.InRange(h, hp, kHoldBoxes[3].projectKey, 0, kSingleMax) : std::nullopt;
    const auto fromPm = cooling ? r.Flag(h, hp, sizing::kHoldFromPm.projectKey) : std::nullopt;
    if (!fromPm) return false;
    plan.Hold = HoldDuty{GaugeBar(*pressure), *time, Dm3PerMin(*leakage), *cooling, *fromPm};
    return true;
}
// Everything the file holds, read before any of it is used.
struct ScratchProject {
    CircuitData data;
    std::vector<Movement> movements;
    GasSettings gas;
    ProjectSizing sizing;
    std::optional<double> appliedP1;
};

// The refusal of a field, for the readers below that answer true or false.
bool RefuseAt(Reader& r, const std::string& path, MessageId problem,
              std::vector<MessagePart> more = {}) {
    r.Refuse(path, problem, std::move(more));
    return false;
}

// "formato" and "versione": a project, in the version this program writes.
bool ReadHeader(const Json& root, Reader& r) {
    const Json* format = r.Member(root, "", "formato");
    if (format == nullptr) return false;
    if (*format != kFormat) return RefuseAt(r, "/formato", MessageId::FieldNotFormat);
    const auto version = r.Number(root, "", "versione");
    if (!version) return false;
    if (*version != kProjectVersion) {
        return RefuseAt(r, "/versione", MessageId::FieldNotVersion);
    }
    return true;
}

bool ReadData(const Json& root, Reader& r, CircuitData& out) {
    const Json* data = r.Member(root, "", project_key::kData);
    if (data == nullptr) return false;
    for (const DataField& f : kDataFields) {
        const auto value = r.Single(*data, PathOf(project_key::kData), f.name);
        if (!value) return false;
        out.*f.member = *value;
    }
    return true;
}

bool ReadMovements(const Json& root, Reader& r, std::vector<Movement>& out) {
    const Json* movements = r.Member(root, "", project_key::kMovements);
    if (movements == nullptr) return false;
    if (!movements->is_array() || movements->size() > static_cast<size_t>(kMaxMovements)) {
        return RefuseAt(r, PathOf(project_key::kMovements), MessageId::FieldTooManyMovements);
    }
    for (size_t i = 0; i < movements->size(); ++i) {
        const Json& item = (*movements)[i];
        // Numbered from 1, as the movement list shows them.
        const std::string path = PathOf(project_key::kMovements) + "/" + std::to_string(i + 1);
        Movement m;
        const auto kind = r.Number(item, path, project_key::kKind);
        if (!kind) return false;
        // An empty slot (0) is what a simulation file may hold too.
        if (!(*kind >= MovementKind::Empty && *kind <= MovementKind::SingleActingCylinder &&
              *kind == std::floor(*kind))) {
            return RefuseAt(r, path + "/tipo", MessageId::FieldNotKind);
        }
        m.Kind = static_cast<int16_t>(*kind);
        for (const MovementField& f : kMovementFields) {
            const auto value = r.Single(item, path, f.name);
            if (!value) return false;
            m.*f.member = *value;
        }
        const auto flow = r.Number(item, path, project_key::kFlow);
        if (!flow) return false;
        m.Qm = *flow;
        if (!ReadDuty(item, path, r, m)) return false;
        out.push_back(m);
    }
    return true;
}

bool ReadGas(const Json& root, Reader& r, GasSettings& out) {
    const Json* gas = r.Member(root, "", project_key::kGas);
    if (gas == nullptr) return false;
    const std::string gp = PathOf(project_key::kGas);
    const auto law = r.Choice(*gas, gp, project_key::kLaw, kLaws);
    // Whatever the law, what the gas dialog accepts: another law may be
    // chosen later with these values.
    const auto exponent = law ? r.InRange(*gas, gp, project_key::kExponent, 1, 1.67) : std::nullopt;
    const auto tau = exponent ? r.MaybeNumber(*gas, gp, project_key::kTau) : std::nullopt;
    if (tau && *tau && !(**tau >= 0)) {
        return RefuseAt(
            r, gp + "/" + project_key::kTau, MessageId::FieldValueOutOfRange,
            {MsgNumber(**tau), MsgNested(Message(MessageId::RangeAtLeastOrNull, {MsgNumber(0)}))});
    }
    const auto charge = tau ? r.Number(*gas, gp, project_key::kChargeTemp) : std::nullopt;
    const auto low = charge ? r.MaybeNumber(*gas, gp, project_key::kMinTemp) : std::nullopt;
    const auto high = low ? r.MaybeNumber(*gas, gp, project_key::kMaxTemp) : std::nullopt;
    if (!high) return false;
    // Files from before the choice hold no "carica": they were charged slowly.
    if (gas->contains("carica")) {
        const auto start = r.Choice(*gas, gp, "carica", kStarts);
        if (!start) return false;
        out.Start = static_cast<gas::ChargeStart>(*start);
    }
    out.Law = static_cast<GasLawKind>(*law);
    out.Exponent = *exponent;
    out.Tau = tau->value_or(std::numeric_limits<double>::infinity());
    out.ChargeTemp = *charge;
    out.MinTemp = *low;
    out.MaxTemp = *high;

    return true;
}

// The vessels (files from before accumulators in parallel and bottles hold
// one) and the p1 last applied.
bool ReadPlant(const Json& root, Reader& r, ScratchProject& p) {
    if (root.is_object() && root.contains(project_key::kPlant)) {
        const Json* plant = r.Member(root, "", project_key::kPlant);
        const std::string pp = PathOf(project_key::kPlant);
        // The limits the windows and the run hold the vessels to.
        const auto count = r.Whole(*plant, pp, "accumulatori_in_parallelo", 1, kMaxParallel);
        const auto bottles = count ? r.InRange(*plant, pp, "bombole_dm3", 0, 1e5) : std::nullopt;
        const auto efficiency =
            bottles ? r.InRange(*plant, pp, "rendimento_volumetrico", 0, 1, true) : std::nullopt;
        if (!efficiency) return false;
        p.gas.Vessels = {static_cast<int>(*count), *bottles, *efficiency};
        // The p1 of the sizing last applied, which the energy balance takes
        // the pump alone at; files from before it hold none.
        if (plant->contains("p1_applicata")) {
            const auto applied = r.MaybeNumber(*plant, pp, "p1_applicata");
            if (!applied) return false;
            p.appliedP1 = *applied;
        }
    }
    return true;
}

// The bottle sizes to try, when the file gives them (older files do not),
// by the sizing form's rule, a wrong one named by its place.
bool ReadBottleList(const Json& req, const std::string& rp, Reader& r, std::vector<double>& sizes) {
    const char* const key = sizing::ProjectKey(sizing::RequirementBox::Bottles);
    if (!req.contains(key)) return true;
    const Json* given = r.Member(req, rp, key);
    const std::string at = rp + "/" + key;
    if (!given->is_array() || given->size() > sizing::kMaxCatalogueSizes) {
        return RefuseAt(r, at, MessageId::FieldOutOfRange);
    }
    sizes.clear();
    for (size_t i = 0; i < given->size(); ++i) {
        const Json& v = (*given)[i];
        if (!v.is_number() || !sizing::BottleSizeTaken(v.get<double>())) {
            return RefuseAt(r, at + "/" + std::to_string(i + 1), MessageId::FieldOutOfRange);
        }
        sizes.push_back(v.get<double>());
    }
    return true;
}

bool ReadRequirements(const Json& root, Reader& r, ScratchProject& p) {
    const Json* req = r.Member(root, "", project_key::kRequirements);
    if (req == nullptr) return false;
    const std::string rp = PathOf(project_key::kRequirements);
    sizing::Requirements& q = p.sizing.Requirements;
    using Box = sizing::RequirementBox;
    using Choice = sizing::RequirementChoice;
    using sizing::ProjectKey;
    const auto p1 = r.Number(*req, rp, ProjectKey(Box::MinPressure));
    const auto type = p1 ? r.Choice(*req, rp, sizing::kTypeProjectKey, kTypes) : std::nullopt;
    const Json* catalogue = type ? r.Member(*req, rp, sizing::kCatalogueProjectKey) : nullptr;
    if (catalogue == nullptr) return false;
    q.Type = static_cast<sizing::AccumulatorType>(*type);
    if (!ReadCatalogue(*catalogue, q.Type, r, q.Catalogue)) return false;
    const auto ps = r.MaybeNumber(*req, rp, ProjectKey(Box::RatedPressure));
    const auto relief = ps ? r.MaybeNumber(*req, rp, ProjectKey(Box::ReliefSetting)) : std::nullopt;
    const auto choose =
        relief ? r.Flag(*req, rp, ProjectKey(Choice::ChoosePrecharge)) : std::nullopt;
    const auto pump = choose ? r.Flag(*req, rp, ProjectKey(Choice::SizePump)) : std::nullopt;
    if (!pump) return false;
    // Files from before steady operation lack these three; their
    // "cicli_ripetuti" no longer means anything, steady operation being the rule.
    const auto tolerance = r.NumberOr(*req, rp, ProjectKey(Box::Tolerance), q.PrechargeTolerance);
    const auto hours = tolerance
                           ? r.NumberOr(*req, rp, ProjectKey(Box::WorkingHours), q.WorkingHours)
                           : std::nullopt;
    const auto single =
        hours ? r.FlagOr(*req, rp, ProjectKey(Choice::SingleCycle), false) : std::nullopt;
    // Files from before the energy balance lack these two.
    const auto efficiency =
        single ? r.NumberOr(*req, rp, ProjectKey(Box::PumpEfficiency), q.PumpEfficiency)
               : std::nullopt;
    const auto year = efficiency
                          ? r.NumberOr(*req, rp, ProjectKey(Box::HoursPerYear), q.HoursPerYear)
                          : std::nullopt;
    if (!year) return false;
    if (!ReadBottleList(*req, rp, r, q.BottleSizes)) return false;
    const auto arrangements = r.FlagOr(*req, rp, ProjectKey(Choice::Arrangements), false);
    if (!arrangements || !ReadPlan(*req, rp, r, q.Duties)) return false;
    q.Arrangements = *arrangements;
    q.MinPressure = GaugeBar(*p1);
    q.RatedPressure = OptionalOf<GaugeBar>(*ps);
    q.ReliefSetting = OptionalOf<GaugeBar>(*relief);
    q.ChoosePrecharge = *choose;
    q.SizePump = *pump;
    q.PrechargeTolerance = *tolerance;
    q.WorkingHours = *hours;
    q.SingleCycle = *single;
    q.PumpEfficiency = *efficiency;
    q.HoursPerYear = *year;
    q.Gas = p.gas;

    return true;
}

bool ReadRecommendation(const Json& root, Reader& r, std::optional<sizing::Design>& out) {
    const Json* rec = r.Member(root, "", project_key::kRecommendation);
    if (rec == nullptr) return false;
    if (!rec->is_null()) {
        // "Applica" writes V0, P0 and Qp into the single-precision data: a
        // recommendation no run could have made is refused, not shown.
        const std::string rp = PathOf(project_key::kRecommendation);
        const auto v0 = r.InRange(*rec, rp, "V0", 0, kSingleMax, true);
        const auto p0 = v0 ? r.InRange(*rec, rp, "P0", 0, kSingleMax) : std::nullopt;
        const auto qp = p0 ? r.InRange(*rec, rp, "Qp", 0, kSingleMax) : std::nullopt;
        // Older files hold one vessel and no bottle.
        auto whole = [&](const char* name, double absent, double high) {
            return rec->contains(name) ? r.Whole(*rec, rp, name, absent, high)
                                       : std::optional<double>(absent);
        };
        const auto count = qp ? whole("accumulatori", 1, kMaxParallel) : std::nullopt;
        const auto bottles = count ? whole("bombole", 0, sizing::kMaxBottles) : std::nullopt;
        const auto bottle = bottles ? (rec->contains("volume_bombola")
                                           ? r.InRange(*rec, rp, "volume_bombola", 0, kSingleMax)
                                           : std::optional<double>(0))
                                    : std::nullopt;
        if (!bottle) return false;
        out = sizing::Design{Dm3(*v0),       GaugeBar(*p0),
                             Dm3PerMin(*qp), static_cast<int>(*count),
                             Dm3(*bottle),   static_cast<int>(*bottles)};
    }
    return true;
}

// The first field at fault: its path and what is wrong.
Message FaultOf(const Reader& r) {
    const BadField bad = r.Bad().value_or(BadField{"/", MessageId::FieldUnreadable, {}});
    std::vector<MessagePart> parts{MsgVerbatim(bad.path)};
    parts.insert(parts.end(), bad.more.begin(), bad.more.end());
    return Message(bad.problem, std::move(parts));
}

// The project, or the first field at fault.
Result<ScratchProject> Parse(const Json& root) {
    Reader r;
    ScratchProject p;
    // Each part in turn, as the file orders them: the gas before the
    // requirements, which take its settings.
    if (ReadHeader(root, r) && ReadData(root, r, p.data) && ReadMovements(root, r, p.movements) &&
        ReadGas(root, r, p.gas) && ReadPlant(root, r, p) && ReadRequirements(root, r, p) &&
        ReadRecommendation(root, r, p.sizing.Recommendation)) {
        return p;
    }
    return FaultOf(r);
}

Message Invalid(const std::string& fileName, Message detail) {
    return Message(MessageId::ProjectInvalid,
                   {MsgVerbatim(fileName), MsgNested(std::move(detail))});
}

}  // namespace

Status ReadProjectText(CircuitState& state, ProjectSizing& sizing, const std::string& text,
                       const std::string& fileName) {
    if (Status json = CheckProjectJson(text); !json) return Invalid(fileName, json.Error());
    const Json root = Json::parse(text, nullptr, false);
    const Result<ScratchProject> p = Parse(root);
    if (!p) return Invalid(fileName, p.Error());

    state.Data = p->data;
    for (int k = 1; k <= kMaxMovements; ++k) state.Movements[k] = Movement{};
    int slot = 1;
    for (const Movement& m : p->movements) state.Movements[slot++] = m;
    state.MovementCount = state.SimMovementCount = static_cast<int16_t>(p->movements.size());
    state.Gas = p->gas;
    state.ChartMinPressure = p->appliedP1;
    state.GasRun = GasResults{};
    state.LastPoint = 0;
    ReallocateResults(state, 1);
    sizing = p->sizing;
    return Done{};
}

Result<std::vector<Movement>> ReadProjectMovements(const std::string& text) {
    Json root = Json::object();
    root[project_key::kMovements] = Json::parse(text, nullptr, false);
    Reader r;
    std::vector<Movement> movements;
    if (!root[project_key::kMovements].is_discarded() && ReadMovements(root, r, movements))
        return movements;
    return FaultOf(r);
}

Status LoadProjectFile(CircuitState& state, ProjectSizing& sizing, const std::string& path) {
    try {
        const Result<std::string> text = ReadRegularFile(
            path, kMaxProjectSize,
            Invalid(path, Message(MessageId::FileTooLarge, {MsgInteger(kMaxProjectSize >> 20)})));
        if (!text) return text.Error();
        return ReadProjectText(state, sizing, *text, path);
    } catch (...) {
        return OpenFailedMessage(path);
    }
}

}  // namespace volvenza