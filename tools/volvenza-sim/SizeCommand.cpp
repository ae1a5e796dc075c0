#include "tools/volvenza-sim/SizeCommand.h"

#include <cmath>
#include <filesystem>
#include <iostream>
#include <optional>
#include <sstream>

#include "documents/DesignFile.h"
#include "numbers/NumberText.h"
#include "numbers/Rounding.h"
#include "sizing/AnswerText.h"
#include "sizing/DesignFigures.h"
#include "sizing/Search.h"
#include "tools/volvenza-sim/DutyOptions.h"
#include "tools/volvenza-sim/ReportCommand.h"
#include "tools/volvenza-sim/RunOptions.h"
#include "tools/volvenza-sim/SimText.h"
#include "tools/volvenza-sim/SizingPdf.h"

namespace volvenza {
namespace {

using namespace sizing;

constexpr int kExitDone = 0;
constexpr int kExitNone = 1;
constexpr int kExitFile = 2;
constexpr int kExitCannot = 3;
constexpr int kExitOverlap = 64;

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

std::string Bool(bool b) {
    return b ? "true" : "false";
}

std::string Optional(const std::optional<double>& v) {
    return v ? Json(*v) : "null";
}

// Bottle volumes separated by commas, each above 0.
std::optional<std::vector<double>> BottleSizes(const std::string& text) {
    std::vector<double> sizes;
    std::stringstream in(text);
    std::string item;
    while (std::getline(in, item, ',')) {
        const auto v = ParseNumber<double>(item);
        if (!v || !(*v > 0)) return std::nullopt;
        sizes.push_back(*v);
    }
    if (sizes.empty()) return std::nullopt;
    return sizes;
}

// "V0[:ratio[:PS[:flow[:tau[:swing[:cycles]]]]]]" per size, separated by commas; a part left
// empty (or a size given alone) takes the type's default.
std::optional<std::vector<CatalogueSize>> Catalogue(const std::string& text, AccumulatorType type) {
    std::vector<CatalogueSize> sizes;
    std::stringstream in(text);
    std::string item;
    while (std::getline(in, item, ',')) {
        std::vector<std::string> parts;
        std::stringstream fields(item);
        std::string part;
        while (std::getline(fields, part, ':')) parts.push_back(part);
        if (parts.empty() || parts.size() > 7) return std::nullopt;
        const auto v0 = ParseNumber<double>(parts[0]);
        if (!v0) return std::nullopt;
        CatalogueSize size = DefaultSize(type, *v0);
        std::optional<double>* limits[] = {nullptr,   &size.RatedPressure, &size.MaxFlow,
                                           &size.Tau, &size.RatedSwing,    &size.RatedCycles};
        for (size_t i = 1; i < parts.size(); ++i) {
            if (TrimBlanks(parts[i]).empty()) continue;
            const auto value = ParseNumber<double>(parts[i]);
            if (!value) return std::nullopt;
            if (i == 1) {
                size.MaxRatio = *value;
            } else {
                *limits[i - 1] = *value;
            }
        }
        sizes.push_back(size);
    }
    return sizes;
}

struct SizeOptions {
    std::string in;
    Requirements req;
    bool json = false;
    std::optional<std::string> pdf;
    std::optional<std::string> catalogue;
    RunOptions energy;  // where the efficiency and the hours a year came from
};

// Sets the option `a` when it is one that takes no value.
bool SetSwitch(const std::string& a, SizeOptions& o) {
    if (a == "--json") {
        o.json = true;
    } else if (a == "--keep-precharge") {
        o.req.ChoosePrecharge = false;
    } else if (a == "--size-pump") {
        o.req.SizePump = true;
    } else if (a == "--repeat") {
        // Steady operation, the default; kept for the scripts that ask for it.
        o.req.SingleCycle = false;
    } else if (a == "--single-cycle") {
        o.req.SingleCycle = true;
    } else if (a == "--arrangements") {
        o.req.Arrangements = true;
    } else {
        return false;
    }
    return true;
}

// --pmin, --ps, --relief, --tolerance, --hours or --min-gas-temp.
void SetNumber(const std::string& a, double x, Requirements& req) {
    if (a == "--pmin") {
        req.MinPressure = GaugeBar(x);
    } else if (a == "--tolerance") {
        req.PrechargeTolerance = x / 100;
    } else if (a == "--hours") {
        req.WorkingHours = x;
    } else if (a == "--min-gas-temp") {
        req.MinGasTemp = x;
    } else {
        (a == "--ps" ? req.RatedPressure : req.ReliefSetting) = x;
    }
}

std::optional<AccumulatorType> TypeNamed(const std::string& name) {
    if (name == "bladder") return AccumulatorType::Bladder;
    if (name == "piston") return AccumulatorType::Piston;
    if (name == "diaphragm") return AccumulatorType::Diaphragm;
    return std::nullopt;
}

// With `base` (a project's requirements and gas law) the options given
// change it and --pmin and --type may be left out; without, they are needed.
std::optional<SizeOptions> Parse(std::vector<std::string> args, const Requirements* base) {
    const Requirements start = base != nullptr ? *base : Requirements{};
    auto gas = TakeRunOptions(args, start.Gas, {start.PumpEfficiency, start.HoursPerYear, {}});
    if (!gas || gas->summary) return std::nullopt;
    SizeOptions o;
    o.energy = *gas;
    o.req = start;
    o.req.Gas = gas->gas;
    o.req.PumpEfficiency = gas->energy.PumpEfficiency;
    o.req.HoursPerYear = gas->energy.HoursPerYear;
    const AccumulatorType baseType = o.req.Type;
    bool typed = base != nullptr;
    bool pmin = base != nullptr && base->MinPressure > GaugeBar(0);
    bool newType = false;
    std::vector<std::string> positional;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const std::string* value = i + 1 < args.size() ? &args[i + 1] : nullptr;
        auto number = [&]() -> std::optional<double> {
            if (value == nullptr) return std::nullopt;
            ++i;
            return ParseNumber<double>(*value);
        };
        if (SetSwitch(a, o)) continue;
        if (a == "--bottle-sizes") {
            if (value == nullptr) return std::nullopt;
            ++i;
            auto sizes = BottleSizes(*value);
            if (!sizes) return std::nullopt;
            o.req.BottleSizes = *sizes;
        } else if (a == "--pmin" || a == "--ps" || a == "--relief" || a == "--tolerance" ||
                   a == "--hours" || a == "--min-gas-temp") {
            const auto x = number();
            if (!x) return std::nullopt;
            SetNumber(a, *x, o.req);
            pmin = pmin || a == "--pmin";
        } else if (a == "--type") {
            if (value == nullptr) return std::nullopt;
            ++i;
            typed = true;
            newType = true;
            const auto type = TypeNamed(*value);
            if (!type) return std::nullopt;
            o.req.Type = *type;
        } else if (a == "--catalogue" || a == "--pdf") {
            if (value == nullptr) return std::nullopt;
            ++i;
            (a == "--pdf" ? o.pdf : o.catalogue) = *value;
        } else if (a.rfind("--", 0) == 0) {
            return std::nullopt;
        } else {
            positional.push_back(a);
        }
    }
    if (positional.size() != 1 || !typed || !pmin) return std::nullopt;
    o.in = positional[0];
    // The catalogue's defaults follow the type, whichever came first; a
    // project keeps its own unless another type is asked for.
    if (base == nullptr || (newType && o.req.Type != baseType)) {
        o.req.Catalogue = DefaultCatalogue(o.req.Type);
    }
    if (o.catalogue) {
        auto sizes = Catalogue(*o.catalogue, o.req.Type);
        if (!sizes) return std::nullopt;
        o.req.Catalogue = *sizes;
    }
    return o;
}

void AddTable(std::string& text, const AnswerTable& table) {
    std::vector<size_t> widths(table.Headings.size(), 0);
    auto width = [](const std::string& s) {
        size_t n = 0;
        for (unsigned char c : s) n += (c & 0xC0) != 0x80 ? 1 : 0;  // UTF-8 characters
        return n;
    };
    auto measure = [&](const std::vector<std::string>& row) {
        for (size_t i = 0; i < row.size() && i < widths.size(); ++i) {
            widths[i] = std::max(widths[i], width(row[i]));
        }
    };
    measure(table.Headings);
    for (const auto& row : table.Rows) measure(row);
    auto line = [&](const std::vector<std::string>& row, bool mark) {
        std::string out = mark ? "> " : "  ";
        for (size_t i = 0; i < row.size() && i < widths.size(); ++i) {
            out += row[i] + std::string(widths[i] - width(row[i]) + 2, ' ');
        }
        while (!out.empty() && out.back() == ' ') out.pop_back();
        text += out + "\n";
    };
    line(table.Headings, false);
    for (size_t r = 0; r < table.Rows.size(); ++r) {
        line(table.Rows[r], table.Highlighted && *table.Highlighted == r);
    }
}

std::string AnswerText(const AnswerLayout& a) {
    std::string text = a.Title + "\n";
    for (const auto& [label, value] : a.Requirements) text += label + ": " + value + "\n";
    for (const std::string& line : a.Recommendation) text += line + "\n";
    if (!a.Precharge.Rows.empty()) AddTable(text, a.Precharge);
    if (!a.Candidates.Rows.empty()) {
        AddTable(text, a.Candidates);
        for (const std::string& line : a.Legend) text += line + "\n";
    }
    if (!a.Explanations.empty()) text += a.ExplanationsHeading + "\n";
    for (const std::string& line : a.Explanations) text += line + "\n";
    return text;
}

std::string LawKey(GasLawKind law) {
    return law == GasLawKind::Ideal      ? "ideal"
           : law == GasLawKind::Nitrogen ? "nitrogen"
                                         : "classic";
}

std::string TypeKey(AccumulatorType type) {
    return type == AccumulatorType::Bladder  ? "bladder"
           : type == AccumulatorType::Piston ? "piston"
                                             : "diaphragm";
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
    std::string j =
        "{\"p1\": " + Json(p1) + ", \"type\": \"" + TypeKey(req.Type) + "\", \"catalogue\": [";
    for (size_t i = 0; i < req.Catalogue.size(); ++i) {
        const CatalogueSize& s = req.Catalogue[i];
        j += std::string(i ? ", " : "") + "{\"V0\": " + Json(s.V0) +
             ", \"max_ratio\": " + Json(s.MaxRatio) + ", \"PS\": " + Optional(s.RatedPressure) +
             ", \"max_flow\": " + Optional(s.MaxFlow) + ", \"tau\": " + Optional(s.Tau) +
             ", \"rated_swing\": " + Optional(s.RatedSwing) +
             ", \"rated_cycles\": " + Optional(s.RatedCycles) + "}";
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

}  // namespace

int RunSizeCommand(std::vector<std::string> args) {
    // Said once, on its own: the usage would bury it.
    for (size_t i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == "--gas" && args[i + 1] == "classic") {
            std::cerr << SimText(SIM_TEXT(
                             "volvenza-sim",
                             "--gas classic non dimensiona: la legge classica riproduce i "
                             "risultati del programma originale, passo per passo; il "
                             "dimensionamento usa l'azoto reale (predefinito) o --gas ideal."))
                      << '\n';
            return 64;
        }
    }
    // A duty's value refused says why; only a usage error shows the usage.
    const auto duties = TakeDutyOptions(args);
    if (!duties) return kExitOverlap;
    // A project brings its own requirements and gas law; the options change them.
    Requirements any;
    any.MinPressure = GaugeBar(1);  // only to find the file's name
    const auto first = Parse(args, &any);
    if (!first) return kSizeUsage;
    // The PDF written over the design it was sized from would lose the design.
    if (Status names = CheckFileNames(
            first->in, first->pdf ? std::vector{*first->pdf} : std::vector<std::string>{});
        !names) {
        std::cerr << SimMessage(names.Error()) << '\n';
        return kExitOverlap;
    }
    CircuitState state;
    InitCircuitState(state);
    ProjectSizing sizing;
    if (Status read = LoadDesign(state, sizing, first->in); !read) {
        std::cerr << SimMessage(read.Error()) << '\n';
        return kExitFile;
    }
    Requirements base = sizing.Requirements;
    base.Gas = state.Gas;
    auto options = Parse(std::move(args), IsProjectPath(first->in) ? &base : nullptr);
    if (!options) return kSizeUsage;
    if (Status applied = ApplyDutyOptions(*duties, state, options->req.Duties,
                                          EngineeringGas(options->req.Gas).Law);
        !applied) {
        std::cerr << SimMessage(applied.Error()) << '\n';
        return kExitOverlap;
    }
    if (Status energy = CheckEnergyInputs(options->energy); !energy) {
        std::cerr << SimMessage(energy.Error()) << '\n';
        return kExitCannot;
    }
    auto answer = SizeAccumulator(state, options->req);
    if (!answer) {
        std::cerr << SimMessage(answer.Error()) << '\n';
        return kExitCannot;
    }
    if (options->pdf) {
        // The page names the design by its file, as the window does.
        const std::string design = std::filesystem::path(first->in).filename().string();
        const Status written =
            WriteSizingPdf(*options->pdf, "", design, options->req, *answer, state.Data);
        if (!written) {
            std::cerr << SimMessage(written.Error()) << '\n';
            return written.Error().id == MessageId::ReportUnavailable ? kExitReportUnavailable
                                                                      : kExitFile;
        }
    }
    std::cout << (options->json
                      ? AnswerJson(*answer, options->req, state.Data)
                      : AnswerText(LayOutAnswer(*answer, options->req, state.Data, SimWording())));
    return answer->Recommended ? kExitDone : kExitNone;
}

}  // namespace volvenza
