#include "messages/MessageSources.h"
#include "messages/TranslationMark.h"

// The Italian texts of what the files say: saving and opening, what a
// simulation file cannot keep, a project or simulation file's field at
// fault and why, a save that failed and why; and the PDF report a program
// built without Qt does not have.

namespace volvenza::message_sources {
namespace {

constexpr Source kFile[] = {
    {MessageId::SaveReadOnly,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Impossibile salvare il file %1: la cartella %2 è di sola lettura.")},
    {MessageId::SaveFailed,
     QT_TRANSLATE_NOOP("volvenza::Message", "Impossibile salvare il file %1.")},
    {MessageId::NotAFile,
     QT_TRANSLATE_NOOP("volvenza::Message", "Impossibile aprire %1: non è un file.")},
    {MessageId::OpenFailed,
     QT_TRANSLATE_NOOP("volvenza::Message", "Impossibile aprire il file %1.")},
    {MessageId::SimulationFileInvalid,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Il file %1 non è un file di simulazione valido (riga %2).")},
    {MessageId::ProjectKeepsNoResults,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Il progetto %1 non conserva i risultati: sono ricalcolati all'apertura.")},
    {MessageId::DesignKeepsNoGas,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Il file %1 non conserva la legge del gas né l'inviluppo di temperatura.")},
    {MessageId::DesignKeepsNoSizing,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "Il file %1 non conserva i requisiti di dimensionamento né la raccomandazione.")},
    {MessageId::DesignKeepsNoVessels,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Il file %1 non conserva gli accumulatori in parallelo, le bombole né il "
                       "rendimento volumetrico della pompa: salvare come progetto (.vlzp) per "
                       "conservarli.")},
    {MessageId::DesignKeepsNoDuties,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Il file %1 non conserva i carichi, i rendimenti, le perdite, le "
                       "pressioni richieste né i movimenti di emergenza: salvare come progetto "
                       "(.vlzp) per conservarli.")},
    {MessageId::ProjectInvalid,
     QT_TRANSLATE_NOOP("volvenza::Message", "Il file %1 non è un progetto Volvenza valido: %2.")},
    {MessageId::JsonInvalidAt,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "il testo JSON non è valido alla riga %1, al carattere %2")},
    {MessageId::JsonNumberTooLarge,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "il testo JSON contiene alla riga %1 un numero troppo grande: %2")},
    {MessageId::FileTooLarge,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "è più grande di %1 MiB, il massimo che un progetto può occupare")},
    {MessageId::FieldNotObject,
     QT_TRANSLATE_NOOP("volvenza::Message", "il campo %1 deve essere un oggetto")},
    {MessageId::FieldMissing, QT_TRANSLATE_NOOP("volvenza::Message", "il campo %1 manca")},
    {MessageId::FieldNotNumber,
     QT_TRANSLATE_NOOP("volvenza::Message", "il campo %1 deve essere un numero")},
    {MessageId::FieldOutOfRange,
     QT_TRANSLATE_NOOP("volvenza::Message", "il campo %1 è fuori dall'intervallo")},
    {MessageId::FieldNotNumberOrNull,
     QT_TRANSLATE_NOOP("volvenza::Message", "il campo %1 deve essere un numero o null")},
    {MessageId::FieldNotFlag,
     QT_TRANSLATE_NOOP("volvenza::Message", "il campo %1 deve essere true o false")},
    {MessageId::FieldNotChoice,
     QT_TRANSLATE_NOOP("volvenza::Message", "il campo %1 deve essere uno fra %2")},
    {MessageId::FieldNotFormat,
     QT_TRANSLATE_NOOP("volvenza::Message", "il campo %1 non è \"volvenza-progetto\"")},
    {MessageId::FieldNotVersion,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "il campo %1 non è una versione che questo programma legge")},
    {MessageId::FieldTooManyMovements,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "il campo %1 deve essere un elenco di al più 1000 movimenti")},
    {MessageId::FieldNotKind,
     QT_TRANSLATE_NOOP("volvenza::Message", "il campo %1 deve essere un numero da 0 a 7")},
    {MessageId::FieldTooManySizes,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "il campo %1 deve essere un elenco di al più %2 grandezze")},
    {MessageId::FieldUnreadable,
     QT_TRANSLATE_NOOP("volvenza::Message", "il campo %1 non è leggibile")},
    {MessageId::FieldTwice,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "il campo %1 è scritto due volte: quale dei due valga non si può sapere")},
    {MessageId::FieldValueOutOfRange,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "il campo %1 vale %2, fuori dall'intervallo ammesso: %3")},
    {MessageId::JsonTooDeep,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "il testo JSON annida più di %1 livelli di elenchi e oggetti alla riga %2, "
                       "al carattere %3")},
    {MessageId::SimulationFileField,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Il file %1 non è un file di simulazione valido: alla riga %2 il campo %3 "
                       "vale «%4», %5.")},
    {MessageId::SimulationFileFieldCount,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Il file %1 non è un file di simulazione valido: la riga %2 ha %3 campi "
                       "separati da virgole, ne servono %4.")},
    {MessageId::SimulationFileEnds,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Il file %1 non è un file di simulazione valido: il file finisce alla riga "
                       "%2, ne attendevo %3.")},
    {MessageId::ReasonNotFiniteNumber,
     QT_TRANSLATE_NOOP("volvenza::Message", "che non è un numero finito")},
    {MessageId::ReasonBeyondSingle,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "oltre ciò che il campo in precisione singola contiene (3,402823E+38 in "
                       "valore assoluto)")},
    {MessageId::ReasonNotWhole,
     QT_TRANSLATE_NOOP("volvenza::Message", "che non è un numero intero da %1 a %2")},
    {MessageId::ReasonCycleTime,
     QT_TRANSLATE_NOOP("volvenza::Message", "fuori dal campo del tempo di ciclo, da 0 a 327,67 s")},
    {MessageId::ReasonPastCycle,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "oltre l'ultimo punto che il tempo di ciclo consente, %1")},
    {MessageId::SaveFailedBecause,
     QT_TRANSLATE_NOOP("volvenza::Message", "Impossibile salvare il file %1: %2.")},
    {MessageId::ReasonDiskFull,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "il disco è pieno; il file di prima, se c'era, è rimasto com'era")},
    {MessageId::ReasonQuota,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "lo spazio su disco concesso all'utente è esaurito; il file di prima, se "
                       "c'era, è rimasto com'era")},
    {MessageId::ReasonFileTooLarge,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "il file supera la dimensione che il sistema consente; il file di prima, "
                       "se c'era, è rimasto com'era")},
    {MessageId::ReasonDiskError,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "errore di scrittura sul disco; il file di prima, se c'era, è rimasto "
                       "com'era")},
    {MessageId::ReasonNoFolder,
     QT_TRANSLATE_NOOP("volvenza::Message", "la cartella %1 non esiste")},
    {MessageId::ReasonTargetNotAFile,
     QT_TRANSLATE_NOOP("volvenza::Message", "esiste già e non è un file")},
    {MessageId::ReasonTargetReadOnly,
     QT_TRANSLATE_NOOP("volvenza::Message", "il file è di sola lettura")},
    {MessageId::ReportUnavailable,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Il rapporto PDF non è disponibile: questo volvenza-sim è stato compilato "
                       "senza Qt (VOLVENZA_GUI=OFF).")},
};

static_assert(
    Runs(kFile, MessageId::SaveReadOnly, MessageId::ReportUnavailable) &&
        Follows(MessageId::SaveReadOnly, MessageId::EnergyNotFinite),
    "every MessageId from SaveReadOnly to ReportUnavailable has its text, in the enum's order");

}  // namespace

std::span<const Source> FileSources() {
    return kFile;
}

}  // namespace volvenza::message_sources
