#include "messages/MessageSources.h"
#include "messages/TranslationMark.h"

// The Italian texts of the command lines' refusals: volvenza-sim's option
// without its value or with one out of range, one its command does not take
// or one it needs left out, files that would overwrite each other, duties
// that do not apply; the desktop program's unknown option or second file.
// The commands' usage and the lines of their answers are their own prose and
// stay beside them (tools/volvenza-sim, shell/).

namespace volvenza::message_sources {
namespace {

constexpr Source kCommand[] = {
    {MessageId::CommandBadValue,
     QT_TRANSLATE_NOOP("volvenza::Message", "Valore non valido per l'opzione %1: %2.")},
    {MessageId::CommandMissingValue,
     QT_TRANSLATE_NOOP("volvenza::Message", "Manca il valore dell'opzione %1.")},
    {MessageId::CommandOptionTwice,
     QT_TRANSLATE_NOOP("volvenza::Message", "L'opzione %1 è data due volte.")},
    {MessageId::CommandOptionNotTaken,
     QT_TRANSLATE_NOOP("volvenza::Message", "Il comando %1 non prende l'opzione %2.")},
    {MessageId::CommandOptionNeeded,
     QT_TRANSLATE_NOOP("volvenza::Message", "Il comando %1 vuole l'opzione %2.")},
    {MessageId::CommandProjectEfficiency,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Il rendimento della pompa del progetto (rendimento_pompa) vale %1: deve "
                       "essere più di 0 e al più 1; darlo con --pump-efficiency.")},
    {MessageId::CommandProjectHours,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Le ore di lavoro in un anno del progetto (ore_in_un_anno) valgono %1: "
                       "devono essere più di 0 e al più 8760; darle con --hours-per-year.")},
    {MessageId::CommandNoInputName,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Manca il nome del file di ingresso: nulla è stato scritto.")},
    {MessageId::CommandNoOutputName,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Manca il nome di un file di uscita: nulla è stato scritto.")},
    {MessageId::CommandOutputIsInput,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Il file di uscita %1 è il file di ingresso %2: nulla è stato scritto.")},
    {MessageId::CommandOutputsSame,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "I file di uscita %1 e %2 sono lo stesso file: nulla è stato scritto.")},
    {MessageId::CommandMovementNumber,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "%1 %2: il movimento deve essere un numero intero da 1 a %3.")},
    {MessageId::CommandDutyRange, QT_TRANSLATE_NOOP("volvenza::Message", "%1 %2: %3.")},
    {MessageId::CommandLoadTwice,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "%1 %2: il movimento %3 ha già %4 %5; darne uno solo.")},
    {MessageId::CommandEmergencyList,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "--emergency %1: i movimenti vanno dati con i loro numeri da 1 a %2, "
                       "separati da virgole.")},
    {MessageId::CommandBottleList,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "--bottle-sizes %1: fino a %2 bombole in dm3, ciascuna più di 0, separate da virgole.")},
    {MessageId::CommandAboveZero,
     QT_TRANSLATE_NOOP("volvenza::Message", "%1 %2: deve essere più di 0.")},
    {MessageId::CommandAtLeastZero,
     QT_TRANSLATE_NOOP("volvenza::Message", "%1 %2: deve essere almeno 0.")},
    {MessageId::CommandDutiesClassic,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Le opzioni dei compiti valgono con il gas ideale o l'azoto reale: la legge "
                       "classica giudica soltanto p1; aggiungere --gas ideal o --gas nitrogen.")},
    {MessageId::CommandNoMovement,
     QT_TRANSLATE_NOOP("volvenza::Message", "Il movimento %1 non c'è: i movimenti sono %2.")},
    {MessageId::CommandMovementEmpty,
     QT_TRANSLATE_NOOP("volvenza::Message", "%1 %2: il movimento %3 è vuoto.")},
    {MessageId::CommandLoadNoSizes,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "%1 %2: il movimento %3 non ha le misure da cui ricavare la pressione del "
                       "carico; darla con --required %3:BAR.")},
    {MessageId::CommandHoldNeedsBoth,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "La pressione mantenuta vuole sia --hold-pressure sia --hold-time.")},
    {MessageId::CommandClassicSizes,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "--gas classic non dimensiona: la legge classica riproduce i risultati del "
                       "programma originale, passo per passo; il dimensionamento usa l'azoto reale "
                       "(predefinito) o --gas ideal.")},
    {MessageId::ReportCommandUnavailable,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Il comando report non è disponibile: questo volvenza-sim è stato compilato "
                       "senza Qt (VOLVENZA_GUI=OFF).")},
    {MessageId::ReportNeedsResults,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Il comando report stampa i risultati di un file di simulazione (.vlz); un "
                       "progetto non li conserva: prima volvenza-sim run %1 OUT.vlz.")},
    {MessageId::CommandUnknown, QT_TRANSLATE_NOOP("volvenza::Message", "Comando sconosciuto %1.")},
    {MessageId::CommandUnknownOption,
     QT_TRANSLATE_NOOP("volvenza::Message", "Opzione sconosciuta %1.")},
    {MessageId::CommandOneFile,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Si può aprire un solo file di simulazione alla volta.")},
};

static_assert(Runs(kCommand, MessageId::CommandBadValue, MessageId::CommandOneFile) &&
                  static_cast<size_t>(MessageId::CommandBadValue) ==
                      static_cast<size_t>(MessageId::PasteCellUnused) + 1 &&
                  static_cast<size_t>(MessageId::CommandOneFile) + 1 ==
                      static_cast<size_t>(MessageId::Count),
              "every MessageId from CommandBadValue on has its text, in the enum's order");

}  // namespace

std::span<const Source> CommandSources() {
    return kCommand;
}

}  // namespace volvenza::message_sources
