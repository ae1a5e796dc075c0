#include "tools/volvenza-sim/SimUsage.h"

#include <iostream>
#include <vector>

#include "tools/volvenza-sim/SimText.h"

namespace volvenza {
namespace {

// A piece to each command, each set of options and each exit status: the
// whole usage gives them all, a command's usage its own.
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
constexpr const char* kUsageSize =
    SIM_TEXT("volvenza-sim",
             "  volvenza-sim size IN.vlz|IN.vlzp --pmin P1 --type bladder|piston|diaphragm\n"
             "      [--catalogue \"V0[:RAPPORTO[:PS[:PORTATA[:TAU[:ESCURSIONE[:CICLI]]]]]],...\"]\n"
             "      [--ps PS] [--relief R]\n"
             "      [--tolerance PERCENTO] [--hours ORE] [--min-gas-temp C] [--keep-precharge]\n"
             "      [--size-pump] [--single-cycle] [--arrangements] [--bottle-sizes V,...]\n"
             "      [--json] [--pdf OUT.pdf] [OPZIONI DEL GAS] [OPZIONI DEI COMPITI]\n"
             "      dimensiona accumulatore, precarica e pompa per il ciclo di IN, file di\n"
             "      simulazione o progetto (da un progetto anche requisiti, catalogo e legge del\n"
             "      gas, salvo le opzioni date; --pmin e --type si possono omettere), in\n"
             "      funzionamento continuo (un ciclo dopo l'altro; --single-cycle: il primo\n"
             "      soltanto): la più piccola grandezza del catalogo che rispetta le regole\n"
             "      (sette, e le 8 e 9 con i compiti dati) o, se nessuna basta (o con\n"
             "      --arrangements), più accumulatori in\n"
             "      parallelo o un pistone con bombole (--bottle-sizes, predefinite\n"
             "      10,20,40,50 dm3); i candidati e perché i più piccoli non bastano\n");
constexpr const char* kUsageGas = SIM_TEXT(
    "volvenza-sim",
    "  volvenza-sim gas T_C P_BAR_ABS\n"
    "      densità, fattore di compressibilità, calori specifici e velocità del suono\n"
    "      dell'azoto alla temperatura T_C [°C] e alla pressione assoluta P_BAR_ABS [bar]\n");
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
    "                                (più di 0 e al più 1; predefinito 1)\n");
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
             "ingresso o l'altro file di uscita.\n");
// example reads no file: its two outputs may only not be one.
constexpr const char* kExampleOutputFiles = SIM_TEXT(
    "volvenza-sim",
    "\n"
    "I file di uscita sono scritti tutti o nessuno, e non possono essere lo stesso file.\n");
constexpr const char* kOutputFile =
    SIM_TEXT("volvenza-sim", "\nIl file di uscita non può essere il file di ingresso.\n");

// The exit statuses, a line each: a command's usage lists those it returns.
constexpr const char* kExitHead = SIM_TEXT("volvenza-sim", "\nStato di uscita:\n");
constexpr const char* kExitDone = SIM_TEXT("volvenza-sim", "  0  fatto\n");
constexpr const char* kExitRefused =
    SIM_TEXT("volvenza-sim", "  1  dati rifiutati dalla verifica (nulla scritto)\n");
constexpr const char* kExitFile = SIM_TEXT(
    "volvenza-sim", "  2  file illeggibile, non valido o non scrivibile (nulla scritto)\n");
constexpr const char* kExitWarning =
    SIM_TEXT("volvenza-sim",
             "  3  simulazione interrotta da \"PRECARICA VOLVENZA TROPPO ALTA\" a una\n"
             "     temperatura qualsiasi (risultati parziali scritti)\n");
constexpr const char* kExitOutsideGas =
    SIM_TEXT("volvenza-sim",
             "  4  simulazione interrotta perché l'azoto esce dal campo del gas (condensa o\n"
             "     esce dal campo dell'equazione) a una temperatura qualsiasi (risultati\n"
             "     scritti fino a lì)\n");
