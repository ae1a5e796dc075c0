#include "tools/volvenza-sim/SizeCommand.h"

#include <cmath>
#include <filesystem>
#include <iostream>
#include <optional>

#include "documents/DesignFile.h"
#include "numbers/NumberText.h"
#include "numbers/Rounding.h"
#include "sizing/AnswerText.h"
#include "sizing/CatalogueForm.h"
#include "sizing/DesignFigures.h"
#include "sizing/RequirementForm.h"
#include "sizing/Search.h"
#include "tools/volvenza-sim/CatalogueOption.h"
#include "tools/volvenza-sim/DutyOptions.h"
#include "tools/volvenza-sim/ReportCommand.h"
#include "tools/volvenza-sim/RunOptions.h"
#include "tools/volvenza-sim/SimText.h"
#include "tools/volvenza-sim/SimUsage.h"
#include "tools/volvenza-sim/SizeJson.h"
#include "tools/volvenza-sim/SizingPdf.h"

namespace volvenza {
namespace {

using namespace sizing;

constexpr int kExitDone = 0;
constexpr int kExitNone = 1;
constexpr int kExitFile = 2;
constexpr int kExitCannot = 3;
constexpr int kExitOverlap = kExitUsage;

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
        return true;
    }
    if (a == "--repeat") {
        // Steady operation, the default; kept for the scripts that ask for it.
        o.req.SingleCycle = false;
        return true;
    }
    // The form's choices by their options; the emergency's is a duty's.
    for (size_t i = 0; i < kRequirementChoices.size(); ++i) {
        const auto choice = static_cast<RequirementChoice>(i);
        if (a != kRequirementChoices[i].option || choice == RequirementChoice::EmergencyFromFull) {
            continue;
        }
        SetRequirementChosen(o.req, choice, !kRequirementChoices[i].optionWhenClear);
        return true;
    }
    return false;
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
        (a == "--ps" ? req.RatedPressure : req.ReliefSetting) = GaugeBar(x);
    }
}

// Size's own options that take a value, which follows them; the gas options
// and the duties, which run takes too, are taken out before.
bool TakesValue(const std::string& a) {
    const SimOption* option = FindOption(a);
    return option != nullptr && option->values > 0 && option->TakenBy("size") &&
           !option->TakenBy("run");
}

Message BadValue(const std::string& option, const std::string& value) {
    return Message(MessageId::CommandBadValue, {MsgVerbatim(option), MsgVerbatim(value)});
}

// Sets the option `a`, one that takes a value, to `value`; refused, naming
// the option, when the value is not one it takes. The catalogue is read once
// the type is known.
Status SetValue(const std::string& a, const std::string& value, SizeOptions& o) {
    if (a == "--bottle-sizes") {
        // As the form's box reads them, but by commas.
        const auto sizes = ReadBottleSizes(value, kOptionSizesBetween);
        if (!sizes) {
            return Message(
                MessageId::CommandBottleList,
                {MsgVerbatim(value), MsgInteger(static_cast<long long>(kMaxCatalogueSizes))});
        }
        o.req.BottleSizes = *sizes;
    } else if (a == "--type") {
        const auto type = TypeNamed(value);
        if (!type) return BadValue(a, value);
        o.req.Type = *type;
    } else if (a == "--catalogue" || a == "--pdf") {
        (a == "--pdf" ? o.pdf : o.catalogue) = value;
    } else {
        const auto x = ParseNumber<double>(value);
        if (!x) return BadValue(a, value);
        SetNumber(a, *x, o.req);
    }
    return Done{};
}

Message Needed(const char* option) {
    return Message(MessageId::CommandOptionNeeded, {MsgVerbatim("size"), MsgVerbatim(option)});
}

