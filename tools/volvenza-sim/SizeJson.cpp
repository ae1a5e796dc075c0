// The sizing command's answer as JSON: the requirements as the runs took
// them, the recommendation, every candidate with its rules, and why the
// smaller sizes do not do.
#include "tools/volvenza-sim/SizeJson.h"

#include <optional>
#include <sstream>

#include "numbers/NumberText.h"
#include "numbers/Rounding.h"
#include "sizing/CatalogueForm.h"
#include "sizing/DesignFigures.h"
#include "tools/volvenza-sim/DutyOptions.h"

namespace volvenza {
namespace {

using namespace sizing;

const char* const kRuleKeys[kRuleCount] = {
    "rule1_min_pressure",   "rule2_precharge", "rule3_compression_ratio",
    "rule4_max_pressure",   "rule5_max_flow",  "rule6_gas_temperature",
    "rule7_pressure_swing", "rule8_emergency", "rule9_hold"};

// The shortest text that reads back as the value meant: a figure that came
// from single precision (the data) as its float, and one computed from
// decimals (an oil volume from a delivery and a time) without the last
// bits its arithmetic left.
std::string Json(double value) {
    return JsonNumber(value);
}
template <class Unit>
std::string Json(Quantity<Unit> value) {
    return JsonNumber(value.value());
}

std::string Bool(bool b) {
    return b ? "true" : "false";
}

std::string Optional(const std::optional<double>& v) {
    return v ? Json(*v) : "null";
}
template <class Unit>
std::string Optional(const std::optional<Quantity<Unit>>& v) {
    return Optional(OptionalValue(v));
}

std::string LawKey(GasLawKind law) {
    return law == GasLawKind::Ideal      ? "ideal"
           : law == GasLawKind::Nitrogen ? "nitrogen"
                                         : "classic";
}

// The figures an engineer adds by hand, for the recommendation and each candidate.
std::string FiguresJson(const Evaluation& e, const SizingAnswer& a, const Requirements& req,
                        const CircuitData& data) {
    const DesignFigures f = FiguresOf(e, a, req, data);
    return "\"count\": " + std::to_string(e.Proposed.Count) +
           ", \"bottle_volume\": " + Json(e.Proposed.BottleVolume()) +
           ", \"bottles\": " + std::to_string(e.Proposed.Bottles) +
           ", \"bottle_size\": " + Json(e.Proposed.BottleSize) + ", \"ped_category\": \"" +
           CategoryCode(f.Category) + "\", \"bottle_ped_category\": " +
           (e.Proposed.Bottles > 0 ? "\"" + std::string(CategoryCode(f.BottleCategory)) + "\""
                                   : std::string("null")) +
           ", \"installed_power_kW\": " + Json(RoundHalfEven(f.InstalledPower, 3)) +
           ", \"pump_only_power_kW\": " + Json(RoundHalfEven(f.PumpOnlyPower, 3)) +
           ", \"energy_per_cycle_kJ\": " + Json(RoundHalfEven(f.Energy, 3)) +
           ", \"pressure_swing\": " + Json(RoundHalfEven(f.Swing, 3)) +
           ", \"cycles_per_year\": " + Json(RoundHalfEven(f.CyclesPerYear, 0)) +
           ", \"fatigue_life_years\": " + (f.LifeYears ? Json(*f.LifeYears) : std::string("null")) +
           ", ";
}

// The duties, as run --summary gives them.
std::string DutiesJson(const Evaluation& e, const Requirements& req) {
    const DutyOutcomes& d = e.Duties;
    return ", \"movement_pressures\": " + MovementPressuresJson(e.Movements) +
           ", \"emergency\": " + (d.Emergency ? EmergencyJson(*d.Emergency) : "null") +
           ", \"hold\": " +
           (d.Hold && req.Duties.Hold ? HoldJson(*req.Duties.Hold, *d.Hold) : "null");
}

// {"p1", "type", "catalogue", ..., the law the runs used, ..., "single_cycle"}
std::string RequirementsJson(const SizingAnswer& a, const Requirements& req,
                             const CircuitData& data, const GasSettings& g) {
    const double p1 = req.MinPressure.value();
    std::string j = "{\"p1\": " + Json(p1) + ", \"type\": \"" + TypeNames(req.Type).name +
                    "\", \"catalogue\": [";
    for (size_t i = 0; i < req.Catalogue.size(); ++i) {
        j += i ? ", {" : "{";
        for (const CatalogueColumnForm& column : kCatalogueColumns) {
            j += std::string(&column == kCatalogueColumns.data() ? "" : ", ") + "\"" + column.key +
                 "\": " + Optional(column.figure(req.Catalogue[i]));
        }
        j += "}";
    }
    j += "], \"PS\": " + Optional(req.RatedPressure) +
         ", \"relief\": " + Optional(req.ReliefSetting) +
         ", \"precharge_tolerance\": " + Json(req.PrechargeTolerance) +
         ", \"working_hours\": " + Json(req.WorkingHours) +
         ", \"pump_efficiency\": " + Json(req.PumpEfficiency) +
         ", \"volumetric_efficiency\": " + Json(req.Gas.Vessels.VolumetricEfficiency) +
         ", \"hours_per_year\": " + Json(req.HoursPerYear) +
         ", \"min_gas_temperature\": " + Json(AllowedGasTemperature(req)) +
         ", \"day_cycles\": " + std::to_string(a.DayCycles) + ",\n   \"gas_law\": \"" +
         LawKey(g.Law) + "\", \"n\": " + Json(g.Exponent) + ", \"tau\": " + Json(g.Tau) +
         ", \"charge_temperature\": " + Json(PrechargeTemperature(g)) + ", \"temperatures\": [";
    for (size_t i = 0; i < a.Temperatures.size(); ++i) {
        j += (i ? ", " : "") + Json(a.Temperatures[i]);
    }
    j += "], \"Pm\": " + Json(data.Pm) + ", \"Dp\": " + Json(data.Dp) +
         ", \"cycle_time\": " + Json(data.CycleTime) +
         ", \"choose_precharge\": " + Bool(req.ChoosePrecharge) +
         ", \"size_pump\": " + Bool(req.SizePump) + ", \"single_cycle\": " + Bool(req.SingleCycle) +
         "}";
    return j;
}

std::string RecommendedJson(const Evaluation& rec, const SizingAnswer& a, const Requirements& req,
                            const CircuitData& data, const GasSettings& g) {
    const TemperatureOutcome& w = rec.Worst();
    std::string j = "{\"V0\": " + Json(rec.Proposed.V0) + ", \"P0\": " + Json(rec.Proposed.P0) +
                    ", \"charge_temperature\": " + Json(PrechargeTemperature(g)) +
                    ", \"Qp\": " + Json(rec.Proposed.Qp) +
                    ", \"precharge_by_charge_temperature\": [";
    for (size_t i = 0; i < a.PrechargeTable.size(); ++i) {
        j += std::string(i ? ", " : "") +
             "{\"temperature\": " + Json(a.PrechargeTable[i].ChargeTemp) +
             ", \"P0\": " + Json(a.PrechargeTable[i].Precharge) + "}";
    }
    j += "], " + FiguresJson(rec, a, req, data) + "\"pump_share\": " + Json(w.PumpShare) +
         ", \"pump_starts\": " + Json(w.PumpStarts) + DutiesJson(rec, req) + "}";
    return j;
}

std::string CandidateJson(const Evaluation& e, const SizingAnswer& a, const Requirements& req,
                          const CircuitData& data) {
    const double p1 = req.MinPressure.value();
    std::string j =
        "\n    {\"V0\": " + Json(e.Proposed.V0) + ", \"P0\": " + Json(e.Proposed.P0) +
        ", \"Qp\": " + Json(e.Proposed.Qp) + ", \"P0_warm\": " + Json(e.PrechargeWarm) +
        ", \"P0_cold\": " + Json(e.PrechargeCold) + ", \"compression_ratio\": " + Json(e.Ratio) +
        ", \"cycles\": " + std::to_string(e.Cycles()) + ", \"peak_flow\": " + Json(e.PeakFlow()) +
        ", \"lowest_gas_temperature\": " + Json(e.LowestGasTemp()) + ", " +
        FiguresJson(e, a, req, data) + "\"pump_short\": " + Bool(e.PumpShort) +
        ",\n     \"lowest_pressure\": [";
    for (size_t i = 0; i < e.Temps.size(); ++i) {
        const TemperatureOutcome& o = e.Temps[i];
        // A run stopped where the pump loads too often has no lowest of its own.
        const auto shown = [&](double value) { return o.Chatters ? "null" : Json(value); };
        j += std::string(i ? ", " : "") + "{\"temperature\": " + Json(o.WorkTemp) +
             ", \"precharge\": " + Json(o.Precharge) +
             ", \"pressure\": " + shown(o.LowestPressure) +
             ", \"margin\": " + shown(o.LowestPressure - p1) +
             ", \"time\": " + shown(o.LowestTime) + ", \"cycle\": " + std::to_string(o.WorstCycle) +
             ", \"cycles\": " + std::to_string(o.Cycles) + ", \"settled\": " + Bool(o.Settled) +
             ", \"bounded\": " + Bool(o.Bounded) +
             ", \"drift_per_cycle\": " + Json(o.DriftPerCycle) +
             ", \"day_lowest\": " + shown(o.DayLowest) + ", \"peak_flow\": " + Json(o.PeakFlow) +
             ", \"pump_starts\": " + Json(o.PumpStarts) + ", \"warning\": " + Bool(o.Warning) +
             ", \"outside_gas\": " + Bool(o.OutsideGas) + ", \"chatters\": " + Bool(o.Chatters) +
             "}";
    }
    j += "],\n     \"pass\": " + Bool(e.Passes());
    for (int r = 0; r < kRuleCount; ++r) {
        j += ", \"" + std::string(kRuleKeys[r]) + "\": " + Bool(e.Rules[r]);
    }
    return j + DutiesJson(e, req) + "}";
}

std::string ExplanationJson(const Explanation& x) {
    std::string j = "\n    {\"V0\": " + Json(x.V0) + ", \"failed_rules\": [";
    for (size_t r = 0; r < x.FailedRules.size(); ++r) {
        j += (r ? ", " : "") + std::to_string(x.FailedRules[r]);
    }
    j += "], \"temperature\": " + Json(x.WorkTemp) + ", \"time\": " + Json(x.Time) +
         ", \"cycle\": " + std::to_string(x.Cycle) +
         ", \"lowest_pressure\": " + (x.Chatters ? "null" : Json(x.LowestPressure)) +
         ", \"drifting\": " + Bool(x.Drifting) + ", \"drift_per_cycle\": " + Json(x.Drift) +
         ", \"cycles_to_p1\": " + std::to_string(x.CyclesToP1) + ", \"active_movements\": [";
    for (size_t m = 0; m < x.Active.size(); ++m) {
        j += std::string(m ? ", " : "") + "{\"number\": " + std::to_string(x.Active[m].Number) +
             ", \"kind\": " + std::to_string(x.Active[m].Kind) + "}";
    }
    j += "], \"loads_too_often\": " + Bool(x.Chatters) +
         ", \"loads_cycle\": " + std::to_string(x.ChatterCycle) +
         ", \"loads_at\": " + (x.ChatterCycle > 0 ? Json(x.ChatterAt) : "null") +
         ", \"pump_starts\": " + Json(x.PumpStarts) + ", \"missing_oil\": " + Json(x.MissingOil) +
         ", \"missing_oil_at_least\": " + Bool(x.AtLeast) + ", \"fix_V0\": " + Optional(x.FixV0) +
         ", \"fix_P0\": " + Optional(x.FixP0) + ", \"fix_Qp\": " + Optional(x.FixQp) + "}";
    return j;
}

}  // namespace

std::string AnswerJson(const SizingAnswer& a, const Requirements& req, const CircuitData& data) {
    const GasSettings g = EngineeringGas(req.Gas);
    std::string j = "{\n  \"requirements\": " + RequirementsJson(a, req, data, g) +
                    ",\n  \"oil\": {\"cycle\": " + Json(a.CycleOil) +
                    ", \"pump\": " + Json(a.PumpOil) +
                    ", \"average_demand\": " + Json(a.AverageDemand) +
                    ", \"pump_needed\": " + Json(a.BalancePump) +
                    ", \"pump_short\": " + Bool(a.PumpShort) + "},\n  \"recommended\": ";
    const Evaluation* rec = a.Recommendation();
    j += rec ? RecommendedJson(*rec, a, req, data, g) : "null";
    j += ",\n  \"candidates\": [";
    for (size_t c = 0; c < a.Candidates.size(); ++c) {
        j += std::string(c ? "," : "") + CandidateJson(a.Candidates[c], a, req, data);
    }
    j += "\n  ],\n  \"explanations\": [";
    for (size_t i = 0; i < a.Explanations.size(); ++i) {
        j += std::string(i ? "," : "") + ExplanationJson(a.Explanations[i]);
    }
    return j + "\n  ],\n  \"unfilled_bottles\": " +
           (a.UnfilledBottles
                ? "{\"V0\": " + Json(a.UnfilledBottles->V0) +
                      ", \"bottles\": " + std::to_string(a.UnfilledBottles->Bottles) +
                      ", \"bottle_size\": " + Json(a.UnfilledBottles->BottleSize) + "}"
                : std::string("null")) +
           "\n}\n";
}

}  // namespace volvenza
