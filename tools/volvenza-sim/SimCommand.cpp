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
#include "tools/volvenza-sim/SizeCommand.h"

namespace volvenza {
namespace {

constexpr int kExitDone = 0;
constexpr int kExitRefused = 1;
constexpr int kExitFile = 2;
constexpr int kExitWarning = 3;
constexpr int kExitOutsideGas = 4;
constexpr int kExitUsage = 64;

// The usage, a piece to each command and each set of options: the whole of
// it for --help, a command's own pieces for "COMMAND --help".
constexpr const char* kUsageHead = SIM_TEXT("volvenza-sim", "Uso:\n");
constexpr const char* kUsageExample =
    SIM_TEXT("volvenza-sim",
             "  volvenza-sim example OUT.vlz [--export TABLE.txt] [OPZIONI DEL GAS]\n"
             "      carica l'esempio, lo simula e salva il file di simulazione\n");
constexpr const char* kUsageRun =
    SIM_TEXT("volvenza-sim",
             "  volvenza-sim run IN.vlz|IN.vlzp OUT.vlz [--export TABLE.txt] [OPZIONI DEL GAS]\n"
             "      [OPZIONI DEI COMPITI]\n"
             "      carica dati iniziali e movimenti da IN, simula e salva in OUT.vlz; da un\n"
             "      progetto .vlzp anche la legge del gas e l'inviluppo, salvo le opzioni date\n");
constexpr const char* kUsageConvert =
    SIM_TEXT("volvenza-sim",
             "  volvenza-sim convert IN OUT\n"
             "      converte fra file di simulazione .vlz e progetto .vlzp secondo l'estensione,\n"
             "      e dice su stderr che cosa il formato di OUT non conserva\n");
constexpr const char* kUsageExport =
    SIM_TEXT("volvenza-sim",
             "  volvenza-sim export IN.vlz TABLE.txt\n"
             "      scrive i risultati memorizzati in IN.vlz come tabella di testo\n"
             "  volvenza-sim export IN.vlz TABLE.csv --csv\n"
             "      scrive ogni punto dei risultati come CSV (t;V;P;Qt;Qs, virgola decimale)\n");
constexpr const char* kUsageReport = SIM_TEXT(
    "volvenza-sim",
    "  volvenza-sim report IN.vlz OUT.pdf\n"
    "      scrive in PDF il rapporto completo: dati iniziali, movimenti, tabella, grafico\n");
constexpr const char* kUsageSize = SIM_TEXT(
    "volvenza-sim",
    "  volvenza-sim size IN.vlz --pmin P1 --type bladder|piston|diaphragm\n"
    "      [--catalogue \"V0[:RAPPORTO[:PS[:PORTATA[:TAU[:ESCURSIONE[:CICLI]]]]]],...\"]\n"
    "      [--ps PS] [--relief R]\n"
    "      [--tolerance PERCENTO] [--hours ORE] [--min-gas-temp C] [--keep-precharge]\n"
    "      [--size-pump] [--single-cycle] [--arrangements] [--bottle-sizes V,...]\n"
    "      [--json] [--pdf OUT.pdf] [OPZIONI DEL GAS] [OPZIONI DEI COMPITI]\n"
    "      dimensiona accumulatore, precarica e pompa per il ciclo di IN.vlz in\n"
    "      funzionamento continuo (un ciclo dopo l'altro; --single-cycle: il primo\n"
    "      soltanto): la più piccola grandezza del catalogo che rispetta le regole\n"
    "      (sette, e le 8 e 9 con i compiti dati) o, se nessuna basta (o con\n"
    "      --arrangements), più accumulatori in\n"
    "      parallelo o un pistone con bombole (--bottle-sizes, predefinite\n"
    "      10,20,40,50 dm3); i candidati e perché i più piccoli non bastano; stato 0 con una\n"
    "      raccomandazione, 1 se nessuna grandezza basta (risposta su stdout), 3 se la\n"
    "      ricerca non si può fare (messaggio su stderr, nulla su stdout)\n");
constexpr const char* kUsageGas =
    SIM_TEXT("volvenza-sim",
             "  volvenza-sim gas T_C P_BAR_ABS\n"
             "      proprietà dell'azoto a T_C [°C] e alla pressione assoluta P_BAR_ABS [bar]\n");
constexpr const char* kUsageHelp = SIM_TEXT("volvenza-sim", "  volvenza-sim --help\n");
constexpr const char* kGasOptions = SIM_TEXT(
    "volvenza-sim",
    "\n"
    "Opzioni del gas (numeri con la virgola o con il punto):\n"
    "  --gas classic|ideal|nitrogen  legge del gas: classica (predefinita; rifà i passi\n"
    "                                del programma originale: size rifiuta --gas classic\n"
    "                                e usa l'azoto reale al posto della classica), gas\n"
    "                                ideale politropico, azoto reale\n"
    "  --n N                         esponente della politropica del gas ideale, da 1 a\n"
    "                                1,67 (predefinito 1,4)\n"
    "  --tau S                       costante di tempo termica dell'azoto reale in secondi,\n"
    "                                0 isoterma, inf adiabatica (predefinita)\n"
    "  --start slow|fast             stato all'inizio del ciclo per il gas ideale e l'azoto\n"
    "                                reale: slow, caricato lentamente (predefinito), pieno\n"
    "                                a PM alla temperatura di lavoro; fast, caricato\n"
    "                                rapidamente, sull'adiabatica per la precarica\n"
    "  --charge-temp C               temperatura a cui è data la precarica [°C] per il gas\n"
    "                                ideale e l'azoto reale (predefinita 20)\n"
    "  --envelope TMIN TMAX          simula anche alla temperatura di lavoro minima e\n"
    "                                massima [°C], con la stessa carica\n"
    "  --summary                     scrive la precarica data, alla sua temperatura, e\n"
    "                                a tc (per il gas ideale e l'azoto); per ogni\n"
    "                                temperatura la pressione minima\n"
    "                                (relativa per il gas ideale e l'azoto), il suo istante,\n"
    "                                la fine della simulazione e le temperature minima e\n"
    "                                massima del gas; poi, dal motore esatto a tc (con\n"
    "                                l'azoto reale per la legge classica), l'energia del\n"
    "                                primo ciclo e del ciclo a regime, la potenza\n"
    "                                installata contro quella di una pompa sola e la\n"
    "                                fatica (escursione, cicli all'anno)\n"
    "  --pump-efficiency E           rendimento della pompa per la potenza installata,\n"
    "                                più di 0 e al più 1 (predefinito 0,9)\n"
    "  --hours-per-year H            ore di lavoro in un anno per i cicli all'anno\n"
    "                                (predefinite 2000)\n"
    "  --parallel N                  N accumulatori identici di Vo in parallelo (da 1 a 20)\n"
    "  --bottle-volume V             bombole di gas sul lato gas degli accumulatori [dm3]\n"
    "  --volumetric-efficiency E     rendimento volumetrico della pompa: eroga E Qp\n"
    "                                (più di 0, al più 1; predefinito 1)\n");
constexpr const char* kDutyOptions = SIM_TEXT(
    "volvenza-sim",
    "\n"
    "Opzioni dei compiti (run, example e size; con il gas ideale o l'azoto reale):\n"
    "  --load K:VALORE[:RENDIMENTO[:PERDITA]]\n"
    "                                carico del movimento K (da 1): forza [kN] per cilindri\n"
    "                                e plunger, coppia [N·m] per motori e palmole; rendimento\n"
    "                                idromeccanico (predefinito 0,95), perdita [bar] fino\n"
    "                                all'attuatore (predefinita 0)\n"
    "  --required K:BAR              pressione richiesta dal movimento K, data così\n"
    "  --emergency 3,5               movimenti da finire a pompa persa, da Pm - Dp alla\n"
    "                                temperatura minima dell'inviluppo\n"
    "  --emergency-from-full         la corsa di emergenza parte da Pm\n"
    "  --hold-pressure P --hold-time S\n"
    "                                pressione da mantenere [bar] per S secondi a pompa\n"
    "                                ferma, da Pm - Dp (--hold-from-pm: da Pm)\n"
    "  --leakage L                   trafilamento durante il mantenimento [dm3/min]\n"
    "  --hold-cooling K              raffreddamento del gas nel tempo di mantenimento [K]\n");
constexpr const char* kRunNotes =
    SIM_TEXT("volvenza-sim",
             "Con --summary, run chiude con una riga JSON: movement_pressures, emergency, hold.\n"
             "Il file di simulazione conserva solo i risultati alla temperatura di lavoro tc.\n");
constexpr const char* kOutputFiles =
    SIM_TEXT("volvenza-sim",
             "\n"
             "I file di uscita sono scritti tutti o nessuno, e nessuno può essere il file di\n"
             "ingresso o l'altro file di uscita.\n"
             "\n"
             "Stato di uscita: 0 fatto; 1 dati rifiutati dalla verifica (nulla scritto);\n"
             "2 file illeggibile, non valido o non scrivibile (nulla scritto); 3 simulazione\n"
             "interrotta da \"PRECARICA VOLVENZA TROPPO ALTA\" a una temperatura qualsiasi\n"
             "(risultati parziali scritti); 4 simulazione interrotta perché l'azoto esce dal\n"
             "campo del gas (condensa o esce dal campo dell'equazione) a una temperatura\n"
             "qualsiasi (risultati scritti fino a lì);\n"
             "64 uso errato, o un file di uscita che è il file di ingresso o l'altro file di\n"
             "uscita (nulla scritto); 69 report in un volvenza-sim compilato senza Qt.\n");

// Each command's pieces, in the order the whole usage gives them.
struct CommandUsage {
    const char* command;
    std::vector<const char*> pieces;
};
const CommandUsage kCommandUsages[] = {
    {"example", {kUsageExample, kGasOptions, kDutyOptions, kRunNotes, kOutputFiles}},
    {"run", {kUsageRun, kGasOptions, kDutyOptions, kRunNotes, kOutputFiles}},
    {"convert", {kUsageConvert, kOutputFiles}},
    {"export", {kUsageExport, kOutputFiles}},
    {"report", {kUsageReport, kOutputFiles}},
    // size says its own exit status.
    {"size", {kUsageSize, kGasOptions, kDutyOptions}},
};

std::string WholeUsage() {
    std::string usage;
    for (const char* piece :
         {kUsageHead, kUsageExample, kUsageRun, kUsageConvert, kUsageExport, kUsageReport,
          kUsageSize, kUsageGas, kUsageHelp, kGasOptions, kDutyOptions, kRunNotes, kOutputFiles}) {
        usage += SimText(piece);
    }
    return usage;
}

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

// The usage after what was wrong in the arguments.
int Usage(const Message& why) {
    std::cerr << SimMessage(why) << '\n';
    return Usage();
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
            return Message(MessageId::CommandOptionNotTaken,
                           {MsgVerbatim(command), MsgVerbatim(args[i])});
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
    for (const CommandUsage& usage : kCommandUsages) {
        if (command != usage.command || !AsksHelp(args)) continue;
        std::cout << SimText(kUsageHead);
        for (const char* piece : usage.pieces) std::cout << SimText(piece);
        return kExitDone;
    }
    if (command == "gas") return RunGasCommand(args);
    if (command == "report") return RunReportCommand(args);
    if (command == "size") {
        const int code = RunSizeCommand(args);
        return code == kSizeUsage ? Usage() : code;
    }
    if (command != "example" && command != "run" && command != "convert" && command != "export")
        return Usage();
    // A duty's value refused says why alone, as for size; any other option
    // refused says why before the usage.
    DutyOptions duties;
    if (command == "example" || command == "run") {
        Result<DutyOptions> taken = TakeDutyOptions(args);
        if (!taken) return Fail(taken.Error(), kExitUsage);
        duties = *taken;
    }
    const Result<CommandOptions> options = TakeOptions(command, args, duties);
    if (!options) return Usage(options.Error());

    CircuitState state;
    InitCircuitState(state);
    state.Gas = options->run.gas;
    if (command == "example" && args.size() == 1) return Example(state, args[0], *options);
    if (command == "run" && args.size() == 2) return RunDesign(state, args[0], args[1], *options);
    if (args.size() == 2) {
        if (command == "convert") return Convert(state, args[0], args[1]);
        if (command == "export") return Export(state, args[0], args[1], options->csv);
    }
    return Usage();
}

}  // namespace volvenza
