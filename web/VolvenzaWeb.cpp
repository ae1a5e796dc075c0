// The browser edition's one entry point: volvenza-sim's commands over files
// in the module's memory. The page hands over the arguments and the files
// the command reads, and gets back the status, what the command printed and
// the files it wrote, in one JSON object.

#include <emscripten/emscripten.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <limits>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "VolvenzaWebDrafts.h"
#include "VolvenzaWebSizing.h"
#include "VolvenzaWebTables.h"
#include "documents/MovementChecks.h"
#include "documents/PastedMovements.h"
#include "documents/ProjectFile.h"
#include "documents/SimulationFile.h"
#include "engine/Duties.h"
#include "engine/FlowModel.h"
#include "engine/GasPath.h"
#include "engine/MovementKinds.h"
#include "numbers/NumberText.h"
#include "numbers/Rounding.h"
#include "sizing/AnswerText.h"
#include "sizing/DutyText.h"
#include "tools/volvenza-sim/SimCommand.h"
#include "tools/volvenza-sim/SimText.h"

namespace {

using namespace volvenza;

using Json = nlohmann::json;

// Every name is a plain file in the working folder: a request never reaches
// anything else of the module's file system.
bool PlainName(const std::string& name) {
    return !name.empty() && name.find('/') == std::string::npos && name != "." && name != "..";
}

std::string Reply(const Json& reply) {
    return reply.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// A request the page should never make: status 64, as for wrong usage.
std::string Refusal(const std::string& wanted) {
    return Reply({{"code", 64},
                  {"stdout", ""},
                  {"stderr", "volvenza_call: expected " + wanted + "\n"},
                  {"files", Json::object()}});
}

// What the cycle table shows beside what is typed, worked out as the desktop
// works it out: per movement the flow an edit of its sizes or times stores
// (the typed one where no formula applies), the pressure its load needs to one decimal (null
// without a load), whether a figure of its duty is out of range (DutyOutOfRange), the row's
// severity and its reasons. A project that cannot be read answers with the message instead.
std::string Check(const std::string& text) {
    CircuitState state;
    ProjectSizing sizing;
    const Status read = ReadProjectText(state, sizing, text, "progetto.vlzp");
    if (!read) return Reply({{"error", SimMessage(read.Error())}});
    Json movements = Json::array();
    for (int slot = 1; slot <= state.MovementCount; ++slot) {
        Movement m = state.Movements[slot];
        if (m.Kind == MovementKind::Empty) m.Kind = MovementKind::CylinderExtending;
        // The flow stored as the editor stores it after a size or a time.
        state.Movements[slot] = m;
        const double flow = ComputeMovementFlow(state, static_cast<int16_t>(slot));
        const std::optional<double> pressure = LoadPressure(m);
        const MovementCheck row = CheckMovement(m, state.Data.CycleTime);
        std::vector<std::string> reasons;
        for (const Message& reason : row.reasons) reasons.push_back(SimMessage(reason));
        movements.push_back({ParseNumber<double>(FormatNumber(flow, ',')).value_or(flow),
                             pressure ? Json(RoundHalfEven(*pressure, 1)) : Json(),
                             DutyOutOfRange(m), static_cast<int>(row.severity), reasons});
    }
    return Reply({{"movements", movements}});
}

// A kind by its title in the language of the messages or in Italian,
// whatever the letters' case, as the desktop's table reads it.
int16_t KindByName(std::string_view name) {
    auto same = [name](const std::string& title) {
        return name.size() == title.size() &&
               std::equal(name.begin(), name.end(), title.begin(), [](char a, char b) {
                   return std::tolower(static_cast<unsigned char>(a)) ==
                          std::tolower(static_cast<unsigned char>(b));
               });
    };
    for (const ActuatorPage& page : kActuatorPages) {
        const char* title = KindTitleSource(page.kind);
        if (same(SimTemplate(title)) || same(title)) return page.kind;
    }
    return MovementKind::Empty;
}

PasteWording PageWording() {
    return {KindByName, [](int16_t kind, float Movement::*field) { return PageShows(kind, field); },
            SimInEnglish() ? '.' : ','};
}

// One value pasted into one cell of `column` of movement `movement` (from 1)
// of kind `kind`, read as the desktop's table reads it: {"value": the
// kind's code, the mark, or the cell's text for a number} or the message,
// also for a cell the movement does not use.
std::string PasteValue(const std::string& text, int column, int16_t kind, int movement) {
    const bool size = column >= PasteColumn::Bore && column < PasteColumn::Flow;
    if (column == PasteColumn::Required || (size && !PageShows(kind, PasteColumnField(column)))) {
        return Reply({{"error", SimMessage(PasteCellUnusedError(text, movement, column))}});
    }
    const PasteWording wording = PageWording();
    if (column == PasteColumn::Kind) {
        const int16_t pasted = PastedKind(text, wording);
        if (pasted == MovementKind::Empty) {
            return Reply({{"error", SimMessage(PastedKindError(text, 1))}});
        }
        return Reply({{"value", pasted}});
    }
    if (column == PasteColumn::Emergency) {
        const auto mark = ReadPastedMark(text);
        if (!mark) return Reply({{"error", SimMessage(PastedMarkError(text, 1))}});
        return Reply({{"value", *mark}});
    }
    const PastedNumber number = ReadPastedNumber(text, wording.decimal);
    if (number.status != PastedNumber::Status::Read) {
        return Reply({{"error", SimMessage(PastedNumberError(number, text, 1, column))}});
    }
    return Reply({{"value", std::string(TrimBlanks(text))}});
}

// Movements pasted from a spreadsheet, read as the desktop reads them: each
// as the project writes a movement (its kind's unused sizes cleared, the flow
// computed where none was given), and the notes; or the message, also when
// the table has room for fewer than were pasted.
std::string Paste(const std::string& text, int room) {
    const PasteWording wording = PageWording();
    const Result<PastedMovements> read = MovementsFromText(text, wording);
    if (!read) return Reply({{"error", SimMessage(read.Error())}});
    const PastedMovements& pasted = *read;
    const int count = static_cast<int>(pasted.movements.size());
    if (count > room) {
        return Reply({{"error", SimMessage(PasteTooManyError(count, room))}});
    }
    // The project's own writer gives each movement's fields.
    CircuitState state;
    state.MovementCount =
        static_cast<int16_t>(std::min<size_t>(pasted.movements.size(), kMaxMovements));
    for (int slot = 1; slot <= state.MovementCount; ++slot) {
        Movement m = pasted.movements[slot - 1];
        for (int column = PasteColumn::Bore; column < PasteColumn::Flow; ++column) {
            float Movement::*field = PasteColumnField(column);
            if (!PageShows(m.Kind, field)) m.*field = 0;
        }
        state.Movements[slot] = m;
        if (!pasted.flowGiven[slot - 1]) {
            state.Movements[slot].Qm = 0;
            const double flow = ComputeMovementFlow(state, static_cast<int16_t>(slot));
            state.Movements[slot].Qm = ParseNumber<double>(FormatNumber(flow, ',')).value_or(flow);
        }
    }
    const Json movements = Json::parse(ProjectFileText(state, ProjectSizing{}))["movimenti"];
    std::vector<std::string> notes;
    for (const Message& note : pasted.notes) notes.push_back(SimMessage(note));
    return Reply({{"movements", movements}, {"notes", notes}});
}

// What the sizing window says of the recommendation the project keeps, as
// the desktop says it: {"line": ...}, empty without one.
std::string LastRecommendation(const std::string& text) {
    CircuitState state;
    ProjectSizing sizing;
    const Status read = ReadProjectText(state, sizing, text, "progetto.vlzp");
    if (!read) return Reply({{"error", SimMessage(read.Error())}});
    return Reply({{"line", sizing.Recommendation ? sizing::LastRecommendationText(
                                                       *sizing.Recommendation, SimWording())
                                                 : std::string()}});
}

// The vessels beyond the one accumulator of V0 of a project, as the
// desktop's status bar says them: {"line": ...}, empty for one vessel. In
// the page's words (the catalogue's contexts it takes, VolvenzaWebTables.h).
std::string Vessels(const std::string& text) {
    CircuitState state;
    ProjectSizing sizing;
    const Status read = ReadProjectText(state, sizing, text, "progetto.vlzp");
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

// A run's series as the simulation file keeps them, read by its reader:
// {"V": [...], "P": ..., "Qt": ..., "Qs": ...} to the last step, or the
// message.
std::string Series(const std::string& text) {
    const char* const name = "serie.vlz";
    std::ofstream(name, std::ios::binary) << text;
    CircuitState state;
    const Status read = LoadSimulationFile(state, name);
    std::remove(name);
    if (!read) return Reply({{"error", SimMessage(read.Error())}});
    const auto upTo = [&state](const std::vector<double>& series) {
        const size_t count = std::min(series.size(), size_t(std::max<int>(state.LastPoint, 0)) + 1);
        return std::vector<double>(series.begin(), series.begin() + std::ptrdiff_t(count));
    };
    return Reply({{"V", upTo(state.VSeries)},
                  {"P", upTo(state.PSeries)},
                  {"Qt", upTo(state.QtSeries)},
                  {"Qs", upTo(state.QsSeries)}});
}

std::string Call(const char* request) {
    const Json r = Json::parse(request, nullptr, false);
    if (!r.is_discarded() && r.is_object() && r.value("tables", false) == true) return PageTables();
    if (!r.is_discarded() && r.is_object() && r.value("sizing-form", false) == true) {
        return SizingForm();
    }
    if (r.is_discarded() || !r.is_object()) return Refusal("a JSON object with its arguments");
    // A box's text read as the windows read it, whatever the language.
    if (r.value("number", Json()).is_string()) {
        const auto number = ParseNumber<double>(r["number"].get<std::string>());
        return Reply({{"value", number ? Json(*number) : Json()}});
    }
    // What follows words its answers in the request's language, by the
    // locale, as the desktop follows it.
    ::setenv("LC_ALL", r.value("language", "it") == "en" ? "en_US.UTF-8" : "C.UTF-8", 1);
    if (r.value("sizing-box", Json()).is_string() && r.value("text", Json()).is_string()) {
        const auto read =
            SizingBox(r["sizing-box"].get<std::string>(), r["text"].get<std::string>(),
                      r.value("project", std::string()), r.value("from-pm", false));
        return read ? *read : Refusal("a box of the sizing form");
    }
    if (r.contains("format")) return Formatted(r);
    // A duty's figure typed into the cycle table's `column`: {"value": the
    // number, or the default for empty text (null for no typed pressure)},
    // or {} when it is not a number.
    if (r.value("duty", Json()).is_string() && r.value("column", Json()).is_number_integer()) {
        const DutyFigure figure =
            DutyFigureFromText(r["column"].get<int>(), r["duty"].get<std::string>());
        if (!figure.read) return Reply(Json::object());
        return Reply({{"value", figure.value ? Json(*figure.value) : Json()}});
    }
    if (r.value("draft-stops", Json()).is_string() && r.value("drafts", Json()).is_object()) {
        const auto said = DraftStopping(r["draft-stops"].get<std::string>(), r["drafts"].dump(),
                                        r.value("movements", 0));
        return said ? *said : Refusal("run, save or export, and the drafts as text");
    }
    if (r.value("series", Json()).is_string()) {
        return Series(r["series"].get<std::string>());
    }
    if (r.value("check", Json()).is_string()) {
        return Check(r["check"].get<std::string>());
    }
    if (r.value("vessels", Json()).is_string()) {
        return Vessels(r["vessels"].get<std::string>());
    }
    if (r.value("last-recommendation", Json()).is_string()) {
        return LastRecommendation(r["last-recommendation"].get<std::string>());
    }
    if (r.value("verdicts", Json()).is_object()) {
        return Verdicts(r["verdicts"]);
    }
    if (r.value("paste", Json()).is_string()) {
        const std::string text = r["paste"].get<std::string>();
        const Json column = r.value("column", Json());
        if (column.is_number_integer()) {
            return PasteValue(text, column.get<int>(), r.value("kind", int16_t{1}),
                              r.value("movement", 1));
        }
        return Paste(text, r.value("room", int(kMaxMovements)));
    }
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

}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE const char* volvenza_call(const char* request) {
    static std::string reply;
    reply = Call(request);
    return reply.c_str();
}
