#include <iterator>

#include "messages/Message.h"
#include "messages/MessageSources.h"
#include "messages/TranslationMark.h"

// The Italian text of the libraries' messages, apart from how a message is
// put together (Message.cpp): a new message is a MessageId and its line
// here, or in the table of its subject (MessageSources.h).

namespace volvenza {
namespace {

using message_sources::Source;

// In the order of MessageId, checked below. The refusals to start a cycle
// are the original program's words, stopless; the cycle time's range is ours.
constexpr Source kSources[] = {
    {MessageId::AllInitialZero,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Hai lasciato tutti i valori iniziali a 0, la simulazione non può partire")},
    {MessageId::CycleTimeZero,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Hai lasciato il tempo di ciclo a 0, la simulazione non può partire")},
    {MessageId::CycleTimeRange,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "Il tempo di ciclo deve essere compreso tra 0 e 327,67 s, la simulazione non "
         "può partire.")},
    {MessageId::NoMovements,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Non ci sono movimenti, la simulazione non può partire")},
    {MessageId::RunStopped,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "La simulazione verrà interrotta, corregere il problema e riavviarla.")},
    {MessageId::PrechargeTooHigh,
     QT_TRANSLATE_NOOP("volvenza::Message", "ATTENZIONE !!!!! PRECARICA VOLVENZA TROPPO ALTA")},
    {MessageId::FlowNotNumber,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "La portata del movimento %1 non è un numero valido. La simulazione verrà "
                       "interrotta, correggere il dato e riavviarla.")},
    {MessageId::MovementTimesZero,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "Il tempo iniziale e finale del movimento %1 sono stati lasciati a 0. Si vuole "
         "procedere comunque?")},
    {MessageId::MovementEndNotAfterStart,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Il tempo finale del movimento %1 è uguale o minore del tempo iniziale. La "
                       "simulazione verà interrotta, correggere il dato e riavviarla.")},
    {MessageId::EnvelopeAroundWork,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "La temperatura minima deve essere minore o uguale alla temperatura di lavoro tc "
         "e la massima maggiore o uguale.")},
    {MessageId::CannotStart,
     QT_TRANSLATE_NOOP("volvenza::Message", "%1, la simulazione non può partire.")},
    {MessageId::GasTooCold,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "La temperatura del gas scende a %1 °C, sotto i %2 °C che sacche, membrane e "
         "guarnizioni in gomma nitrilica ammettono.")},
    {MessageId::DraftNotNumber,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Il valore di %1 è \"%2\", che non è un numero valido: %3. Correggerlo o "
                       "annullarlo con Ctrl+Z.")},
    {MessageId::DraftOutOfRange,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Il valore di %1 è \"%2\", fuori dal suo campo: %3; %4. Correggerlo o "
                       "annullarlo con Ctrl+Z.")},
    {MessageId::DutyLoadRange,
     QT_TRANSLATE_NOOP("volvenza::Message", "il carico deve essere almeno 0")},
    {MessageId::DutyEfficiencyRange,
     QT_TRANSLATE_NOOP("volvenza::Message", "il rendimento deve essere più di 0 e al più 1")},
    {MessageId::DutyLossRange,
     QT_TRANSLATE_NOOP("volvenza::Message", "la perdita deve essere almeno 0 bar")},
    {MessageId::DutyRequiredRange,
     QT_TRANSLATE_NOOP("volvenza::Message", "la pressione richiesta deve essere più di 0 bar")},
    {MessageId::DraftInitialBox, QT_TRANSLATE_NOOP("volvenza::Message", "%1 (Inizializzazione)")},
    {MessageId::DraftMovementBox, QT_TRANSLATE_NOOP("volvenza::Message", "%1 del movimento %2")},
    {MessageId::DraftRequirementBox,
     QT_TRANSLATE_NOOP("volvenza::Message", "%1 (Dimensionamento)")},
    {MessageId::RequirementMinPressure,
     QT_TRANSLATE_NOOP("volvenza::Message", "pressione minima p1")},
    {MessageId::RequirementRated, QT_TRANSLATE_NOOP("volvenza::Message", "pressione nominale PS")},
    {MessageId::RequirementRelief,
     QT_TRANSLATE_NOOP("volvenza::Message", "taratura della valvola di massima")},
    {MessageId::RequirementTolerance,
     QT_TRANSLATE_NOOP("volvenza::Message", "tolleranza della precarica")},
    {MessageId::RequirementHours, QT_TRANSLATE_NOOP("volvenza::Message", "ore di lavoro continuo")},
    {MessageId::RequirementEfficiency,
     QT_TRANSLATE_NOOP("volvenza::Message", "rendimento della pompa")},
    {MessageId::RequirementHoursPerYear,
     QT_TRANSLATE_NOOP("volvenza::Message", "ore di lavoro in un anno")},
    {MessageId::RequirementBottles,
     QT_TRANSLATE_NOOP("volvenza::Message", "bombole per i pistoni")},
    {MessageId::RequirementHoldPressure,
     QT_TRANSLATE_NOOP("volvenza::Message", "pressione da mantenere")},
    {MessageId::RequirementHoldTime,
     QT_TRANSLATE_NOOP("volvenza::Message", "tempo di mantenimento")},
    {MessageId::RequirementHoldLeakage,
     QT_TRANSLATE_NOOP("volvenza::Message", "perdite delle valvole")},
    {MessageId::RequirementHoldCooling,
     QT_TRANSLATE_NOOP("volvenza::Message", "raffreddamento del gas nel tempo")},
    {MessageId::DraftCatalogueCell,
     QT_TRANSLATE_NOOP("volvenza::Message", "%1 alla riga %2 del catalogo (Dimensionamento)")},
    {MessageId::CatalogueRatio, QT_TRANSLATE_NOOP("volvenza::Message", "rapporto max")},
    {MessageId::CatalogueFlow, QT_TRANSLATE_NOOP("volvenza::Message", "portata max")},
    {MessageId::CatalogueSwing, QT_TRANSLATE_NOOP("volvenza::Message", "escursione max")},
    {MessageId::CatalogueCycles, QT_TRANSLATE_NOOP("volvenza::Message", "cicli nominali")},
    {MessageId::DraftStopsRun,
     QT_TRANSLATE_NOOP("volvenza::Message", "la simulazione non può partire")},
    {MessageId::DraftStopsSizing,
     QT_TRANSLATE_NOOP("volvenza::Message", "il dimensionamento non può partire")},
    {MessageId::DraftStopsSave,
     QT_TRANSLATE_NOOP("volvenza::Message", "il lavoro non viene salvato")},
    {MessageId::DraftStopsExport,
     QT_TRANSLATE_NOOP("volvenza::Message", "l'esportazione non viene fatta")},
    {MessageId::ExponentRange,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "L'esponente della politropica deve essere compreso tra 1 e 1,67 (ora %1).")},
    {MessageId::TemperaturesAboveZero,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "Le temperature di carica e di lavoro devono essere sopra lo zero assoluto.")},
    {MessageId::PressuresPositive,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "Le pressioni assolute di precarica e massima devono essere maggiori di 0.")},
    {MessageId::NitrogenTemperatureRange,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Temperatura di %1 °C (%2 K) fuori dal campo dell'equazione dell'azoto, da "
                       "63,151 a 1000 K.")},
    {MessageId::NitrogenPressureRange,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "Pressione di %1 bar assoluti fuori dal campo dell'equazione dell'azoto: deve essere "
         "più di 0 e al più 22000 bar.")},
    {MessageId::NitrogenSolid,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "A %1 °C e %2 bar assoluti l'azoto è solido (pressione di fusione %3 bar).")},
    {MessageId::NitrogenDensityNotFound,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Densità dell'azoto non trovata a %1 K e %2 bar assoluti.")},
    {MessageId::NitrogenTemperatureNotFound,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "Temperatura dell'azoto non trovata per l'entropia %1 J/(kg K) a %2 kg/m3.")},
    {MessageId::GasVolumePositive,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Il volume nominale del gas deve essere maggiore di 0.")},
    {MessageId::TimeStepPositive,
     QT_TRANSLATE_NOOP("volvenza::Message", "Il passo di simulazione deve essere maggiore di 0.")},
    {MessageId::TimeConstantRange,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "La costante di tempo termica deve essere maggiore o uguale a 0 (ora %1 s).")},
    {MessageId::AtPrecharge, QT_TRANSLATE_NOOP("volvenza::Message", "Precarica: %1.")},
    {MessageId::AtMaxPressure, QT_TRANSLATE_NOOP("volvenza::Message", "Pressione massima: %1.")},
    {MessageId::FiniteState,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "La temperatura e la pressione devono essere numeri finiti.")},
    {MessageId::NitrogenCondensesAt,
     QT_TRANSLATE_NOOP("volvenza::Message", "a %1 °C e %2 bar assoluti l'azoto condensa")},
    {MessageId::OutsideGas,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "ATTENZIONE: %1 a t = %2 s (gas a %3 °C e %4 bar): la legge del gas non vale "
         "oltre e la simulazione si ferma qui.")},
    {MessageId::ReasonCondenses, QT_TRANSLATE_NOOP("volvenza::Message", "l'azoto condensa")},
    {MessageId::ReasonBelowTriple,
     QT_TRANSLATE_NOOP("volvenza::Message", "l'azoto scende sotto il punto triplo")},
    {MessageId::ReasonOutOfRange,
     QT_TRANSLATE_NOOP("volvenza::Message", "l'azoto esce dal campo dell'equazione")},
    {MessageId::MinPressurePositive,
     QT_TRANSLATE_NOOP("volvenza::Message", "La pressione minima p1 deve essere positiva.")},
    {MessageId::MinBelowMax,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "La pressione minima p1 deve essere minore della pressione massima Pm.")},
    {MessageId::CatalogueEmpty,
     QT_TRANSLATE_NOOP("volvenza::Message", "Il catalogo non contiene alcuna grandezza.")},
    {MessageId::CatalogueTooLong,
     QT_TRANSLATE_NOOP("volvenza::Message", "Il catalogo può contenere al più %1 grandezze.")},
    {MessageId::CatalogueOrder,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "Il catalogo deve elencare volumi positivi in ordine crescente, senza ripetizioni.")},
    {MessageId::CatalogueLimit,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Il catalogo ha un limite non valido alla grandezza %1 dm3: il rapporto di "
                       "compressione deve superare 1, PS, portata massima ed escursione massima "
                       "essere positive, τ non negativa, i cicli nominali almeno 1.")},
    {MessageId::RatedPressurePositive,
     QT_TRANSLATE_NOOP("volvenza::Message", "La pressione nominale PS deve essere positiva.")},
    {MessageId::ReliefPositive,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "La taratura della valvola di massima deve essere positiva.")},
    {MessageId::ReliefAboveRated,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "La taratura della valvola di massima (%1 bar) supera la pressione nominale PS "
         "(%2 bar): la valvola deve proteggere l'accumulatore.")},
    {MessageId::PrechargeTolerance,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "La tolleranza della precarica deve essere tra 0 e 50 %.")},
    {MessageId::WorkingHours,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Le ore di lavoro continuo devono essere più di 0 e al più un anno.")},
    {MessageId::PumpEfficiency,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Il rendimento della pompa deve essere più di 0 e al più 1.")},
    {MessageId::HoursPerYear,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Le ore di lavoro in un anno devono essere più di 0 e al più 8760.")},
    {MessageId::ParallelCount,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Gli accumulatori in parallelo devono essere da 1 a %1.")},
    {MessageId::BottleVolume,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Il volume delle bombole deve essere tra 0 e 100000 dm3.")},
    {MessageId::VolumetricEfficiency,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Il rendimento volumetrico della pompa deve essere più di 0 e al più 1.")},
    {MessageId::BottlesTooLarge,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Le bombole (%1 dm3) sono più grandi del volume del gas a Pm (%2 dm3): "
                       "l'olio riempirebbe gli accumulatori prima di Pm; ridurre le bombole o "
                       "alzare la precarica.")},
    {MessageId::CycleMissing,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Mancano i dati del ciclo: tempo di ciclo e movimenti.")},
    {MessageId::RestartNotAboveMin,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "p1 (%1 bar) non è sotto la pressione a cui la pompa riparte, Pm - Dp (%2 bar): "
         "la pressione scende sotto p1 prima che la pompa ricarichi l'accumulatore; "
         "abbassare p1 sotto %2 bar o ridurre Dp sotto Pm - p1.")},
    {MessageId::HoldAboveStart,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "La pressione da mantenere (%1 bar) supera quella da cui parte il "
                       "mantenimento, %2 (%3 bar): darla di al più %3 bar.")},
    {MessageId::HoldCoolingRange,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Il raffreddamento del gas (%1 K) lo porterebbe dai %2 K di lavoro a %3 K, "
                       "fuori dal campo della legge del gas (sopra %4 K): darlo minore di %5 K.")},
    {MessageId::NoPrechargeWindow,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "Nessuna precarica rispetta insieme le regole 2 e 3 per questo tipo di "
         "accumulatore: la precarica dovrebbe essere di almeno %1 bar e di al più %2 bar; "
         "servirebbe un accumulatore a pistone, una Pm di al più %3 bar o una p1 di almeno "
         "%4 bar.")},
    {MessageId::EnvelopeMinimum,
     QT_TRANSLATE_NOOP("volvenza::Message", "Temperatura minima dell'inviluppo: %1.")},
    {MessageId::EnvelopeMaximum,
     QT_TRANSLATE_NOOP("volvenza::Message", "Temperatura massima dell'inviluppo: %1.")},
    {MessageId::SizingStopped, QT_TRANSLATE_NOOP("volvenza::Message", "Ricerca interrotta")},
    {MessageId::SizingBoxMinPressure,
     QT_TRANSLATE_NOOP("volvenza::Message", "Scrivere la pressione minima p1 in bar.")},
    {MessageId::SizingBoxRated,
     QT_TRANSLATE_NOOP("volvenza::Message", "La pressione nominale PS non è un numero.")},
    {MessageId::SizingBoxRelief,
     QT_TRANSLATE_NOOP("volvenza::Message", "La taratura della valvola non è un numero.")},
    {MessageId::SizingBoxTolerance,
     QT_TRANSLATE_NOOP("volvenza::Message", "Scrivere la tolleranza della precarica in %.")},
    {MessageId::SizingBoxHours,
     QT_TRANSLATE_NOOP("volvenza::Message", "Scrivere le ore di lavoro continuo.")},
    {MessageId::SizingBoxEfficiency,
     QT_TRANSLATE_NOOP("volvenza::Message", "Scrivere il rendimento della pompa.")},
    {MessageId::SizingBoxHoursPerYear,
     QT_TRANSLATE_NOOP("volvenza::Message", "Scrivere le ore di lavoro in un anno.")},
    {MessageId::SizingBoxBottles,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Scrivere fino a %1 bombole in dm3, ciascuna più di 0, separate da \";\".")},
    {MessageId::SizingBoxCatalogueV0,
     QT_TRANSLATE_NOOP("volvenza::Message", "Il catalogo non dà V0 alla riga %1.")},
    {MessageId::SizingBoxHold,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Mantenimento della pressione: scrivere pressione e tempo oltre 0, "
                       "perdite e raffreddamento da 0 in su.")},
    {MessageId::ExponentBox,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "L'esponente n deve essere un numero compreso tra 1 e 1,67.")},
    {MessageId::TimeConstantBox,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "La costante di tempo termica deve essere un numero maggiore o uguale a 0, oppure "
         "vuota per un tempo infinito.")},
    {MessageId::ChargeTempBox,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "La temperatura di carica deve essere un numero maggiore di -273,15 °C.")},
    {MessageId::MinTempBox,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "La temperatura minima deve essere un numero maggiore di -273,15 °C, oppure vuota "
         "per la temperatura di lavoro tc.")},
    {MessageId::MaxTempBox,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "La temperatura massima deve essere un numero maggiore di -273,15 °C, oppure "
         "vuota per la temperatura di lavoro tc.")},
    {MessageId::MinAboveMax,
     QT_TRANSLATE_NOOP("volvenza::Message", "La temperatura minima non può superare la massima.")},
    {MessageId::DecimalPoint,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "ATTENZIONE!!!! Usare la virgola '','' e no il punto ''.'' per i decimali")},
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
    {MessageId::FieldValueOutOfRange,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "il campo %1 vale %2, fuori dall'intervallo ammesso: %3")},
    {MessageId::RangeFromTo, QT_TRANSLATE_NOOP("volvenza::Message", "da %1 a %2")},
    {MessageId::RangeAboveTo, QT_TRANSLATE_NOOP("volvenza::Message", "più di %1 e al più %2")},
    {MessageId::RangeWhole, QT_TRANSLATE_NOOP("volvenza::Message", "un numero intero da %1 a %2")},
    {MessageId::JsonTooDeep,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "il testo JSON annida più di %1 livelli di elenchi e oggetti alla riga %2, "
                       "al carattere %3")},
    {MessageId::InitialValueNegative,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "%1 vale %2: i valori iniziali non possono essere negativi, la simulazione "
                       "non può partire.")},
    {MessageId::WorkTempAbsoluteZero,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "tc vale %1 °C: la temperatura di lavoro deve superare lo zero assoluto, "
                       "-273,15 °C, la simulazione non può partire.")},
    {MessageId::EnvelopeMinAbsoluteZero,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "La temperatura minima dell'inviluppo vale %1 °C: deve superare lo zero "
                       "assoluto, -273,15 °C, la simulazione non può partire.")},
    {MessageId::EnvelopeMaxAbsoluteZero,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "La temperatura massima dell'inviluppo vale %1 °C: deve superare lo zero "
                       "assoluto, -273,15 °C, la simulazione non può partire.")},
    {MessageId::MovementNegative,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "Nel movimento %1 %2 vale %3 e non può essere negativo. La simulazione verrà "
         "interrotta, correggere il dato e riavviarla.")},
    {MessageId::MovementNotFinite,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Nel movimento %1 %2 vale %3, che non è un numero finito. La simulazione "
                       "verrà interrotta, correggere il dato e riavviarla.")},
    {MessageId::EnergyNotFinite,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Il bilancio energetico non si può dare: le sue cifre non vengono tutte "
                       "numeri finiti (la portata più grande del ciclo, del movimento %1, vale %2 "
                       "dm3/min).")},
    {MessageId::FieldTwice,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "il campo %1 è scritto due volte: quale dei due valga non si può sapere")},
    {MessageId::RangeAtLeastOrNull, QT_TRANSLATE_NOOP("volvenza::Message", "almeno %1, o null")},
    {MessageId::RangeAtLeast, QT_TRANSLATE_NOOP("volvenza::Message", "almeno %1")},
    {MessageId::RangeAbove, QT_TRANSLATE_NOOP("volvenza::Message", "più di %1")},
    {MessageId::DesignKeepsNoDuties,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Il file %1 non conserva i carichi, i rendimenti, le perdite, le "
                       "pressioni richieste né i movimenti di emergenza: salvare come progetto "
                       "(.vlzp) per conservarli.")},
    {MessageId::ReportUnavailable,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Il rapporto PDF non è disponibile: questo volvenza-sim è stato compilato "
                       "senza Qt (VOLVENZA_GUI=OFF).")},
    {MessageId::MovementListFull,
     QT_TRANSLATE_NOOP("volvenza::Message", "Raggiunto il numero massimo di 1000 movimenti.")},
};

static_assert(message_sources::Runs(kSources, MessageId::AllInitialZero,
                                    MessageId::MovementListFull),
              "every MessageId up to MovementListFull has its text, in the enum's order");

}  // namespace

const char* MessageSource(MessageId id) {
    const auto i = static_cast<size_t>(id);
    if (i < std::size(kSources)) return kSources[i].italian;
    // The tables after this one follow on, each from where the last ended.
    size_t j = i - std::size(kSources);
    for (const auto table : {message_sources::TableSources(), message_sources::CommandSources()}) {
        if (j < table.size()) return table[j].italian;
        j -= table.size();
    }
    return "";
}

}  // namespace volvenza