constexpr const char* kExitUsageLine =
    SIM_TEXT("volvenza-sim",
             "  64 uso errato, o un file di uscita che è il file di ingresso o l'altro file\n"
             "     di uscita (nulla scritto)\n");
constexpr const char* kExitUsageExample =
    SIM_TEXT("volvenza-sim",
             "  64 uso errato, o due file di uscita che sono lo stesso file (nulla scritto)\n");
// The same for the commands that write one file.
constexpr const char* kExitUsageOneOutput =
    SIM_TEXT("volvenza-sim",
             "  64 uso errato, o il file di uscita che è il file di ingresso (nulla scritto)\n");
constexpr const char* kExitNoQt = SIM_TEXT(
    "volvenza-sim", "  69 il PDF, in un volvenza-sim compilato senza Qt (nulla scritto)\n");
constexpr const char* kExitSized =
    SIM_TEXT("volvenza-sim", "  0  una raccomandazione (risposta su stdout)\n");
constexpr const char* kExitNoSize =
    SIM_TEXT("volvenza-sim", "  1  nessuna grandezza basta (risposta su stdout)\n");
constexpr const char* kExitCannotSize = SIM_TEXT(
    "volvenza-sim", "  3  la ricerca non si può fare (messaggio su stderr, nulla su stdout)\n");
constexpr const char* kExitGasRange =
    SIM_TEXT("volvenza-sim", "  1  stato fuori dal campo dell'equazione dell'azoto\n");
constexpr const char* kExitGasUsage = SIM_TEXT("volvenza-sim", "  64 uso errato\n");
constexpr const char* kExitSizeHead = SIM_TEXT("volvenza-sim", "\nStato di uscita di size:\n");
constexpr const char* kExitGasHead = SIM_TEXT("volvenza-sim", "\nStato di uscita di gas:\n");

// Each command's pieces, in the order the whole usage gives them.
struct CommandPieces {
    const char* command;
    std::vector<const char*> pieces;
};
const CommandPieces kCommandPieces[] = {
    {"example",
     {kUsageExample, kGasOptions, kDutyOptions, kRunNotes, kExampleOutputFiles, kExitHead,
      kExitDone, kExitRefused, kExitFile, kExitWarning, kExitOutsideGas, kExitUsageExample}},
    {"run",
     {kUsageRun, kGasOptions, kDutyOptions, kRunNotes, kOutputFiles, kExitHead, kExitDone,
      kExitRefused, kExitFile, kExitWarning, kExitOutsideGas, kExitUsageLine}},
    {"convert", {kUsageConvert, kOutputFile, kExitHead, kExitDone, kExitFile, kExitUsageOneOutput}},
    {"export", {kUsageExport, kOutputFile, kExitHead, kExitDone, kExitFile, kExitUsageOneOutput}},
    {"report",
     {kUsageReport, kOutputFile, kExitHead, kExitDone, kExitFile, kExitUsageOneOutput, kExitNoQt}},
    {"size",
     {kUsageSize, kGasOptions, kDutyOptions, kExitHead, kExitSized, kExitNoSize, kExitFile,
      kExitCannotSize, kExitUsageOneOutput, kExitNoQt}},
    {"gas", {kUsageGas, kExitHead, kExitDone, kExitGasRange, kExitGasUsage}},
};