// With `base` (a project's requirements and gas law) the options given
// change it and --pmin and --type may be left out; without, they are needed.
// Refused, naming the option, when one is wrong, missing or not size's;
// none when the files given are not one, which the caller answers with the
// usage alone.
Result<std::optional<SizeOptions>> Parse(std::vector<std::string> args, const Requirements* base) {
    const Requirements start = base != nullptr ? *base : Requirements{};
    auto gas = TakeRunOptions(args, start.Gas, {start.PumpEfficiency, start.HoursPerYear, {}});
    if (!gas) return gas.Error();
    if (gas->summary) {
        return Message(MessageId::CommandOptionNotTaken,
                       {MsgVerbatim("size"), MsgVerbatim("--summary")});
    }
    SizeOptions o;
    o.energy = *gas;
    o.req = start;
    o.req.Gas = gas->gas;
    o.req.PumpEfficiency = gas->energy.PumpEfficiency;
    o.req.HoursPerYear = gas->energy.HoursPerYear;
    const AccumulatorType baseType = o.req.Type;
    bool pmin = base != nullptr && base->MinPressure > GaugeBar(0);
    bool typed = false;
    std::vector<std::string> positional;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (SetSwitch(a, o)) continue;
        if (TakesValue(a)) {
            if (i + 1 == args.size()) {
                return Message(MessageId::CommandMissingValue, {MsgVerbatim(a)});
            }
            if (Status set = SetValue(a, args[++i], o); !set) return set.Error();
            pmin = pmin || a == "--pmin";
            typed = typed || a == "--type";
        } else if (a.rfind("--", 0) == 0) {
            return OptionNotTaken("size", a);
        } else {
            positional.push_back(a);
        }
    }
    if (positional.size() != 1) return std::optional<SizeOptions>();
    if (base == nullptr && !typed) return Needed("--type");
    if (!pmin) return Needed("--pmin");
    o.in = positional[0];
    // The catalogue's defaults follow the type, whichever came first; a
    // project keeps its own unless another type is asked for.
    if (base == nullptr || (typed && o.req.Type != baseType)) {
        o.req.Catalogue = DefaultCatalogue(o.req.Type);
    }
    if (o.catalogue) {
        auto sizes = ReadCatalogueOption(*o.catalogue, o.req.Type);
        if (!sizes) return BadValue("--catalogue", *o.catalogue);
        o.req.Catalogue = *sizes;
    }
    return std::optional(o);
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

}  // namespace

int RunSizeCommand(std::vector<std::string> args) {
    // Said once, on its own: the usage would bury it.
    for (size_t i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == "--gas" && args[i + 1] == "classic") {
            std::cerr << SimMessage(Message(MessageId::CommandClassicSizes)) << '\n';
            return 64;
        }
    }
    // A duty's value refused says why; only a usage error shows the usage.
    const auto duties = TakeDutyOptions(args);
    if (!duties) {
        std::cerr << SimMessage(duties.Error()) << '\n';
        return kExitOverlap;
    }
    // A project brings its own requirements and gas law; the options change them.
    Requirements any;
    any.MinPressure = GaugeBar(1);  // only to find the file's name
    const auto parsed = Parse(args, &any);
    // What was wrong is said, then where the usage is; files that are not
    // one get the usage.
    if (!parsed) return RefuseArguments(parsed.Error(), "size");
    if (!*parsed) return kSizeUsage;
    const SizeOptions& first = **parsed;
    // The PDF written over the design it was sized from would lose the design.
    if (Status names = CheckFileNames(
            first.in, first.pdf ? std::vector{*first.pdf} : std::vector<std::string>{});
        !names) {
        std::cerr << SimMessage(names.Error()) << '\n';
        return kExitOverlap;
    }
    CircuitState state;
    InitCircuitState(state);
    ProjectSizing sizing;
    if (Status read = LoadDesign(state, sizing, first.in); !read) {
        std::cerr << SimMessage(read.Error()) << '\n';
        return kExitFile;
    }
    Requirements base = sizing.Requirements;
    base.Gas = state.Gas;
    auto reparsed = Parse(std::move(args), IsProjectPath(first.in) ? &base : nullptr);
    if (!reparsed) return RefuseArguments(reparsed.Error(), "size");
    if (!*reparsed) return kSizeUsage;
    SizeOptions* options = &**reparsed;
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
        const std::string design = std::filesystem::path(first.in).filename().string();
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
