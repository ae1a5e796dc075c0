// The browser edition's one entry point: volvenza-sim's commands over files
// in the module's memory, and the page's questions of what the desktop's
// windows know (kQuestions). The page hands over the arguments and the files
// the command reads, and gets back the status, what the command printed and
// the files it wrote, in one JSON object; a question gets its answer alike.

#include <emscripten/emscripten.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <limits>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "VolvenzaWebCycle.h"
#include "VolvenzaWebDrafts.h"
#include "VolvenzaWebReply.h"
#include "VolvenzaWebSizing.h"
#include "VolvenzaWebTables.h"
#include "documents/DesignFile.h"
#include "documents/FileKinds.h"
#include "documents/Project.h"
#include "documents/ProjectFile.h"
#include "documents/SimulationFile.h"
#include "engine/Duties.h"
#include "engine/GasPath.h"
#include "engine/ResultsSeriesValues.h"
#include "messages/ResultsFormat.h"
#include "numbers/NumberText.h"
#include "sizing/AnswerText.h"
#include "sizing/CatalogueForm.h"
#include "sizing/DutyText.h"
#include "tools/volvenza-sim/SimCommand.h"
#include "tools/volvenza-sim/SimText.h"

namespace {

using namespace volvenza;

// Every name is a plain file in the working folder: a request never reaches
// anything else of the module's file system.
bool PlainName(const std::string& name) {
    return !name.empty() && name.find('/') == std::string::npos && name != "." && name != "..";
}

// The desktop's new project (Nuovo): the data and the movements reset, the
// sizing's defaults, the gas law a fresh one's: {"project": its text}.
std::string NewProject(const Json&) {
    CircuitState state;
    ResetCircuit(state);
    return Reply({{"project", ProjectFileText(state, ProjectSizing{})}});
}

// What the sizing window says of the recommendation the project keeps, as
// the desktop says it: {"line": ...}, empty without one.
std::string LastRecommendation(const std::string& text) {
    CircuitState state;
    ProjectSizing sizing;
    const Status read = ReadProjectText(state, sizing, text, DefaultFileName(kProjectFile));
    if (!read) return Reply({{"error", SimMessage(read.Error())}});
    return Reply({{"line", sizing.Recommendation ? sizing::LastRecommendationText(
                                                       *sizing.Recommendation, SimWording())
                                                 : std::string()}});
}

// The type and the catalogue a search was made with, from the requirements
// volvenza-sim size --json gives ("type", "catalogue" by its keys), into
// `req`; false when they are not such.
bool TakeSearched(sizing::Requirements& req, const Json& searched) {
    const auto type = sizing::TypeNamed(searched.value("type", std::string()));
    if (!type || !searched.value("catalogue", Json()).is_array()) return false;
    req.Type = *type;
    req.Catalogue.clear();
    for (const Json& size : searched["catalogue"]) {
        sizing::CatalogueSize s;
        for (const sizing::CatalogueColumnForm& column : sizing::kCatalogueColumns) {
            const Json figure = size.value(column.key, Json());
            column.set(s, figure.is_number() ? std::optional(figure.get<double>()) : std::nullopt);
        }
        req.Catalogue.push_back(s);
    }
    return true;
}

// As the desktop's Applica, on the project "apply" (its text, with the
// requirements as the form shows them): "design", the search's recommended
// one as volvenza-sim size --json gives it, becomes the project's
// recommendation and goes into its data with the p1 it was found for; the
// requirements keep the type and the catalogue the search was made with
// exactly, "searched" (size --json's "requirements"). {"project": its
// text, "cleared": the page's places of the drafts the design's values
// replace, "line": what the window says it applied}, or the message.
std::string Apply(const Json& r) {
    const Json d = r.value("design", Json());
    const Json searched = r.value("searched", Json());
    if (!r["apply"].is_string() || !d.is_object() || !searched.is_object() ||
        !searched.value("p1", Json()).is_number()) {
        return Refusal("a project's text, the recommended design and the requirements searched");
    }
    CircuitState state;
    ProjectSizing sizing;
    const Status read = ReadProjectText(state, sizing, r["apply"].get<std::string>(),
                                        DefaultFileName(kProjectFile));
    if (!read) return Reply({{"error", SimMessage(read.Error())}});
    if (!TakeSearched(sizing.Requirements, searched)) {
        return Refusal("the requirements searched, as volvenza-sim size --json gives them");
    }
    const auto figure = [&d](const char* key) {
        const Json value = d.value(key, Json());
        return value.is_number() ? value.get<double>() : 0.0;
    };
    sizing::Design design;
    design.V0 = Dm3(figure("V0"));
    design.P0 = GaugeBar(figure("P0"));
    design.Qp = Dm3PerMin(figure("Qp"));
    design.Count = static_cast<int>(figure("count"));
    design.Bottles = static_cast<int>(figure("bottles"));
    design.BottleSize = Dm3(figure("bottle_size"));
    sizing.Recommendation = design;
    ApplyDesign(state, design, searched["p1"].get<double>());
    Json cleared = Json::array();
    for (const int16_t field : kAppliedData) cleared.push_back(PageDataPlace(size_t(field)));
    return Reply({{"project", ProjectFileText(state, sizing)},
                  {"cleared", cleared},
                  {"line", sizing::AppliedText(design, SimWording())}});
}

// The vessels beyond the one accumulator of V0 of a project, as the
// desktop's status bar says them: {"line": ...}, empty for one vessel. In
// the page's words (the catalogue's contexts it takes, VolvenzaWebTables.h).
std::string Vessels(const std::string& text) {
    CircuitState state;
    ProjectSizing sizing;
    const Status read = ReadProjectText(state, sizing, text, DefaultFileName(kProjectFile));
    if (!read) return Reply({{"error", SimMessage(read.Error())}});
    const bool english = SimInEnglish();
    const Wording w{[english](const char* context, const char* italian) {
                        const char* text = english ? CatalogueEnglish(context, italian) : nullptr;
                        return std::string(text != nullptr ? text : italian);
                    },
                    english ? '.' : ','};
    const std::string line = sizing::VesselsText(state.Gas.Vessels, w);
    return Reply({{"line", line.empty() ? line : line.substr(2)}});
}

// The duties' verdicts of a run's summary (the JSON line `run --summary`
// ends with), worded as the desktop words them beside its results, a line
// each.
std::string Verdicts(const Json& summary) {
    const Wording w = SimWording();
    // A figure the summary leaves null did not happen.
    auto figure = [](const Json& object, const char* key, double none) {
        const Json value = object.value(key, Json());
        return value.is_number() ? value.get<double>() : none;
    };
    Json lines = Json::array();
    for (const Json& m : summary.value("movement_pressures", Json::array())) {
        MovementPressure p;
        p.Movement = m.value("movement", 0);
        p.Required = GaugeBar(figure(m, "required", 0));
        p.Completed = m.value("lowest", Json()).is_number();
        p.Lowest = GaugeBar(figure(m, "lowest", 0));
        p.Time = figure(m, "time", 0);
        lines.push_back(sizing::MovementVerdict(p, w));
    }
    if (const Json e = summary.value("emergency", Json()); e.is_object()) {
        EmergencyOutcome outcome;
        outcome.Movements = e.value("movements", std::vector<int>{});
        outcome.StartPressure = GaugeBar(figure(e, "start_pressure", 0));
        outcome.Lowest = GaugeBar(figure(e, "lowest", 0));
        outcome.Margin = BarDifference(figure(e, "margin", 0));
        outcome.OilLeft = Dm3(figure(e, "oil_left", 0));
        outcome.OilOutAt = static_cast<int>(figure(e, "oil_out_at", 0));
        outcome.Passes = e.value("pass", false);
        const sizing::VerdictRow row = sizing::EmergencyVerdict(outcome, w);
        lines.push_back(row.label + ": " + row.value);
    }
    if (const Json h = summary.value("hold", Json()); h.is_object()) {
        HoldDuty hold;
        hold.Pressure = GaugeBar(figure(h, "pressure", 0));
        hold.Time = figure(h, "time", 0);
        hold.Leakage = Dm3PerMin(figure(h, "leakage", 0));
        hold.Cooling = figure(h, "cooling", 0);
        HoldOutcome outcome;
        outcome.StartPressure = GaugeBar(figure(h, "start_pressure", 0));
        outcome.Lowest = GaugeBar(figure(h, "lowest", 0));
        if (h.value("oil_out_at", Json()).is_number())
            outcome.OilOutAt = figure(h, "oil_out_at", 0);
        outcome.TimeHeld = figure(h, "time_held", std::numeric_limits<double>::infinity());
        outcome.Passes = h.value("pass", false);
        const sizing::VerdictRow row = sizing::HoldVerdict(hold, outcome, w);
        lines.push_back(row.label + ": " + row.value);
    }
    return Reply({{"lines", lines}});
}

// A number as the boxes show it, with the language's separator: fixed
// with "decimals", else the box form (single precision with "single").
// A value that is not finite comes as the page spells it ("NaN",
// "Infinity", "-Infinity"), which JSON does not hold.
std::string Formatted(const Json& r) {
    const Json x = r["format"];
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    double value = x.is_number() ? x.get<double>() : 0.0;
    if (x == "NaN") value = std::numeric_limits<double>::quiet_NaN();
    if (x == "Infinity") value = kInfinity;
    if (x == "-Infinity") value = -kInfinity;
    const char separator = SimInEnglish() ? '.' : ',';
    const Json decimals = r.value("decimals", Json());
    const std::string text =
        decimals.is_number_integer() ? FormatFixed(value, decimals.get<int>(), separator)
        : r.value("single", false)   ? FormatNumber(static_cast<float>(value), separator)
                                     : FormatNumber(value, separator);
    return Reply({{"text", text}, {"separator", std::string(1, separator)}});
}

// A run's series as the simulation file keeps them, read by its reader, by
// their symbols (kResultsSeries) to the last step, and each step's time as
// the results table writes it: {"t": [...], "V": [...], "P": ..., "Qt": ...,
// "Qs": ...}, or the message.
std::string Series(const Json& r) {
    if (!r["series"].is_string()) return Refusal("a simulation file's text");
    const char* const name = "serie.vlz";
    std::ofstream(name, std::ios::binary) << r["series"].get<std::string>();
    CircuitState state;
    const Status read = LoadSimulationFile(state, name);
    std::remove(name);
    if (!read) return Reply({{"error", SimMessage(read.Error())}});
    size_t count = size_t(std::max<int>(state.LastPoint, 0)) + 1;
    for (size_t i = 0; i < kResultsSeries.size(); ++i) {
        count = std::min(count, ResultsSeriesValues(state, i).size());
    }
    std::vector<float> times(count);
    for (size_t k = 0; k < count; ++k) times[k] = ResultsTime(int(k), state.TimeStep);
    Json reply = {{"t", times}};
    for (size_t i = 0; i < kResultsSeries.size(); ++i) {
        const std::vector<double>& values = ResultsSeriesValues(state, i);
        reply[kResultsSeries[i].symbol] =
            std::vector<double>(values.begin(), values.begin() + std::ptrdiff_t(count));
    }
    return Reply(reply);
}

// A box's text read as the windows read it, whatever the language: in
// single precision with "single", as the values the file keeps so.
std::string Number(const Json& r) {
    if (!r["number"].is_string()) return Refusal("a box's text");
    const std::string text = r["number"].get<std::string>();
    std::optional<double> number = ParseNumber<double>(text);
    if (r.value("single", false)) number = ParseNumber<float>(text);
    return Reply({{"value", number ? Json(*number) : Json()}});
}

std::string SizingBoxText(const Json& r) {
    if (!r["sizing-box"].is_string() || !r.value("text", Json()).is_string()) {
        return Refusal("a box of the sizing form");
    }
    const auto read = SizingBox(r["sizing-box"].get<std::string>(), r["text"].get<std::string>(),
                                r.value("project", std::string()), r.value("from-pm", false));
    return read ? *read : Refusal("a box of the sizing form");
}

std::string SizingHoldTexts(const Json& r) {
    if (!r["sizing-hold"].is_array()) return Refusal("the hold boxes' texts");
    std::vector<std::string> texts;
    for (const Json& text : r["sizing-hold"]) {
        if (!text.is_string()) return Refusal("the hold boxes' texts");
        texts.push_back(text.get<std::string>());
    }
    return SizingHold(texts, r.value("project", std::string()), r.value("from-pm", false));
}

std::string RequirementsShownOf(const Json& r) {
    const auto reply =
        RequirementsShownReply(r["requirements-shown"].dump(), r.value("project", std::string()));
    return reply ? *reply : Refusal("the sizing form as it stands and a project's text");
}

std::string SearchBaseOf(const Json& r) {
    const auto reply =
        r["search-base"].is_string()
            ? SearchBaseReply(r["search-base"].get<std::string>(), r.value("type", std::string()),
                              r.value("edited", false))
            : std::nullopt;
    return reply ? *reply : Refusal("a project's text and the type shown");
}

std::string CatalogueOptionOf(const Json& r) {
    std::vector<std::vector<std::string>> rows;
    for (const Json& row : r["catalogue-option"].is_array() ? r["catalogue-option"] : Json()) {
        if (!row.is_array()) return Refusal("the catalogue's cells as text");
        std::vector<std::string>& cells = rows.emplace_back();
        for (const Json& cell : row) {
            if (!cell.is_string()) return Refusal("the catalogue's cells as text");
            cells.push_back(cell.get<std::string>());
        }
    }
    const auto option = CatalogueOption(rows);
    return option ? *option : Refusal("the catalogue's cells as numbers");
}

std::string BottlesOf(const Json& r) {
    std::vector<double> sizes;
    for (const Json& size : r["bottles"].is_array() ? r["bottles"] : Json()) {
        if (!size.is_number()) return Refusal("the bottles' sizes");
        sizes.push_back(size.get<double>());
    }
    return BottlesText(sizes);
}

// The name the core reads a design's text under, as a page opens it:
// {"file-name": the file's name (or ""), "text": its text} gives {"name",
// "base": the name without a kind's extension, which a save keeps}.
std::string FileNameOf(const Json& r) {
    if (!r["file-name"].is_string() || !r.value("text", Json()).is_string()) {
        return Refusal("a file's name and its text");
    }
    const std::string name = r["file-name"].get<std::string>();
    return Reply({{"name", DesignFileName(name, r["text"].get<std::string>())},
                  {"base", DesignBaseName(name)}});
}

// The project's text under `key`, handed to `answer`.
template <std::string (*answer)(const std::string&)>
std::string OfProject(const Json& r, const char* key) {
    if (!r[key].is_string()) return Refusal("a project's text");
    return answer(r[key].get<std::string>());
}

// One of volvenza-sim's commands, its "args", over the "files" it reads,
// giving back the "outputs" it writes.
std::string Command(const Json& r) {
    if (!r.value("args", Json()).is_array()) {
        return Refusal("a JSON object with its arguments");
    }
    std::vector<std::string> args;
    for (const Json& a : r["args"]) {
        if (!a.is_string()) return Refusal("arguments as text");
        args.push_back(a.get<std::string>());
    }
    std::vector<std::string> names;
    const Json inputs = r.value("files", Json::object());
    for (const auto& [name, text] : inputs.items()) {
        if (!PlainName(name) || !text.is_string()) return Refusal("files by plain name, as text");
        std::ofstream(name, std::ios::binary) << text.get<std::string>();
        names.push_back(name);
    }
    std::ostringstream out, err;
    std::streambuf* const coutWas = std::cout.rdbuf(out.rdbuf());
    std::streambuf* const cerrWas = std::cerr.rdbuf(err.rdbuf());
    const int code = volvenza::RunSimCommand(args);
    std::cout.rdbuf(coutWas);
    std::cerr.rdbuf(cerrWas);
    Json files = Json::object();
    const Json outputs = r.value("outputs", Json::array());
    for (const Json& name : outputs) {
        if (!name.is_string() || !PlainName(name.get<std::string>())) continue;
        std::ifstream in(name.get<std::string>(), std::ios::binary);
        if (in)
            files[name.get<std::string>()] = std::string(std::istreambuf_iterator<char>(in), {});
        names.push_back(name.get<std::string>());
    }
    // Nothing stays for the next request.
    for (const std::string& name : names) std::remove(name.c_str());
    return Reply({{"code", code}, {"stdout", out.str()}, {"stderr", err.str()}, {"files", files}});
}

// The message that stops a run, a save or an export over the page's drafts,
// as the desktop says it, or {} when none stops it.
std::string DraftStops(const Json& r) {
    if (!r["draft-stops"].is_string() || !r.value("drafts", Json()).is_object()) {
        return Refusal("run, save or export, and the drafts as text");
    }
    const auto said = DraftStopping(r["draft-stops"].get<std::string>(), r["drafts"].dump(),
                                    r.value("movements", 0));
    return said ? *said : Refusal("run, save or export, and the drafts as text");
}

// What a request asks, by the name of its first argument; each answer reads
// the rest. A request naming none of them is one of volvenza-sim's commands.
struct Question {
    const char* name;
    std::string (*answer)(const Json& request);
};
constexpr Question kQuestions[] = {
    {"tables", [](const Json&) { return PageTables(); }},
    {"sizing-form", [](const Json&) { return SizingForm(); }},
    {"number", Number},
    {"sizing-box", SizingBoxText},
    {"sizing-hold", SizingHoldTexts},
    {"requirements-shown", RequirementsShownOf},
    {"search-base", SearchBaseOf},
    {"requirements-figures",
     [](const Json& r) { return OfProject<RequirementFiguresReply>(r, "requirements-figures"); }},
    {"catalogue-option", CatalogueOptionOf},
    {"bottles", BottlesOf},
    {"format", Formatted},
    {"duty", CycleDuty},
    {"draft-stops", DraftStops},
    {"cells", CycleCells},
    {"new-project", NewProject},
    {"file-name", FileNameOf},
    {"apply", Apply},
    {"series", Series},
    {"check", CycleCheck},
    {"vessels", [](const Json& r) { return OfProject<Vessels>(r, "vessels"); }},
    {"last-recommendation",
     [](const Json& r) { return OfProject<LastRecommendation>(r, "last-recommendation"); }},
    {"verdicts",
     [](const Json& r) {
         return r["verdicts"].is_object() ? Verdicts(r["verdicts"]) : Refusal("a run's summary");
     }},
    {"paste", CyclePaste},
};

std::string Call(const char* request) {
    const Json r = Json::parse(request, nullptr, false);
    if (r.is_discarded() || !r.is_object()) return Refusal("a JSON object with its arguments");
    // The answers are worded in the request's language, by the locale, as
    // the desktop follows it.
    ::setenv("LC_ALL", r.value("language", "it") == "en" ? "en_US.UTF-8" : "C.UTF-8", 1);
    for (const Question& question : kQuestions) {
        if (r.contains(question.name)) return question.answer(r);
    }
    return Command(r);
}

}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE const char* volvenza_call(const char* request) {
    static std::string reply;
    reply = Call(request);
    return reply.c_str();
}
