#include "tools/volvenza-sim/SizeCommand.h"

#include <charconv>
#include <iostream>
#include <optional>
#include <sstream>

#include "documents/SimulationFile.h"
#include "numbers/NumberText.h"
#include "numbers/Rounding.h"
#include "sizing/Search.h"
#include "tools/volvenza-sim/RunOptions.h"
#include "tools/volvenza-sim/SimText.h"

namespace volvenza {
namespace {

using namespace sizing;

constexpr int kExitDone = 0;
constexpr int kExitNone = 1;
constexpr int kExitFile = 2;
constexpr int kExitUsage = 64;

const char* const kRuleNames[kRuleCount] = {"pressione minima", "precarica",
                                            "rapporto di compressione", "pressione massima"};
const char* const kRuleKeys[kRuleCount] = {"rule1_min_pressure", "rule2_precharge",
                                           "rule3_compression_ratio", "rule4_max_pressure"};

std::string Num(double value, int decimals) {
    return FormatNumber(RoundHalfEven(value, decimals));
}

// Shortest text that reads back as the same double, with a decimal point.
std::string Json(double value) {
    if (!std::isfinite(value)) return "null";
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

std::string JsonText(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + '"';
}

std::string Bool(bool b) {
    return b ? "true" : "false";
}

std::optional<std::vector<double>> Catalogue(const std::string& text) {
    std::vector<double> sizes;
    std::stringstream in(text);
    std::string item;
    while (std::getline(in, item, ',')) {
        const auto value = ParseNumber<double>(item);
        if (!value) return std::nullopt;
        sizes.push_back(*value);
    }
    return sizes;
}

struct SizeOptions {
    std::string in;
    Requirements req;
    bool json = false;
};

std::optional<SizeOptions> Parse(std::vector<std::string> args) {
    auto gas = TakeRunOptions(args);
    if (!gas || gas->summary) return std::nullopt;
    SizeOptions o;
    o.req.Gas = gas->gas;
    bool typed = false;
    bool pmin = false;
    std::vector<std::string> positional;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const std::string* value = i + 1 < args.size() ? &args[i + 1] : nullptr;
        auto number = [&]() -> std::optional<double> {
            if (value == nullptr) return std::nullopt;
            ++i;
            return ParseNumber<double>(*value);
        };
        if (a == "--json") {
            o.json = true;
        } else if (a == "--keep-precharge") {
            o.req.ChoosePrecharge = false;
        } else if (a == "--size-pump") {
            o.req.SizePump = true;
        } else if (a == "--repeat") {
            o.req.RepeatCycles = true;
        } else if (a == "--pmin" || a == "--ps" || a == "--relief") {
            const auto x = number();
            if (!x) return std::nullopt;
            if (a == "--pmin") {
                o.req.MinPressure = *x;
                pmin = true;
            } else {
                (a == "--ps" ? o.req.RatedPressure : o.req.ReliefSetting) = *x;
            }
        } else if (a == "--type") {
            if (value == nullptr) return std::nullopt;
            ++i;
            typed = true;
            if (*value == "bladder") {
                o.req.Type = AccumulatorType::Bladder;
            } else if (*value == "piston") {
                o.req.Type = AccumulatorType::Piston;
            } else if (*value == "diaphragm") {
                o.req.Type = AccumulatorType::Diaphragm;
            } else {
                return std::nullopt;
            }
        } else if (a == "--catalogue") {
            if (value == nullptr) return std::nullopt;
            ++i;
            auto sizes = Catalogue(*value);
            if (!sizes) return std::nullopt;
            o.req.Catalogue = *sizes;
        } else if (a.rfind("--", 0) == 0) {
            return std::nullopt;
        } else {
            positional.push_back(a);
        }
    }
    if (positional.size() != 1 || !typed || !pmin) return std::nullopt;
    o.in = positional[0];
    return o;
}

std::string LawName(GasLawKind law) {
    switch (law) {
        case GasLawKind::Ideal:
            return "gas ideale";
        case GasLawKind::Nitrogen:
            return "azoto reale";
        case GasLawKind::Classic:
            break;
    }
    return "classica";
}

std::string ExplanationText(const Explanation& x, double p1) {
    std::string text = "  V0 = " + Num(x.V0, 3) + " dm3: non rispetta ";
    for (size_t i = 0; i < x.FailedRules.size(); ++i) {
        const int r = x.FailedRules[i];
        text += (i == 0 ? "la regola " : ", la regola ") + std::to_string(r) + " (" +
                kRuleNames[r - 1] + ")";
    }
    text += ".\n";
    if (x.FailedRules.empty() || x.FailedRules[0] != 1) return text;
    text += "    La pressione scende a " + Num(x.LowestPressure, 2) + " bar (p1 " + Num(p1, 2) +
            " bar) a " + Num(x.WorkTemp, 2) + " °C, verso " + FormatFixed(x.Time, 1) +
            " s del ciclo " + std::to_string(x.Cycle) + "; movimenti attivi: ";
    if (x.Active.empty()) text += "nessuno";
    for (size_t i = 0; i < x.Active.size(); ++i) {
        text += (i == 0 ? "" : ", ") + std::to_string(x.Active[i].Number) + " (" +
                MovementKindName(x.Active[i].Kind) + ")";
    }
    text += ".\n    Mancano " + std::string(x.AtLeast ? "almeno " : "") + Num(x.MissingOil, 3) +
            " dm3 di olio per restare sopra p1" +
            (x.AtLeast ? " (il gas si è espanso fino alla precarica)" : "") + ".\n";
    if (x.FixV0 || x.FixP0 || x.FixQp) {
        std::string fixes;
        auto add = [&](const std::string& part) { fixes += (fixes.empty() ? "" : "; ") + part; };
        if (x.FixV0) add("V0 = " + Num(*x.FixV0, 2) + " dm3");
        if (x.FixP0) add("P0 = " + Num(*x.FixP0, 1) + " bar");
        if (x.FixQp) add("Qp = " + Num(*x.FixQp, 1) + " dm3/min");
        text += "    Basterebbe, cambiando solo una grandezza: " + fixes + ".\n";
    }
    return text;
}

std::string AnswerText(const SizingAnswer& a, const Requirements& req, double p1) {
    std::string text = "Accumulatore " + TypeName(req.Type) + ", p1 = " + Num(p1, 2) +
                       " bar, legge " + LawName(req.Gas.Law) + ", temperature:";
    for (double t : a.Temperatures) text += " " + Num(t, 2);
    text += " °C" + std::string(req.RepeatCycles ? ", cicli ripetuti" : "") + "\n";
    if (const Evaluation* rec = a.Recommendation()) {
        const Design& d = rec->Proposed;
        text += "Raccomandato: V0 = " + Num(d.V0, 3) + " dm3, precarica " + Num(d.P0, 2) +
                " bar a " + Num(req.Gas.Law == GasLawKind::Classic ? 20.0 : req.Gas.ChargeTemp, 2) +
                " °C, Qp = " + Num(d.Qp, 1) + " dm3/min\n";
        text += "Precarica da impostare:";
        for (const PrechargeRow& row : a.PrechargeTable) {
            text += " " + Num(row.Precharge, 1) + " bar a " + Num(row.ChargeTemp, 0) + " °C;";
        }
        text.back() = '\n';
        const TemperatureOutcome& w = rec->Worst();
        text += "Pompa nel ciclo peggiore: eroga per il " + Num(w.PumpShare * 100, 1) +
                " % del tempo; avviamenti per ciclo: " + std::to_string(w.PumpStarts) + "\n";
    } else {
        text += a.Reason + "\n";
    }
    text += "Candidati (pressione minima e margine su p1 per temperatura; regole 1-4):\n";
    for (const Evaluation& e : a.Candidates) {
        text += "  V0 = " + Num(e.Proposed.V0, 3) + " dm3, P0 = " + Num(e.Proposed.P0, 2) + " bar:";
        for (const TemperatureOutcome& o : e.Temps) {
            text += " " + Num(o.WorkTemp, 2) + " °C " + Num(o.LowestPressure, 2) + " bar (" +
                    (o.LowestPressure >= p1 ? "+" : "") + Num(o.LowestPressure - p1, 2) + ")" +
                    (o.Warning ? " precarica raggiunta" : "") + ";";
        }
        text += " regole";
        for (int r = 0; r < kRuleCount; ++r) text += e.Rules[r] ? " sì" : " no";
        text += e.Passes() ? "; supera\n" : "; non supera\n";
    }
    if (!a.Explanations.empty()) text += "Perché non superano:\n";
    for (const Explanation& x : a.Explanations) text += ExplanationText(x, p1);
    return text;
}

std::string AnswerJson(const SizingAnswer& a, const Requirements& req) {
    const double p1 = req.MinPressure;
    std::string j = "{\n  \"requirements\": {\"p1\": " + Json(p1) + ", \"type\": \"" +
                    (req.Type == AccumulatorType::Bladder  ? "bladder"
                     : req.Type == AccumulatorType::Piston ? "piston"
                                                           : "diaphragm") +
                    "\", \"catalogue\": [";
    for (size_t i = 0; i < req.Catalogue.size(); ++i) {
        j += (i ? ", " : "") + Json(req.Catalogue[i]);
    }
    j += "], \"PS\": " + (req.RatedPressure ? Json(*req.RatedPressure) : "null") +
         ", \"relief\": " + (req.ReliefSetting ? Json(*req.ReliefSetting) : "null") +
         ", \"temperatures\": [";
    for (size_t i = 0; i < a.Temperatures.size(); ++i) {
        j += (i ? ", " : "") + Json(a.Temperatures[i]);
    }
    j += "], \"choose_precharge\": " + Bool(req.ChoosePrecharge) +
         ", \"size_pump\": " + Bool(req.SizePump) + ", \"repeat\": " + Bool(req.RepeatCycles) +
         "},\n  \"recommended\": ";
    if (const Evaluation* rec = a.Recommendation()) {
        const TemperatureOutcome& w = rec->Worst();
        j += "{\"V0\": " + Json(rec->Proposed.V0) + ", \"P0\": " + Json(rec->Proposed.P0) +
             ", \"charge_temperature\": " +
             Json(req.Gas.Law == GasLawKind::Classic ? 20.0 : req.Gas.ChargeTemp) +
             ", \"Qp\": " + Json(rec->Proposed.Qp) + ", \"precharge_by_charge_temperature\": [";
        for (size_t i = 0; i < a.PrechargeTable.size(); ++i) {
            j += std::string(i ? ", " : "") +
                 "{\"temperature\": " + Json(a.PrechargeTable[i].ChargeTemp) +
                 ", \"P0\": " + Json(a.PrechargeTable[i].Precharge) + "}";
        }
        j += "], \"pump_share\": " + Json(w.PumpShare) +
             ", \"pump_starts\": " + std::to_string(w.PumpStarts) + "}";
    } else {
        j += "null";
    }
    j += ",\n  \"reason\": " + (a.Reason.empty() ? std::string("null") : JsonText(a.Reason)) +
         ",\n  \"candidates\": [";
    for (size_t c = 0; c < a.Candidates.size(); ++c) {
        const Evaluation& e = a.Candidates[c];
        j += std::string(c ? "," : "") + "\n    {\"V0\": " + Json(e.Proposed.V0) +
             ", \"P0\": " + Json(e.Proposed.P0) + ", \"Qp\": " + Json(e.Proposed.Qp) +
             ", \"lowest_pressure\": [";
        for (size_t i = 0; i < e.Temps.size(); ++i) {
            const TemperatureOutcome& o = e.Temps[i];
            j += std::string(i ? ", " : "") + "{\"temperature\": " + Json(o.WorkTemp) +
                 ", \"pressure\": " + Json(o.LowestPressure) +
                 ", \"margin\": " + Json(o.LowestPressure - p1) +
                 ", \"time\": " + Json(o.LowestTime) +
                 ", \"cycle\": " + std::to_string(o.WorstCycle) +
                 ", \"warning\": " + Bool(o.Warning) + "}";
        }
        j += "], \"pass\": " + Bool(e.Passes());
        for (int r = 0; r < kRuleCount; ++r) {
            j += ", \"" + std::string(kRuleKeys[r]) + "\": " + Bool(e.Rules[r]);
        }
        j += "}";
    }
    j += "\n  ],\n  \"explanations\": [";
    for (size_t i = 0; i < a.Explanations.size(); ++i) {
        const Explanation& x = a.Explanations[i];
        auto opt = [](const std::optional<double>& v) { return v ? Json(*v) : "null"; };
        j += std::string(i ? "," : "") + "\n    {\"V0\": " + Json(x.V0) + ", \"failed_rules\": [";
        for (size_t r = 0; r < x.FailedRules.size(); ++r) {
            j += (r ? ", " : "") + std::to_string(x.FailedRules[r]);
        }
        j += "], \"temperature\": " + Json(x.WorkTemp) + ", \"time\": " + Json(x.Time) +
             ", \"cycle\": " + std::to_string(x.Cycle) +
             ", \"lowest_pressure\": " + Json(x.LowestPressure) + ", \"active_movements\": [";
        for (size_t m = 0; m < x.Active.size(); ++m) {
            j += std::string(m ? ", " : "") + "{\"number\": " + std::to_string(x.Active[m].Number) +
                 ", \"kind\": " + JsonText(MovementKindName(x.Active[m].Kind)) + "}";
        }
        j += "], \"missing_oil\": " + Json(x.MissingOil) +
             ", \"missing_oil_at_least\": " + Bool(x.AtLeast) + ", \"fix_V0\": " + opt(x.FixV0) +
             ", \"fix_P0\": " + opt(x.FixP0) + ", \"fix_Qp\": " + opt(x.FixQp) + "}";
    }
    return j + "\n  ]\n}\n";
}

}  // namespace

int RunSizeCommand(std::vector<std::string> args) {
    const auto options = Parse(std::move(args));
    if (!options) return kExitUsage;
    CircuitState state;
    InitCircuitState(state);
    if (auto err = LoadSimulationFile(state, options->in)) {
        std::cerr << SimText(*err) << '\n';
        return kExitFile;
    }
    auto answer = SizeAccumulator(state, options->req);
    if (!answer) {
        std::cerr << answer.Error() << '\n';
        return kExitNone;
    }
    std::cout << (options->json ? AnswerJson(*answer, options->req)
                                : AnswerText(*answer, options->req, options->req.MinPressure));
    return answer->Recommended ? kExitDone : kExitNone;
}

}  // namespace volvenza
