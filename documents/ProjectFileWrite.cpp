#include <cmath>
#include <optional>
#include <vector>

#include "documents/AtomicFile.h"
#include "documents/ProjectFile.h"
#include "documents/ProjectJson.h"
#include "engine/Duties.h"
#include "sizing/RequirementForm.h"

namespace volvenza {
using namespace project_file;
namespace {

// A single as the shortest decimal that reads back as it: the value typed
// (4.7), not the single's exact binary value (4.699999809265137). Near the
// largest single that decimal lies past the range a field takes, and the
// exact value is written.
double Written(float value) {
    const double typed = Typed(value);
    const bool readsBack = static_cast<float>(typed) == value && std::fabs(typed) <= kSingleMax;
    return readsBack ? typed : static_cast<double>(value);
}

Json Optional(const std::optional<double>& value) {
    return value ? Json(*value) : Json(nullptr);
}

Json CatalogueJson(const std::vector<sizing::CatalogueSize>& sizes) {
    Json out = Json::array();
    for (const sizing::CatalogueSize& s : sizes) {
        Json size = Json::object();
        for (const sizing::CatalogueColumnForm& column : sizing::kCatalogueColumns) {
            const auto figure = column.figure(s);
            // Only a size the maker rates for fatigue carries the rating.
            if (column.rating && !figure) continue;
            size[column.projectKey] = Optional(figure);
        }
        out.push_back(size);
    }
    return out;
}

Json DutyJson(const MovementDuty& d) {
    return {{project_key::kLoad, d.Load},
            {project_key::kEfficiency, d.Efficiency},
            {project_key::kLoss, d.Loss},
            {project_key::kRequired, Optional(d.Required)},
            {project_key::kEmergency, d.Emergency}};
}

Json PlanHold(const DutyPlan& plan) {
    if (!plan.Hold) return nullptr;
    const HoldDuty& h = *plan.Hold;
    using sizing::kHoldBoxes;
    return {{kHoldBoxes[0].projectKey, h.Pressure.value()},
            {kHoldBoxes[1].projectKey, h.Time},
            {kHoldBoxes[2].projectKey, h.Leakage.value()},
            {kHoldBoxes[3].projectKey, h.Cooling},
            {sizing::kHoldFromPm.projectKey, h.FromPm}};
}

}  // namespace

std::string ProjectFileText(const CircuitState& state, const ProjectSizing& sizing) {
    Json root;
    root["formato"] = kFormat;
    root["versione"] = kProjectVersion;
    Json data = Json::object();
    for (const DataField& f : kDataFields) data[f.name] = Written(state.Data.*f.member);
    root[project_key::kData] = data;
    Json movements = Json::array();
    for (int k = 1; k <= state.MovementCount; ++k) {
        const Movement& m = state.Movements[k];
        Json item;
        item[project_key::kKind] = m.Kind;
        for (const MovementField& f : kMovementFields) item[f.name] = Written(m.*f.member);
        item[project_key::kFlow] = m.Qm;
        item.update(DutyJson(m.Duty));
        movements.push_back(item);
    }
    root[project_key::kMovements] = movements;
    const GasSettings& g = state.Gas;
    root[project_key::kGas] = {{project_key::kLaw, kLaws[static_cast<size_t>(g.Law)]},
                               {project_key::kExponent, g.Exponent},
                               {project_key::kTau, std::isinf(g.Tau) ? Json(nullptr) : Json(g.Tau)},
                               {project_key::kChargeTemp, g.ChargeTemp},
                               {project_key::kMinTemp, Optional(g.MinTemp)},
                               {project_key::kMaxTemp, Optional(g.MaxTemp)},
                               {"carica", kStarts[static_cast<size_t>(g.Start)]}};
    root[project_key::kPlant] = {{"accumulatori_in_parallelo", g.Vessels.Count},
                                 {"bombole_dm3", g.Vessels.BottleVolume},
                                 {"rendimento_volumetrico", g.Vessels.VolumetricEfficiency},
                                 {"p1_applicata", Optional(state.ChartMinPressure)}};
    const sizing::Requirements& q = sizing.Requirements;
    using Box = sizing::RequirementBox;
    using Choice = sizing::RequirementChoice;
    using sizing::ProjectKey;
    root[project_key::kRequirements] = {
        {ProjectKey(Box::MinPressure), q.MinPressure.value()},
        {sizing::kTypeProjectKey, kTypes[static_cast<size_t>(q.Type)]},
        {sizing::kCatalogueProjectKey, CatalogueJson(q.Catalogue)},
        {ProjectKey(Box::RatedPressure), Optional(OptionalValue(q.RatedPressure))},
        {ProjectKey(Box::ReliefSetting), Optional(OptionalValue(q.ReliefSetting))},
        {ProjectKey(Choice::ChoosePrecharge), q.ChoosePrecharge},
        {ProjectKey(Choice::SizePump), q.SizePump},
        {ProjectKey(Box::Tolerance), q.PrechargeTolerance},
        {ProjectKey(Box::WorkingHours), q.WorkingHours},
        {ProjectKey(Choice::SingleCycle), q.SingleCycle},
        {ProjectKey(Box::PumpEfficiency), q.PumpEfficiency},
        {ProjectKey(Box::HoursPerYear), q.HoursPerYear},
        {ProjectKey(Box::Bottles), q.BottleSizes},
        {ProjectKey(Choice::Arrangements), q.Arrangements},
        {ProjectKey(Choice::EmergencyFromFull), q.Duties.EmergencyFromFull},
        {sizing::kHoldProjectKey, PlanHold(q.Duties)}};
    if (sizing.Recommendation) {
        const sizing::Design& d = *sizing.Recommendation;
        root[project_key::kRecommendation] = {
            {"V0", d.V0.value()},   {"P0", d.P0.value()},
            {"Qp", d.Qp.value()},   {"accumulatori", d.Count},
            {"bombole", d.Bottles}, {"volume_bombola", d.BottleSize.value()}};
    } else {
        root[project_key::kRecommendation] = nullptr;
    }
    // Infinities and NaNs cannot be written in JSON: they become null, which
    // loading refuses, so no such design is kept without notice.
    // Every key and value is ASCII: escaping non-ASCII text changes nothing.
    return root.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

Status SaveProjectFile(const CircuitState& state, const ProjectSizing& sizing,
                       const std::string& path) {
    try {
        return WriteFileAtomically(path, ProjectFileText(state, sizing));
    } catch (...) {
        return SaveFailedMessage(path);
    }
}

}  // namespace volvenza
