#include "tools/volvenza-sim/SimCommand.h"

#include <algorithm>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "documents/AtomicFile.h"
#include "documents/DesignFile.h"
#include "documents/ResultsCsv.h"
#include "documents/ResultsExport.h"
#include "documents/SimulationFile.h"
#include "engine/CircuitState.h"
#include "engine/Simulation.h"
#include "tools/volvenza-sim/DutyOptions.h"
#include "tools/volvenza-sim/GasCommand.h"
#include "tools/volvenza-sim/ReportCommand.h"
#include "tools/volvenza-sim/RunOptions.h"
#include "tools/volvenza-sim/SimText.h"
#include "tools/volvenza-sim/SimUsage.h"
#include "tools/volvenza-sim/SizeCommand.h"

namespace volvenza {
namespace {

constexpr int kExitDone = 0;
constexpr int kExitRefused = 1;
constexpr int kExitFile = 2;
constexpr int kExitWarning = 3;
constexpr int kExitOutsideGas = 4;

bool AsksHelp(const std::vector<std::string>& args) {
    return std::any_of(args.begin(), args.end(),
                       [](const std::string& a) { return a == "--help" || a == "-h"; });
}

// The run as a user letting it go would have it: its messages on stderr, and
// a question about a movement with both times at zero answered Yes and noted.
RunOutcome RunAnsweringYes(CircuitState& state) {
    RunAnswers answers;
    for (;;) {
        const RunReport report = RunSimulation(state, answers);
        for (const Notice& notice : report.notices) std::cerr << SimMessage(notice.message) << '\n';
        if (!report.question) return report.outcome;
        std::cerr << SimMessage(report.question->message) << '\n'
                  << SimText(SIM_TEXT("volvenza-sim", "(risposta automatica: Sì)")) << '\n';
        answers.zeroTimes[report.question->movement] = true;
    }
}

// `text` is already in the language of the run.
int Fail(const std::string& text, int code) {
    std::cerr << text << '\n';
    return code;
}

int Fail(const Status& status, int code) {
    return Fail(SimMessage(status.Error()), code);
}

int Usage() {
    std::cerr << WholeUsage();
    return kExitUsage;
}

// A command given the wrong files: its own usage.
int UsageOf(const std::string& command) {
    std::cerr << *CommandUsage(command);
    return kExitUsage;
}

// Saves the run and the table when asked, both or neither; the exit code
// says how it went.
int SaveOutputs(const CircuitState& state, const std::string& out,
                const std::optional<std::string>& table, int doneCode) {
    Status saved = Done{};
    try {
        const std::string simulation = SimulationFileText(state);
        const std::string results = table ? ResultsText(state) : std::string();
        std::vector<FileContents> files{{out, simulation}};
        if (table) files.push_back({*table, results});
        saved = WriteFilesAtomically(files);
    } catch (...) {
        saved = SaveFailedMessage(out);
    }
    return saved ? doneCode : Fail(saved, kExitFile);
}

int Simulate(CircuitState& state, const std::string& out, const std::optional<std::string>& table,
             const RunOptions& options, double p1 = 0, const DutyPlan& plan = {}) {
    const RunOutcome outcome = RunAnsweringYes(state);
    if (outcome == RunOutcome::Refused) return kExitRefused;
    if (options.summary) {
        std::cout << SummaryLines(state, options.energy);
        // The duties on the exact engine; the classic law judges nothing more.
        if (state.Gas.Law != GasLawKind::Classic) {
            const auto duties = RunDutiesLine(state, p1, plan);
            std::cout << (duties ? *duties : SimMessage(duties.Error())) << '\n';
        }
    }
    // A run at any temperature of the envelope that did not end normally
    // says so in the status, the gas leaving its law before the warning.
    int code = kExitDone;
    for (const TemperatureRun& r : state.GasRun.Runs) {
        if (r.Outside != gas::GasDomain::Gas) code = kExitOutsideGas;
        if (r.Warning && code == kExitDone) code = kExitWarning;
    }
    return SaveOutputs(state, out, table, code);
}

// Takes a flag without a value off the arguments; true when it was there.
bool TakeFlag(std::vector<std::string>& args, const std::string& flag) {
    const auto at = std::find(args.begin(), args.end(), flag);
    if (at == args.end()) return false;
    args.erase(at);
    return true;
}

// Splits "--export FILE", which example and run take, off the positional
// arguments: the table's file, if one is asked for; refused when "--export"
// lacks its file or comes twice, or when an option `command` does not take
// is left over.
Result<std::optional<std::string>> TakeExport(const std::string& command,
                                              std::vector<std::string>& args) {
    const std::string option = "--export";
    const bool takes = command == "example" || command == "run";
    std::optional<std::string> table;
    for (size_t i = 0; i < args.size(); ++i) {
        if (takes && args[i] == option) {
            if (i + 1 >= args.size())
                return Message(MessageId::CommandMissingValue, {MsgVerbatim(option)});
            if (table) return Message(MessageId::CommandOptionTwice, {MsgVerbatim(option)});
            table = args[i + 1];
            args.erase(args.begin() + static_cast<long>(i),
                       args.begin() + static_cast<long>(i) + 2);
            --i;
        } else if (args[i].rfind("--", 0) == 0) {
            return OptionNotTaken(command, args[i]);
        }
    }
    return table;
}

// What follows the name of example, run, convert or export besides its files.
struct CommandOptions {
    bool csv = false;
    RunOptions run;
    DutyOptions duties;
    std::optional<std::string> table;
    // The arguments as given: a project's gas law is known only once it is
    // read, and the options given are applied again over it then.
    std::vector<std::string> given;
};

// Takes the options off `args`, leaving the files, once the caller has taken
// example's and run's duty options (`duties`); refused, naming the option,
// when a gas option's value or the table's file is wrong or `command` does
// not take an option given.
Result<CommandOptions> TakeOptions(const std::string& command, std::vector<std::string>& args,
                                   const DutyOptions& duties) {
    CommandOptions options;
    options.csv = TakeFlag(args, "--csv");
    options.given = args;
    options.duties = duties;
    if (command == "example" || command == "run") {
        Result<RunOptions> gas = TakeRunOptions(args);
        if (!gas) return gas.Error();
        options.run = *gas;
    }
    Result<std::optional<std::string>> table = TakeExport(command, args);
    if (!table) return table.Error();
    if (options.csv && command != "export") {
        return Message(MessageId::CommandOptionNotTaken,
                       {MsgVerbatim(command), MsgVerbatim("--csv")});
    }
    options.table = *table;
    return options;
}

// The files a run writes: the simulation file and the table, if asked for.
std::vector<std::string> Outputs(const std::string& out, const std::optional<std::string>& table) {
    std::vector<std::string> files{out};
    if (table) files.push_back(*table);
    return files;
}

// The duty options over the loaded cycle, added to `plan`.
Status ApplyDuties(const DutyOptions& duties, CircuitState& state, DutyPlan& plan) {
    if (Status law = CheckDutyLaw(duties, state); !law) return law;
    return ApplyDutyOptions(duties, state, plan, state.Gas.Law);
}

// "example OUT": the example simulated and saved.
int Example(CircuitState& state, const std::string& out, const CommandOptions& options) {
    if (Status names = CheckFileNames(std::nullopt, Outputs(out, options.table)); !names) {
        return Fail(names, kExitUsage);
    }
    LoadExampleCircuit(state);
    DutyPlan plan;
    if (Status applied = ApplyDuties(options.duties, state, plan); !applied) {
        return Fail(applied, kExitUsage);
    }
    return Simulate(state, out, options.table, options.run, 0, plan);
}

// "run IN OUT": a simulation file or project simulated and saved.
int RunDesign(CircuitState& state, const std::string& in, const std::string& out,
              const CommandOptions& options) {
    if (Status names = CheckFileNames(in, Outputs(out, options.table)); !names) {
        return Fail(names, kExitUsage);
    }
    ProjectSizing sizing;
    if (Status read = LoadDesign(state, sizing, in); !read) return Fail(read, kExitFile);
    std::vector<std::string> again = options.given;
    // A project's pump efficiency and hours a year, as the window's balance uses them.
    const auto& req = sizing.Requirements;
    // Read once already over the defaults; over the project's gas too they
    // are refused as a usage.
    const Result<RunOptions> taken =
        TakeRunOptions(again, state.Gas, {req.PumpEfficiency, req.HoursPerYear, std::nullopt});
    if (!taken) return Fail(taken.Error(), kExitUsage);
    const RunOptions& used = *taken;
    state.Gas = used.gas;
    DutyPlan plan = req.Duties;
    if (Status applied = ApplyDuties(options.duties, state, plan); !applied) {
        return Fail(applied, kExitUsage);
    }
    // Movements without a load keep the project's p1, none for a simulation file.
    return Simulate(state, out, options.table, used, req.MinPressure.value(), plan);
}

// "convert IN OUT": a design saved in the other format.
int Convert(CircuitState& state, const std::string& in, const std::string& out) {
    if (Status names = CheckFileNames(in, {out}); !names) return Fail(names, kExitUsage);
    ProjectSizing sizing;
    if (Status read = LoadDesign(state, sizing, in); !read) return Fail(read, kExitFile);
    std::vector<Message> leftOut;
    if (Status saved = SaveDesign(state, sizing, out, leftOut); !saved) {
        return Fail(saved, kExitFile);
    }
    for (const Message& note : leftOut) std::cerr << SimMessage(note) << '\n';
    return kExitDone;
}

// "export IN OUT": a simulation file's results as text or CSV.
int Export(CircuitState& state, const std::string& in, const std::string& out, bool csv) {
    if (Status names = CheckFileNames(in, {out}); !names) return Fail(names, kExitUsage);
    if (Status read = LoadSimulationFile(state, in); !read) return Fail(read, kExitFile);
    // The CSV follows the language: the decimal point in English. A
    // simulation file does not say which gas law produced its results.
    const Status saved =
        csv ? ExportResultsCsv(state, out, ResultsCsvFormat(SimInEnglish() ? '.' : ','),
                               SimTemplate(SIM_TEXT("volvenza-sim",
                                                    "Risultati letti dal file (la legge "
                                                    "del gas non vi è registrata)")))
            : ExportResultsText(state, out);
    if (!saved) return Fail(saved, kExitFile);
    return kExitDone;
}

}  // namespace

int RunSimCommand(std::vector<std::string> args) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << WholeUsage();
        return kExitDone;
    }
    if (args.empty()) return Usage();
    const std::string command = args[0];
    args.erase(args.begin());
    // "COMMAND --help": the command's own usage, whatever else is given.
    if (const auto usage = CommandUsage(command); usage && AsksHelp(args)) {
        std::cout << *usage;
        return kExitDone;
    }
    if (command == "gas") return RunGasCommand(args);
    if (command == "report") return RunReportCommand(args);
    if (command == "size") {
        const int code = RunSizeCommand(args);
        return code == kSizeUsage ? UsageOf(command) : code;
    }
    if (command != "example" && command != "run" && command != "convert" && command != "export") {
        // An option or a word where the command's name should be is named, not
        // buried in the usage.
        if (command == "--help" || command == "-h") return Usage();
        return RefuseArguments(Message(command.starts_with("-") ? MessageId::CommandUnknownOption
                                                                : MessageId::CommandUnknown,
                                       {MsgVerbatim(command)}),
                               "");
    }
    // A duty's value refused says why alone, as for size; any other option
    // refused says why, then where the command's usage is.
    DutyOptions duties;
    if (command == "example" || command == "run") {
        Result<DutyOptions> taken = TakeDutyOptions(args);
        if (!taken) return Fail(taken.Error(), kExitUsage);
        duties = *taken;
    }
    const Result<CommandOptions> options = TakeOptions(command, args, duties);
    if (!options) return RefuseArguments(options.Error(), command);

    CircuitState state;
    InitCircuitState(state);
    state.Gas = options->run.gas;
    if (command == "example" && args.size() == 1) return Example(state, args[0], *options);
    if (command == "run" && args.size() == 2) return RunDesign(state, args[0], args[1], *options);
    if (args.size() == 2) {
        if (command == "convert") return Convert(state, args[0], args[1]);
        if (command == "export") return Export(state, args[0], args[1], options->csv);
    }
    return UsageOf(command);
}

}  // namespace volvenza