// Every option a command takes, the usage's and the hidden ones alike: a
// name outside this table is no command's.
constexpr const char* kSimulating = "example run size";
const SimOption kOptions[] = {
    {"--export", "example run", 1},
    {"--csv", "export", 0},
    // The gas options; size's answer is its own summary.
    {"--gas", kSimulating, 1},
    {"--n", kSimulating, 1},
    {"--tau", kSimulating, 1},
    {"--start", kSimulating, 1},
    {"--charge-temp", kSimulating, 1},
    {"--envelope", kSimulating, 2},
    {"--summary", "example run", 0},
    {"--pump-efficiency", kSimulating, 1},
    {"--hours-per-year", kSimulating, 1},
    {"--parallel", kSimulating, 1},
    {"--bottle-volume", kSimulating, 1},
    {"--volumetric-efficiency", kSimulating, 1},
    // The duties.
    {"--load", kSimulating, 1},
    {"--required", kSimulating, 1},
    {"--emergency", kSimulating, 1},
    {"--emergency-from-full", kSimulating, 0},
    {"--hold-pressure", kSimulating, 1},
    {"--hold-time", kSimulating, 1},
    {"--hold-from-pm", kSimulating, 0},
    {"--leakage", kSimulating, 1},
    {"--hold-cooling", kSimulating, 1},
    // Size's own.
    {"--pmin", "size", 1},
    {"--type", "size", 1},
    {"--catalogue", "size", 1},
    {"--ps", "size", 1},
    {"--relief", "size", 1},
    {"--tolerance", "size", 1},
    {"--hours", "size", 1},
    {"--min-gas-temp", "size", 1},
    {"--keep-precharge", "size", 0},
    {"--size-pump", "size", 0},
    {"--single-cycle", "size", 0},
    {"--arrangements", "size", 0},
    {"--bottle-sizes", "size", 1},
    {"--json", "size", 0},
    {"--pdf", "size", 1},
    // Steady operation, size's default, by the name it once had.
    {"--repeat", "size", 0},
};

}  // namespace

std::string WholeUsage() {
    std::string usage;
    for (const char* piece :
         {kUsageHead,      kUsageExample,       kUsageRun,    kUsageConvert,   kUsageExport,
          kUsageReport,    kUsageSize,          kUsageGas,    kUsageHelp,      kGasOptions,
          kDutyOptions,    kRunNotes,           kOutputFiles, kExitHead,       kExitDone,
          kExitRefused,    kExitFile,           kExitWarning, kExitOutsideGas, kExitUsageLine,
          kExitNoQt,       kExitSizeHead,       kExitSized,   kExitNoSize,     kExitFile,
          kExitCannotSize, kExitUsageOneOutput, kExitNoQt,    kExitGasHead,    kExitDone,
          kExitGasRange,   kExitGasUsage}) {
        usage += SimText(piece);
    }
    return usage;
}

std::optional<std::string> CommandUsage(const std::string& command) {
    for (const CommandPieces& entry : kCommandPieces) {
        if (command != entry.command) continue;
        std::string usage = SimText(kUsageHead);
        for (const char* piece : entry.pieces) usage += SimText(piece);
        return usage;
    }
    return std::nullopt;
}

const SimOption* FindOption(std::string_view name) {
    for (const SimOption& option : kOptions) {
        if (option.name == name) return &option;
    }
    return nullptr;
}

bool SimOption::TakenBy(std::string_view command) const {
    for (size_t at = commands.find(command); at != std::string_view::npos;
         at = commands.find(command, at + 1)) {
        const size_t end = at + command.size();
        if ((at == 0 || commands[at - 1] == ' ') &&
            (end == commands.size() || commands[end] == ' '))
            return true;
    }
    return false;
}

Message OptionNotTaken(const std::string& command, const std::string& option) {
    if (FindOption(option) == nullptr) {
        return Message(MessageId::CommandUnknownOption, {MsgVerbatim(option)});
    }
    return Message(MessageId::CommandOptionNotTaken, {MsgVerbatim(command), MsgVerbatim(option)});
}

int RefuseArguments(const Message& why, const std::string& command) {
    const std::string help =
        command.empty() ? "volvenza-sim --help" : "volvenza-sim " + command + " --help";
    std::cerr << SimMessage(why) << '\n'
              << SimFill(SIM_TEXT("volvenza-sim", "Per l'uso: %1"), {help}) << '\n';
    return kExitUsage;
}

}  // namespace volvenza
